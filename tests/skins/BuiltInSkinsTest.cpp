#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skins/skin/Presets.h"

namespace skintest {
namespace {

typedef std::vector<std::wstring> Names;

const Names kThinWindowNames = {L"White",       L"Ivory",          L"Black",      L"Black II",
                                L"Black Black", L"Black Black II", L"Classic LG", L"Beige",
                                L"Sky Blue",    L"Pink",           L"Salmon Red", L"Yellow",
                                L"Green",       L"Orange",         L"Khaki",      L"Indigo"};
const Names kThinNames = {L"White", L"Light Gray", L"Black",  L"Ivory", L"Sky Blue", L"Pink",      L"Green",
                          L"Green2", L"Yellow",    L"Orange", L"Khaki", L"Indigo",   L"Salmon Red"};

TEST(BuiltInSkins, EachTypeGetsItsTableInOrderAndTwiceGivesDuplicates)
{
    struct Case {
        const wchar_t* type;
        const Names* names;
    };
    for (const Case& c : {Case{L"ThinWindow", &kThinWindowNames}, Case{L"Thin", &kThinNames}}) {
        Manager skinner(c.type);
        skinner->AddBuiltInSkins();
        EXPECT_EQ(*c.names, SkinNames(skinner.get()));
        EXPECT_EQ(*c.names, ListedNames(skinner.get()));
        EXPECT_EQ(nullptr, skinner->GetCurrentSkin());
        skinner->AddBuiltInSkins();
        ASSERT_EQ(c.names->size() * 2, skinner->GetSkinCount());
        EXPECT_EQ(c.names->front(), skinner->GetSkinNameAt(static_cast<uint32_t>(c.names->size()))->GetText());
    }
    Manager skinner(L"ThinWindow");
    skinner->AddBuiltInSkins();
    skinner->SelectSkinByName(L"Black Black");
    EXPECT_EQ(4, skinner->GetCurrentSkinIndex());
}

TEST(BuiltInSkins, PresetsExistOnlyForTheirNumbers)
{
    using s::gui::drawer::skin::BuildThinPreset;
    using s::gui::drawer::skin::BuildThinWindowPreset;
    for (int32_t number : {5, 14, 15, 0, 20, -1})
        EXPECT_EQ(nullptr, BuildThinWindowPreset(number)) << number;
    for (int32_t number : {5, 15, 0, -1})
        EXPECT_EQ(nullptr, BuildThinPreset(number)) << number;
    struct Case {
        int32_t number;
        const wchar_t* windowName;
        const wchar_t* thinName;
    };
    const Case cases[] = {{1, L"Black", L"Black"},           {2, L"Ivory", L"Light Gray"},
                          {4, L"Beige", L"Ivory"},           {9, L"Salmon Red", L"Salmon Red"},
                          {13, L"Orange", L"Orange"},        {14, nullptr, L"Green2"},
                          {17, L"Black Black", nullptr},     {19, L"Classic LG", nullptr}};
    for (const Case& c : cases) {
        ISkin* window = BuildThinWindowPreset(c.number);
        ISkin* thin = BuildThinPreset(c.number);
        if (c.windowName) {
            ASSERT_NE(nullptr, window) << c.number;
            EXPECT_STREQ(c.windowName, window->GetName());
            window->ReleaseToPool();
        } else {
            EXPECT_EQ(nullptr, window) << c.number;
        }
        if (c.thinName) {
            ASSERT_NE(nullptr, thin) << c.number;
            EXPECT_STREQ(c.thinName, thin->GetName());
            thin->ReleaseToPool();
        } else {
            EXPECT_EQ(nullptr, thin) << c.number;
        }
    }
}

TEST(BuiltInSkins, ColoursReachTheBuilderWithCompDisabledBeforeCompFg)
{
    Manager skinner(L"ThinWindow");
    skinner->AddBuiltInSkins();
    struct Case {
        uint32_t skin;
        uint32_t color;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {4, SkinColorSet::kCompFg, L"176,176,176"},     {4, SkinColorSet::kCompDisabled, L"51,51,51"},
        {4, SkinColorSet::kWindowBg, L"0,0,0"},         {4, SkinColorSet::kCounter01, L"213,235,107"},
        {6, SkinColorSet::kListFont, L"191,191,191"},   {6, SkinColorSet::kCounter02, L"25,25,25"},
        {0, SkinColorSet::kCompDisabled, L"204,204,204"}, {15, SkinColorSet::kWindowBg, L"49,0,130"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Rgb(ColorsAt(skinner.get(), c.skin), c.color))
            << skinner->GetSkinNameAt(c.skin)->GetText() << " " << SkinColorSet::NameOf(c.color);
}

} // namespace
} // namespace skintest
