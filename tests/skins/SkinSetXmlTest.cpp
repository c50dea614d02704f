#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include "SkinTestSupport.h"
#include "support/RecordingListener.h"

using testing_support::RecordingListener;

namespace skintest {
namespace {

typedef std::vector<std::wstring> Names;
typedef std::map<std::wstring, std::wstring> Elements;

// One entry "ThinWindow_i" with the name and the colour elements given as "R G B" texts.
std::wstring Entry(int i, const std::wstring& name, const Elements& colors, const wchar_t* type = L"ThinWindow")
{
    std::wstring text = L"<" + std::wstring(type) + L"_" + std::to_wstring(i);
    if (!name.empty())
        text += L" name=\"" + name + L"\"";
    text += L">";
    for (const auto& color : colors) {
        std::wstring parts[3];
        int p = 0;
        for (wchar_t ch : color.second) {
            if (ch == L' ')
                ++p;
            else
                parts[p] += ch;
        }
        text += L"<" + color.first + L" R=\"" + parts[0] + L"\" G=\"" + parts[1] + L"\" B=\"" + parts[2] + L"\"></" +
                color.first + L">";
    }
    return text + L"</" + std::wstring(type) + L"_" + std::to_wstring(i) + L">";
}

std::wstring SkinSet(const std::wstring& count, const std::wstring& entries, const wchar_t* type = L"ThinWindow")
{
    return L"<savedata><SkinSet><" + std::wstring(type) + L" numOfSkins=\"" + count + L"\"></" + type + L">" +
           entries + L"</SkinSet></savedata>";
}

TEST(SkinSetLoad, EntriesMissingUpToTheCountAreSkipped)
{
    TextStore store(SkinSet(L"5", Entry(0, L"Zero", {}) + Entry(1, L"One", {}) + Entry(3, L"Three", {}) +
                                      Entry(4, L"", {{L"text", L"1 2 3"}}) + Entry(5, L"Five", {})).c_str());
    Manager skinner(L"ThinWindow");
    skinner->LoadSkinSet(store.get(), L"SkinSet", false);
    EXPECT_EQ((Names{L"Zero", L"One", L"Three"}), SkinNames(skinner.get()));
    EXPECT_EQ((Names{L"Zero", L"One", L"Three"}), ListedNames(skinner.get()));
}

TEST(SkinSetLoad, MissingColoursTakeTheirDefaults)
{
    struct Case {
        const char* what;
        Elements given;
        uint32_t index;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"groupBorder from compFg", {{L"compFg", L"1 2 3"}}, SkinColorSet::kGroupBorder, L"1,2,3"},
        {"groupBorder given", {{L"compFg", L"1 2 3"}, {L"groupBorder", L"7 8 9"}}, SkinColorSet::kGroupBorder,
         L"7,8,9"},
        {"outline around dark text", {{L"text", L"30 30 30"}}, SkinColorSet::kTextOutLineSpecific, L"238,238,238"},
        {"outline around text of average 78", {{L"text", L"78 78 78"}}, SkinColorSet::kTextOutLineSpecific,
         L"51,51,51"},
        {"average truncated to 77", {{L"text", L"77 78 78"}}, SkinColorSet::kTextOutLineSpecific, L"238,238,238"},
        {"outline without text", {}, SkinColorSet::kTextOutLineSpecific, L"238,238,238"},
        {"outline given", {{L"text", L"255 255 255"}, {L"textOutLineSpecific", L"1 1 1"}},
         SkinColorSet::kTextOutLineSpecific, L"1,1,1"},
        {"windowBg", {}, SkinColorSet::kWindowBg, L"0,0,0"},
        {"compDisabled", {{L"compFg", L"9 9 9"}}, SkinColorSet::kCompDisabled, L"0,0,0"},
        {"counter02", {}, SkinColorSet::kCounter02, L"0,0,0"},
        {"text for a number", {{L"listBg", L"x 5 y"}}, SkinColorSet::kListBg, L"0,5,0"},
        {"components beyond a byte keep their low byte", {{L"listFont", L"256 -1 511"}}, SkinColorSet::kListFont,
         L"0,255,255"},
    };
    for (const Case& c : cases) {
        TextStore store(SkinSet(L"1", Entry(0, L"Skin", c.given)).c_str());
        Manager skinner(L"ThinWindow");
        skinner->LoadSkinSet(store.get(), L"SkinSet", false);
        ASSERT_EQ(1u, skinner->GetSkinCount()) << c.what;
        EXPECT_EQ(c.expected, Rgb(ColorsAt(skinner.get(), 0), c.index)) << c.what;
    }
}

TEST(SkinSetLoad, WithoutReplaceAppendsAndWithReplaceStandsIn)
{
    TextStore store(SkinSet(L"3", Entry(0, L"A", {}) + Entry(1, L"B", {}) + Entry(2, L"C", {})).c_str());
    Manager skinner(L"ThinWindow");
    skinner->LoadSkinSet(store.get(), L"SkinSet", false);
    skinner->LoadSkinSet(store.get(), L"SkinSet", false);
    EXPECT_EQ((Names{L"A", L"B", L"C", L"A", L"B", L"C"}), ListedNames(skinner.get()));

    Manager builtIn(L"ThinWindow");
    builtIn->AddBuiltInSkins();
    // Three skins idle in the pool make the count exact: the load takes them for its new skins.
    { Manager warm(L"ThinWindow"); AddNamed(warm.get(), {L"1", L"2", L"3"}); }
    const uint32_t idleBefore = IdleSkins();
    builtIn->LoadSkinSet(store.get(), L"SkinSet", true);
    EXPECT_EQ((Names{L"A", L"B", L"C"}), SkinNames(builtIn.get()));
    EXPECT_EQ((Names{L"A", L"B", L"C"}), ListedNames(builtIn.get()));
    EXPECT_EQ(idleBefore - 3 + 16, IdleSkins());
}

TEST(SkinSetLoad, AReplacingLoadHandsTheCurrentSkinToItsNamesakeBeforeTheOldOnesGo)
{
    struct Case {
        const char* what;
        const wchar_t* current;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"namesake, case ignored", L"Black Black", L"Black Black"},
        {"no namesake: the first new skin", L"White", L"Fresh"},
    };
    TextStore store(
        SkinSet(L"3", Entry(0, L"Fresh", {}) + Entry(1, L"black black", {{L"text", L"9 9 9"}}) + Entry(2, L"Pencil", {}))
            .c_str());
    for (const Case& c : cases) {
        Manager skinner(L"ThinWindow");
        skinner->AddBuiltInSkins();
        skinner->SelectSkinByName(c.current);
        RecordingListener listener;
        uint32_t heldWhenTold = 0;
        listener.action = [&](int32_t) { heldWhenTold = skinner->GetSkinCount(); };
        skinner->AddListener(&listener);
        skinner->LoadSkinSet(store.get(), L"SkinSet", true);
        EXPECT_EQ(1u, listener.Take().size()) << c.what;
        EXPECT_EQ(16u + 3u, heldWhenTold) << c.what;
        ASSERT_NE(nullptr, skinner->GetCurrentSkin()) << c.what;
        EXPECT_EQ(0, _wcsicmp(c.expected, skinner->GetCurrentSkin()->GetName())) << c.what;
        EXPECT_EQ(3u, skinner->GetSkinCount()) << c.what;
    }

    // Without a current skin nothing is selected and nobody is told.
    Manager skinner(L"ThinWindow");
    skinner->AddBuiltInSkins();
    RecordingListener listener;
    skinner->AddListener(&listener);
    skinner->LoadSkinSet(store.get(), L"SkinSet", true);
    EXPECT_EQ(nullptr, skinner->GetCurrentSkin());
    EXPECT_EQ(0u, listener.Count());
}

TEST(SkinSetLoad, ASetWithoutReadableSkinsLeavesTheSkinsHeld)
{
    const std::wstring documents[] = {
        SkinSet(L"3", Entry(0, L"", {}) + Entry(1, L"", {}) + Entry(2, L"", {})),
        SkinSet(L"0", Entry(0, L"A", {})),
        SkinSet(L"-4", Entry(0, L"A", {})),
        SkinSet(L"many", Entry(0, L"A", {})),
        SkinSet(L"3", Entry(0, L"A", {}), L"Thin"),
        L"<savedata><SkinSet></SkinSet></savedata>",
        L"<savedata>",
        L"not a document",
        L"",
    };
    for (const std::wstring& document : documents) {
        TextStore store(document.c_str());
        Manager skinner(L"ThinWindow");
        skinner->AddBuiltInSkins();
        skinner->SelectSkinByName(L"Indigo");
        ISkin* current = skinner->GetCurrentSkin();
        skinner->LoadSkinSet(store.get(), L"SkinSet", true);
        EXPECT_EQ(16u, skinner->GetSkinCount()) << std::string(document.begin(), document.end());
        EXPECT_EQ(current, skinner->GetCurrentSkin());
    }
    Manager skinner(L"ThinWindow");
    skinner->LoadSkinSet(nullptr, L"SkinSet", true);
    EXPECT_EQ(0u, skinner->GetSkinCount());
}

TEST(SkinSetLoad, AHugeCountReadsAtMost500EntriesAndNeverGrowsTheManagerBeyond500)
{
    std::wstring entries;
    for (int i = 0; i < 600; ++i)
        entries += Entry(i, L"S" + std::to_wstring(i), {});
    TextStore many(SkinSet(L"2147483647", entries).c_str());
    TextStore three(SkinSet(L"2000000000", Entry(0, L"A", {}) + Entry(1, L"B", {}) + Entry(2, L"C", {})).c_str());

    const auto start = std::chrono::steady_clock::now();
    Manager skinner(L"ThinWindow");
    skinner->LoadSkinSet(three.get(), L"SkinSet", false);
    EXPECT_EQ(3u, skinner->GetSkinCount());
    // Generous: reading 500 missing entries takes milliseconds, two billion would take hours.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));

    Manager replaced(L"ThinWindow");
    replaced->AddBuiltInSkins();
    replaced->LoadSkinSet(many.get(), L"SkinSet", true);
    ASSERT_EQ(500u, replaced->GetSkinCount());
    EXPECT_STREQ(L"S0", replaced->GetSkinNameAt(0)->GetText());
    EXPECT_STREQ(L"S499", replaced->GetSkinNameAt(499)->GetText());

    Manager added(L"ThinWindow");
    added->AddBuiltInSkins();
    added->LoadSkinSet(many.get(), L"SkinSet", false);
    ASSERT_EQ(500u, added->GetSkinCount());
    EXPECT_STREQ(L"Indigo", added->GetSkinNameAt(15)->GetText());
    EXPECT_STREQ(L"S483", added->GetSkinNameAt(499)->GetText());
    added->LoadSkinSet(three.get(), L"SkinSet", false);
    EXPECT_EQ(500u, added->GetSkinCount());
}

TEST(SkinSetLoad, NamesComeBackWhateverTheirLengthAndCharacters)
{
    const std::wstring names[] = {std::wstring(5000, L'n'), L"<Odd & \"Name\">", L"Line\r\nbreak", L" spaced "};
    Manager saved(L"ThinWindow");
    for (const std::wstring& name : names)
        AddFromColors(saved.get(), name.c_str(), ColorsOf(1));
    TextStore store;
    saved->SaveSkinSet(store.get(), L"SkinSet");
    Manager loaded(L"ThinWindow");
    loaded->LoadSkinSet(store.get(), L"SkinSet", false);
    ASSERT_EQ(4u, loaded->GetSkinCount());
    for (uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(names[i], loaded->GetSkinNameAt(i)->GetText());
        EXPECT_EQ(names[i], loaded->GetSkinAt(i)->GetName());
    }
}

TEST(SkinSetSave, WritesTheTypeElementThenEveryEntryInElementOrder)
{
    Manager skinner(L"ThinWindow");
    SkinColorSet colors;
    for (uint32_t i = 0; i < SkinColorSet::kCount; ++i)
        colors.Set(i, static_cast<int32_t>(i), static_cast<int32_t>(i) + 100, 200);
    AddFromColors(skinner.get(), L"One & Two", colors);
    TextStore store;
    skinner->SaveSkinSet(store.get(), L"Main\\SkinSet");
    std::wstring expected = L"<savedata><Main><SkinSet><ThinWindow numOfSkins=\"1\"></ThinWindow>"
                            L"<ThinWindow_0 name=\"One &amp; Two\">";
    for (uint32_t i = 0; i < SkinColorSet::kCount; ++i) {
        const std::wstring name = SkinColorSet::NameOf(i);
        expected += L"<" + name + L" R=\"" + std::to_wstring(i) + L"\" G=\"" + std::to_wstring(i + 100) +
                    L"\" B=\"200\"></" + name + L">";
    }
    expected += L"</ThinWindow_0></SkinSet></Main></savedata>";
    EXPECT_EQ(expected, store.Text());
    EXPECT_LT(expected.find(L"<compFg"), expected.find(L"<compDisabled"));
}

TEST(SkinSetSave, SaveThenLoadGivesBackEveryNameAndColourInOrder)
{
    for (const wchar_t* type : {L"ThinWindow", L"Thin"}) {
        Manager saved(type);
        saved->AddBuiltInSkins();
        AddFromColors(saved.get(), L"Edited", ColorsOf(77));
        TextStore store;
        saved->SaveSkinSet(store.get(), L"SkinSet");

        Manager loaded(type);
        loaded->LoadSkinSet(store.get(), L"SkinSet", true);
        ASSERT_EQ(saved->GetSkinCount(), loaded->GetSkinCount());
        for (uint32_t i = 0; i < saved->GetSkinCount(); ++i) {
            EXPECT_STREQ(saved->GetSkinNameAt(i)->GetText(), loaded->GetSkinNameAt(i)->GetText());
            const SkinColorSet a = ColorsAt(saved.get(), i), b = ColorsAt(loaded.get(), i);
            for (uint32_t c = 0; c < SkinColorSet::kCount; ++c)
                EXPECT_EQ(Rgb(a, c), Rgb(b, c)) << saved->GetSkinNameAt(i)->GetText() << " " << SkinColorSet::NameOf(c);
        }
    }
}

TEST(SkinSetSave, AShorterSaveLeavesTheEntriesBeyondItsCount)
{
    Manager skinner(L"ThinWindow");
    for (int i = 0; i < 12; ++i)
        AddFromColors(skinner.get(), (L"S" + std::to_wstring(i)).c_str(), ColorsOf(i));
    TextStore store;
    skinner->SaveSkinSet(store.get(), L"SkinSet");
    skinner->RemoveSkinAt(0);
    skinner->RemoveSkinAt(0);
    skinner->SaveSkinSet(store.get(), L"SkinSet");
    EXPECT_EQ(10, store->GetInt32(L"SkinSet\\ThinWindow", L"numOfSkins", -1));
    EXPECT_STREQ(L"S2", store->GetString(L"SkinSet\\ThinWindow_0", L"name", L"", nullptr, false));
    EXPECT_STREQ(L"S10", store->GetString(L"SkinSet\\ThinWindow_10", L"name", L"", nullptr, false));
    EXPECT_STREQ(L"S11", store->GetString(L"SkinSet\\ThinWindow_11", L"name", L"", nullptr, false));

    Manager loaded(L"ThinWindow");
    loaded->LoadSkinSet(store.get(), L"SkinSet", false);
    EXPECT_EQ(10u, loaded->GetSkinCount());
    EXPECT_STREQ(L"S11", loaded->GetSkinNameAt(9)->GetText());
}

} // namespace
} // namespace skintest
