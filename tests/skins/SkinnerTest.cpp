#include <gtest/gtest.h>

#include <set>

#include "SkinTestSupport.h"
#include "core/str/StrArray.h"
#include "support/RecordingListener.h"

using s::str::strarray::StrArray;
using testing_support::RecordingListener;

namespace skintest {
namespace {

typedef std::vector<std::wstring> Names;

TEST(SkinnerSelection, ByNameMatchesTheWholeNameIgnoringCaseElseTheFirstSkin)
{
    Manager skinner(L"ThinWindow");
    AddNamed(skinner.get(), {L"Black", L"Black Black", L"White"});
    struct Case {
        const wchar_t* name;
        int32_t index;
    };
    const Case cases[] = {
        {L"black black", 1}, {L"WHITE", 2}, {L"Black", 0}, {L"Black Blac", 0},
        {L"Black Black ", 0}, {L"Gray", 0}, {L"", 0},    {nullptr, 0},
    };
    for (const Case& c : cases) {
        skinner->SelectSkinByName(c.name);
        EXPECT_EQ(c.index, skinner->GetCurrentSkinIndex()) << (c.name ? c.name : L"(null)");
        EXPECT_EQ(skinner->GetSkinAt(c.index), skinner->GetCurrentSkin());
    }
}

TEST(SkinnerSelection, ListenersAreToldOnlyOfANewCurrentSkinOnTheCallingThread)
{
    Manager skinner(L"ThinWindow");
    AddNamed(skinner.get(), {L"A", L"B"});
    RecordingListener first, second;
    skinner->AddListener(&first);
    skinner->AddListener(&second);

    EXPECT_EQ(-1, skinner->GetCurrentSkinIndex());
    skinner->SelectSkinByName(L"b");
    auto heard = first.Take();
    ASSERT_EQ(1u, heard.size());
    EXPECT_EQ(static_cast<s::base::IObject*>(skinner.get()), heard[0].source);
    EXPECT_EQ(0, heard[0].code);
    EXPECT_EQ(GetCurrentThreadId(), heard[0].threadId);
    EXPECT_EQ(1u, second.Take().size());

    // The same skin again, by any road: nobody is told.
    skinner->SelectSkinByName(L"B");
    skinner->SelectSkinAt(1);
    EXPECT_EQ(0u, first.Count());

    skinner->SelectSkinAt(0);
    skinner->SelectSkinAt(7);
    EXPECT_EQ(1u, first.Take().size());
    EXPECT_EQ(0, skinner->GetCurrentSkinIndex());

    // The application tells its listeners itself after editing colours.
    skinner->NotifyListeners();
    EXPECT_EQ(1u, first.Take().size());
    skinner->RemoveListener(&first);
    skinner->SelectSkinAt(1);
    EXPECT_EQ(0u, first.Count());
    EXPECT_EQ(3u, second.Take().size());
}

TEST(SkinnerSelection, AnEmptyManagerSelectsNothing)
{
    Manager skinner(L"ThinWindow");
    RecordingListener listener;
    skinner->AddListener(&listener);
    skinner->SelectSkinByName(L"Black Black");
    skinner->SelectSkinAt(0);
    skinner->SelectRandomSkin();
    EXPECT_EQ(nullptr, skinner->GetCurrentSkin());
    EXPECT_EQ(-1, skinner->GetCurrentSkinIndex());
    EXPECT_EQ(0u, listener.Count());
}

TEST(SkinnerSelection, RandomSelectionAlwaysTakesAnotherSkin)
{
    Manager one(L"ThinWindow");
    AddNamed(one.get(), {L"Only"});
    one->SelectRandomSkin();
    EXPECT_EQ(nullptr, one->GetCurrentSkin());

    Manager two(L"ThinWindow");
    AddNamed(two.get(), {L"A", L"B"});
    two->SelectSkinAt(0);
    for (int i = 0; i < 20; ++i) {
        two->SelectRandomSkin();
        EXPECT_EQ((i + 1) % 2, two->GetCurrentSkinIndex());
    }

    Manager several(L"ThinWindow");
    AddNamed(several.get(), {L"A", L"B", L"C", L"D", L"E"});
    RecordingListener listener;
    several->AddListener(&listener);
    std::set<int32_t> seen;
    int32_t previous = -1;
    for (int i = 0; i < 400; ++i) {
        several->SelectRandomSkin();
        const int32_t now = several->GetCurrentSkinIndex();
        EXPECT_NE(previous, now);
        previous = now;
        seen.insert(now);
    }
    EXPECT_EQ(5u, seen.size());
    EXPECT_EQ(400u, listener.Count());
}

TEST(SkinnerListeners, OneLeavingWhileToldDoesNotMakeTheNextMissTheChange)
{
    Manager skinner(L"ThinWindow");
    AddNamed(skinner.get(), {L"A", L"B"});
    RecordingListener leaving, next, last, late;
    leaving.action = [&](int32_t) { skinner->RemoveListener(&leaving); };
    // One joining while the others are told is told in the same round: the count is read afresh.
    last.action = [&](int32_t) {
        if (late.Count() == 0)
            skinner->AddListener(&late);
    };
    skinner->AddListener(&leaving);
    skinner->AddListener(&next);
    skinner->AddListener(&last);

    skinner->SelectSkinAt(1);
    EXPECT_EQ(1u, leaving.Take().size());
    EXPECT_EQ(1u, next.Take().size());
    EXPECT_EQ(1u, last.Take().size());
    EXPECT_EQ(1u, late.Take().size());

    skinner->SelectSkinAt(0);
    EXPECT_EQ(0u, leaving.Count());
    EXPECT_EQ(1u, next.Count());
}

TEST(SkinnerLists, RemovalKeepsNamesAndSkinsAligned)
{
    Manager skinner(L"ThinWindow");
    AddNamed(skinner.get(), {L"A", L"B", L"C", L"D"});
    skinner->SelectSkinAt(2);
    ISkin* current = skinner->GetCurrentSkin();
    skinner->RemoveSkinAt(0);
    skinner->RemoveSkinAt(2);
    skinner->RemoveSkinAt(9);
    EXPECT_EQ((Names{L"B", L"C"}), SkinNames(skinner.get()));
    EXPECT_EQ((Names{L"B", L"C"}), ListedNames(skinner.get()));
    EXPECT_EQ(current, skinner->GetCurrentSkin());
    EXPECT_EQ(1, skinner->GetCurrentSkinIndex());
    EXPECT_EQ(ColorsOf(3).GetColor(SkinColorSet::kText), ColorsAt(skinner.get(), 1).GetColor(SkinColorSet::kText));
}

TEST(SkinnerLists, ARemovedCurrentSkinIsNoLongerCurrent)
{
    Manager skinner(L"ThinWindow");
    AddNamed(skinner.get(), {L"A", L"B"});
    RecordingListener listener;
    skinner->AddListener(&listener);
    skinner->SelectSkinAt(1);
    listener.Take();
    const uint32_t idleBefore = IdleSkins();
    skinner->RemoveSkinAt(1);
    EXPECT_EQ(idleBefore + 1, IdleSkins());
    EXPECT_EQ(nullptr, skinner->GetCurrentSkin());
    EXPECT_EQ(-1, skinner->GetCurrentSkinIndex());
    EXPECT_EQ(0u, listener.Count());

    // The pool hands the same object out again as a new skin: selecting it is a change.
    AddNamed(skinner.get(), {L"C"});
    skinner->SelectSkinByName(L"C");
    EXPECT_EQ(1u, listener.Take().size());
    EXPECT_EQ(1, skinner->GetCurrentSkinIndex());
}

StrArray* NameList(std::vector<const wchar_t*> names)
{
    StrArray* list = StrArray::New();
    for (const wchar_t* name : names)
        list->AddText(name);
    return list;
}

TEST(SkinnerLists, ReorderFollowsTheNamesAndLosesNoSkin)
{
    struct Case {
        const char* what;
        std::vector<const wchar_t*> order;
        Names expected;
    };
    const Case cases[] = {
        {"reversed", {L"D", L"C", L"B", L"B", L"A"}, {L"D", L"C", L"B", L"B", L"A"}},
        {"case ignored", {L"d", L"c", L"b", L"b", L"a"}, {L"D", L"C", L"B", L"B", L"A"}},
        {"unknown names ignored", {L"X", L"C", L"Y", L"A"}, {L"C", L"A", L"B", L"B", L"D"}},
        {"a repeated name takes the next skin of that name", {L"B", L"B", L"B"}, {L"B", L"B", L"A", L"C", L"D"}},
        {"unnamed skins follow in their old order", {L"D"}, {L"D", L"A", L"B", L"B", L"C"}},
        {"no names", {}, {L"A", L"B", L"B", L"C", L"D"}},
    };
    for (const Case& c : cases) {
        Manager skinner(L"ThinWindow");
        AddNamed(skinner.get(), {L"A", L"B", L"B", L"C", L"D"});
        ISkin* secondB = skinner->GetSkinAt(2);
        skinner->SelectSkinAt(2);
        StrArray* names = NameList(c.order);
        skinner->ReorderSkins(names);
        names->ReleaseToPool();
        EXPECT_EQ(c.expected, SkinNames(skinner.get())) << c.what;
        EXPECT_EQ(c.expected, ListedNames(skinner.get())) << c.what;
        EXPECT_EQ(secondB, skinner->GetCurrentSkin()) << c.what;
    }
    Manager skinner(L"ThinWindow");
    AddNamed(skinner.get(), {L"A", L"B"});
    skinner->ReorderSkins(nullptr);
    EXPECT_EQ((Names{L"A", L"B"}), ListedNames(skinner.get()));
}

TEST(SkinnerTypes, ABasicManagerBuildsNothing)
{
    Manager skinner(L"Basic");
    EXPECT_STREQ(L"Basic", skinner->GetDrawerType());
    EXPECT_FALSE(AddFromColors(skinner.get(), L"A", ColorsOf(1)));
    skinner->AddBuiltInSkins();
    EXPECT_EQ(0u, skinner->GetSkinCount());

    Manager other(L"Thinner");
    EXPECT_FALSE(AddFromColors(other.get(), L"A", ColorsOf(1)));
    EXPECT_EQ(0u, other->GetSkinCount());

    Manager lower(L"thinwindow");
    EXPECT_TRUE(AddFromColors(lower.get(), L"A", ColorsOf(1)));
    EXPECT_EQ(1u, lower->GetSkinCount());
}

TEST(SkinnerTypes, AThinManagerBuildsFromSixOfTheColours)
{
    Manager skinner(L"Thin");
    const SkinColorSet given = ColorsOf(9);
    ASSERT_TRUE(AddFromColors(skinner.get(), L"Six", given));
    EXPECT_STREQ(L"s_gui_drawer_skin_Thin", skinner->GetSkinAt(0)->GetClassName());
    const SkinColorSet read = ColorsAt(skinner.get(), 0);
    for (uint32_t index : {SkinColorSet::kWindowBg, SkinColorSet::kCompFg, SkinColorSet::kText,
                           SkinColorSet::kSliderBg, SkinColorSet::kCounter01, SkinColorSet::kCounter02})
        EXPECT_EQ(given.GetColor(index), read.GetColor(index)) << SkinColorSet::NameOf(index);
    // The other nine are not used: the frame and the group border take compFg.
    EXPECT_EQ(given.GetColor(SkinColorSet::kCompFg), read.GetColor(SkinColorSet::kWindowFg));
    EXPECT_EQ(given.GetColor(SkinColorSet::kCompFg), read.GetColor(SkinColorSet::kGroupBorder));
}

TEST(SkinnerLifecycle, ResetGivesEverySkinBackAndForgetsItsListeners)
{
    Skinner* skinner = Skinner::New();
    skinner->SetDrawerType(L"ThinWindow");
    AddNamed(skinner, {L"A", L"B", L"C"});
    RecordingListener listener;
    skinner->AddListener(&listener);
    skinner->SelectSkinAt(0);
    listener.Take();
    const uint32_t idleBefore = IdleSkins();
    skinner->ReleaseToPool();
    EXPECT_EQ(idleBefore + 3, IdleSkins());
    EXPECT_EQ(0u, listener.Count());

    Skinner* again = Skinner::New();
    EXPECT_STREQ(L"Basic", again->GetDrawerType());
    EXPECT_EQ(0u, again->GetSkinCount());
    EXPECT_EQ(nullptr, again->GetCurrentSkin());
    again->SetDrawerType(L"ThinWindow");
    AddNamed(again, {L"A", L"B"});
    again->SelectSkinAt(1);
    EXPECT_EQ(0u, listener.Count());
    EXPECT_STREQ(L"s_gui_drawer_Skinner", again->GetClassName());
    again->ReleaseToPool();
}

} // namespace
} // namespace skintest
