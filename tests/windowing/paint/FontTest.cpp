#include "windowing/paint/Font.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "windowing/paint/FontSetting.h"

namespace {

using s::gui::IFont;
using s::gui::win::Font;
using s::gui::win::FontSetting;

// Fonts come from a pool that keeps none; each test gives back what it took.
struct FontHolder {
    Font* font = Font::New();
    ~FontHolder()
    {
        if (font)
            font->ReleaseToPool();
    }
    Font* operator->() { return font; }
};

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

LOGFONTW ReadBack(HFONT font)
{
    LOGFONTW description = {};
    GetObjectW(font, sizeof(description), &description);
    return description;
}

template <class T>
class FontKinds : public ::testing::Test {};

typedef ::testing::Types<Font, FontSetting> Kinds;
TYPED_TEST_SUITE(FontKinds, Kinds);

TYPED_TEST(FontKinds, SizeCodesAtScreenResolution)
{
    ASSERT_EQ(96, ScreenDpi()) << "the table is for the screen's 96 pixels per inch";
    struct Case {
        int32_t code;
        int32_t weight;
        int32_t height;
    };
    const Case cases[] = {
        {0, 400, -13},       // 10 points
        {-2, 400, -11},      // 8 points
        {2, 400, -16},       // 12 points
        {99, 400, -145},     // 109 points
        {100, 700, -19},     // 14 points bold
        {105, 700, -25},     // 19 points bold
        {-105, 700, -12},    // 9 points bold
        {999, 700, -151},    // 113 points bold
        {100001, 400, -11},  // 8 points
        {5000, 400, -13},    // only stored
        {-100001, 400, -13}, // only stored
    };
    for (const Case& c : cases) {
        TypeParam* font = TypeParam::New();
        ASSERT_NE(nullptr, font);
        font->SetSizeCode(c.code);
        EXPECT_EQ(c.code, font->GetSizeCode()) << c.code;
        EXPECT_EQ(c.weight, font->GetWeight()) << c.code;
        EXPECT_EQ(c.height, font->GetHeight()) << c.code;
        EXPECT_EQ(0, font->GetWidth()) << c.code;
        EXPECT_FALSE(font->IsCustomized()) << "a size code marks nothing: " << c.code;
        font->ReleaseToPool();
    }
}

TYPED_TEST(FontKinds, ExplicitChoicesSurviveLaterSizeCodes)
{
    TypeParam* bold = TypeParam::New();
    bold->SetBold(true);
    bold->SetSizeCode(3);
    EXPECT_EQ(700, bold->GetWeight());
    EXPECT_EQ(-17, bold->GetHeight()) << "13 points still applied";
    bold->ReleaseToPool();

    TypeParam* sized = TypeParam::New();
    sized->SetHeight(-20);
    sized->SetSizeCode(3);
    EXPECT_EQ(-20, sized->GetHeight());
    sized->SetSizeCode(100);
    EXPECT_EQ(-20, sized->GetHeight());
    EXPECT_EQ(700, sized->GetWeight()) << "the weight still follows the code";
    sized->ReleaseToPool();
}

TYPED_TEST(FontKinds, InheritanceTakesOnlyWhatWasNotChosen)
{
    FontSetting* skin = FontSetting::New();
    skin->SetFaceName(L"Skin Face");
    skin->SetColor(10, 20, 30);
    skin->SetColor2(40, 50, 60);
    skin->SetColor3(70, 80, 90);
    skin->SetWeight(600);
    skin->SetHeight(-30);
    skin->SetWidth(6);
    skin->SetItalic(true);
    skin->SetUnderline(true);
    skin->SetStrikeOut(true);
    skin->SetClearType(false);
    skin->SetWordWrap(true);
    skin->SetEndEllipsis(true);
    skin->SetTextStyle(3);
    skin->SetSizeCode(100);

    TypeParam* font = TypeParam::New();
    font->SetFaceName(L"Own Face");
    font->SetColor(1, 2, 3);
    font->SetItalic(false);
    font->SetWeight(300); // the weight mark does not guard the bold step
    font->InheritFrom(skin);

    EXPECT_STREQ(L"Own Face", font->GetFaceName());
    EXPECT_EQ(RGB(1, 2, 3), font->GetColor());
    EXPECT_EQ(RGB(40, 50, 60), font->GetColor2());
    EXPECT_EQ(RGB(70, 80, 90), font->GetColor3());
    EXPECT_EQ(700, font->GetWeight()) << "a source weight of 600 is bold";
    EXPECT_EQ(-30, font->GetHeight());
    EXPECT_EQ(6, font->GetWidth());
    EXPECT_FALSE(font->IsItalic());
    EXPECT_TRUE(font->IsUnderline());
    EXPECT_TRUE(font->IsStrikeOut());
    EXPECT_FALSE(font->IsClearType());
    // Neither layout, style nor size code is inherited.
    EXPECT_FALSE(font->IsWordWrap());
    EXPECT_FALSE(font->IsEndEllipsis());
    EXPECT_EQ(0, font->GetTextStyle());
    EXPECT_EQ(0, font->GetSizeCode());

    // The marks stay as they were: a second skin changes the same groups again.
    FontSetting* other = FontSetting::New();
    other->SetFaceName(L"Other Face");
    other->SetColor(9, 9, 9);
    font->InheritFrom(other);
    EXPECT_STREQ(L"Own Face", font->GetFaceName());
    EXPECT_EQ(RGB(1, 2, 3), font->GetColor());
    EXPECT_EQ(400, font->GetWeight());
    EXPECT_EQ(-13, font->GetHeight());
    EXPECT_EQ(0, font->GetWidth());
    EXPECT_TRUE(font->IsClearType());

    font->ReleaseToPool();
    other->ReleaseToPool();
    skin->ReleaseToPool();
}

TYPED_TEST(FontKinds, EveryMarkedSetterCustomizesEvenWithTheCurrentValue)
{
    typedef std::function<void(TypeParam*)> Setter;
    const std::vector<std::pair<const char*, Setter>> marked = {
        {"face", [](TypeParam* f) { f->SetFaceName(std::wstring(f->GetFaceName()).c_str()); }},
        {"color", [](TypeParam* f) { f->SetColor(0, 0, 0); }},
        {"color2", [](TypeParam* f) { f->SetColor2(0xEE, 0xEE, 0xEE); }},
        {"color3", [](TypeParam* f) { f->SetColor3(0xEE, 0xEE, 0xEE); }},
        {"point size", [](TypeParam* f) { f->SetPointSize(10); }},
        {"height", [](TypeParam* f) { f->SetHeight(-13); }},
        {"width", [](TypeParam* f) { f->SetWidth(0); }},
        {"bold", [](TypeParam* f) { f->SetBold(false); }},
        {"italic", [](TypeParam* f) { f->SetItalic(false); }},
        {"underline", [](TypeParam* f) { f->SetUnderline(false); }},
        {"strike-out", [](TypeParam* f) { f->SetStrikeOut(false); }},
        {"weight", [](TypeParam* f) { f->SetWeight(400); }},
        {"ClearType", [](TypeParam* f) { f->SetClearType(true); }},
    };
    for (const auto& entry : marked) {
        TypeParam* font = TypeParam::New();
        EXPECT_FALSE(font->IsCustomized());
        entry.second(font);
        EXPECT_TRUE(font->IsCustomized()) << entry.first;
        font->ReleaseToPool();
    }
    const std::vector<std::pair<const char*, Setter>> unmarked = {
        {"word wrap", [](TypeParam* f) { f->SetWordWrap(true); }},
        {"end ellipsis", [](TypeParam* f) { f->SetEndEllipsis(true); }},
        {"text style", [](TypeParam* f) { f->SetTextStyle(1); }},
        {"size code", [](TypeParam* f) { f->SetSizeCode(100); }},
    };
    for (const auto& entry : unmarked) {
        TypeParam* font = TypeParam::New();
        entry.second(font);
        EXPECT_FALSE(font->IsCustomized()) << entry.first;
        font->ReleaseToPool();
    }
}

TYPED_TEST(FontKinds, ColoursKeepTheLowByteOfEachComponent)
{
    TypeParam* font = TypeParam::New();
    font->SetColor(300, 20, 10);
    EXPECT_EQ(RGB(44, 20, 10), font->GetColor());
    font->SetColor2(-1, 256, 511);
    EXPECT_EQ(RGB(255, 0, 255), font->GetColor2());
    font->ReleaseToPool();
}

TYPED_TEST(FontKinds, LongFaceNamesAreCutToTheField)
{
    TypeParam* font = TypeParam::New();
    const std::wstring longName(40, L'x');
    font->SetFaceName(longName.c_str());
    EXPECT_EQ(std::wstring(31, L'x'), font->GetFaceName());
    font->SetFaceName(nullptr);
    EXPECT_STREQ(L"", font->GetFaceName());
    font->ReleaseToPool();
}

TEST(Font, AttributeSettersReplaceTheGdiFontAtOnce)
{
    FontHolder font;
    ASSERT_NE(nullptr, font.font);
    ASSERT_NE(nullptr, font->GetFontHandle());
    EXPECT_EQ(-13, ReadBack(font->GetFontHandle()).lfHeight);

    font->SetItalic(true);
    font->SetHeight(-22);
    font->SetFaceName(L"Arial");
    const LOGFONTW made = ReadBack(font->GetFontHandle());
    EXPECT_EQ(1, made.lfItalic);
    EXPECT_EQ(-22, made.lfHeight);
    EXPECT_STREQ(L"Arial", made.lfFaceName);

    font->SetSizeCode(100);
    EXPECT_EQ(700, ReadBack(font->GetFontHandle()).lfWeight);
}

TEST(Font, TextHeightFollowsTheSize)
{
    FontHolder small;
    FontHolder large;
    large->SetSizeCode(110);
    const int32_t smallHeight = small->GetTextHeight();
    EXPECT_GT(smallHeight, 8);
    EXPECT_GT(large->GetTextHeight(), smallHeight);
}

TEST(Font, PoolKeepsNoFonts)
{
    EXPECT_STREQ(L"s_gui_win_Font", FontHolder().font->GetClassName());
    Font* font = Font::New();
    font->SetBold(true);
    font->ReleaseToPool();
    EXPECT_EQ(0u, Font::GetPool()->GetIdleCount());
    FontHolder fresh;
    EXPECT_FALSE(fresh->IsCustomized());
    EXPECT_EQ(400, fresh->GetWeight());
}

TEST(FontSetting, PoolGivesBackResetSettings)
{
    FontSetting* setting = FontSetting::New();
    EXPECT_STREQ(L"s_gui_win_FontSetting", setting->GetClassName());
    setting->SetBold(true);
    setting->SetColor(1, 2, 3);
    setting->SetWordWrap(true);
    setting->SetTextStyle(4);
    setting->SetSizeCode(5);
    setting->ReleaseToPool();
    EXPECT_GE(FontSetting::GetPool()->GetIdleCount(), 1u);

    FontSetting* again = FontSetting::New();
    EXPECT_EQ(setting, again) << "the pool hands back the setting it kept";
    EXPECT_FALSE(again->IsCustomized());
    EXPECT_EQ(400, again->GetWeight());
    EXPECT_EQ(0u, again->GetColor());
    EXPECT_EQ(0xEEEEEEu, again->GetColor2());
    EXPECT_EQ(0xEEEEEEu, again->GetColor3());
    EXPECT_FALSE(again->IsWordWrap());
    EXPECT_EQ(0, again->GetTextStyle());
    EXPECT_EQ(0, again->GetSizeCode());
    const LOGFONTW* description = again->GetLogFont();
    EXPECT_EQ(-13, description->lfHeight);
    EXPECT_EQ(DEFAULT_CHARSET, description->lfCharSet);
    EXPECT_EQ(OUT_STRING_PRECIS, description->lfOutPrecision);
    EXPECT_EQ(CLIP_STROKE_PRECIS, description->lfClipPrecision);
    EXPECT_EQ(CLEARTYPE_QUALITY, description->lfQuality);
    EXPECT_EQ(VARIABLE_PITCH, description->lfPitchAndFamily);
    again->ReleaseToPool();
}

TEST(FontSetting, CreatedFontCarriesEverythingAndKeepsItsClearType)
{
    FontSetting* setting = FontSetting::New();
    setting->SetClearType(false);
    setting->SetColor2(5, 6, 7);
    setting->SetWordWrap(true);
    setting->SetEndEllipsis(true);
    setting->SetTextStyle(7);
    setting->SetSizeCode(2);

    IFont* font = setting->CreateFont();
    ASSERT_NE(nullptr, font);
    EXPECT_TRUE(font->IsCustomized());
    EXPECT_FALSE(font->IsClearType());
    EXPECT_EQ(RGB(5, 6, 7), font->GetColor2());
    EXPECT_TRUE(font->IsWordWrap());
    EXPECT_TRUE(font->IsEndEllipsis());
    EXPECT_EQ(7, font->GetTextStyle());
    EXPECT_EQ(2, font->GetSizeCode());
    EXPECT_EQ(-16, font->GetHeight());
    ASSERT_NE(nullptr, font->GetFontHandle());
    EXPECT_EQ(NONANTIALIASED_QUALITY, ReadBack(font->GetFontHandle()).lfQuality);

    // A skin's setting later gives its colour but not its quality.
    FontSetting* skin = FontSetting::New();
    skin->SetColor(200, 100, 50);
    font->InheritFrom(skin);
    EXPECT_FALSE(font->IsClearType());
    EXPECT_EQ(RGB(200, 100, 50), font->GetColor());
    EXPECT_EQ(RGB(5, 6, 7), font->GetColor2());

    dynamic_cast<s::thread::IPoolable*>(font)->ReleaseToPool();
    skin->ReleaseToPool();
    setting->ReleaseToPool();
}

TEST(Font, InheritsFromAnotherFont)
{
    FontHolder source;
    FontHolder target;
    source->SetFaceName(L"Arial");
    source->SetBold(true);
    source->SetColor(1, 1, 1);
    target->SetItalic(true);
    target->InheritFromFont(source.font);
    EXPECT_STREQ(L"Arial", target->GetFaceName());
    EXPECT_TRUE(target->IsBold());
    EXPECT_EQ(RGB(1, 1, 1), target->GetColor());
    EXPECT_TRUE(target->IsItalic());
    EXPECT_STREQ(L"Arial", ReadBack(target->GetFontHandle()).lfFaceName);
}

} // namespace
