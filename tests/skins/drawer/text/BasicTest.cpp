#include "skins/drawer/text/Basic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skins/drawer/Canvas.h"
#include "windowing/paint/Font.h"
#include "windowing/paint/FontSetting.h"

namespace {

using s::gui::drawer::text::win::Basic;
using s::gui::win::Font;
using s::gui::win::FontSetting;
using testing_support::Canvas;

const COLORREF kBackground = RGB(0x20, 0x40, 0x60);
const int kWidth = 160;
const int kHeight = 60;

struct Holders {
    Basic* drawer = Basic::New();
    Font* font = Font::New();
    Holders()
    {
        // Without smoothing every text pixel has exactly its pass's colour.
        font->SetClearType(false);
        font->SetHeight(-26);
        font->SetBold(true);
    }
    ~Holders()
    {
        font->ReleaseToPool();
        drawer->ReleaseToPool();
    }
};

// Draws straight with DrawTextW in the font, as the drawer's reference.
std::vector<COLORREF> DrawPlain(HFONT font, COLORREF color, const wchar_t* text, RECT rect, UINT flags)
{
    Canvas canvas(kWidth, kHeight, kBackground);
    SetBkMode(canvas.dc, TRANSPARENT);
    SetTextColor(canvas.dc, color);
    HGDIOBJ previous = SelectObject(canvas.dc, font);
    DrawTextW(canvas.dc, text, -1, &rect, flags);
    SelectObject(canvas.dc, previous);
    return canvas.Pixels();
}

struct Pass {
    COLORREF color;
    int dx;
    int dy;
};

// The picture of a list of passes: each paints the ink of the plain text, moved, in its colour.
std::vector<COLORREF> Compose(const std::vector<bool>& ink, const std::vector<Pass>& passes)
{
    std::vector<COLORREF> picture(kWidth * kHeight, kBackground);
    for (const Pass& pass : passes)
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const int sx = x - pass.dx;
                const int sy = y - pass.dy;
                if (sx >= 0 && sy >= 0 && sx < kWidth && sy < kHeight && ink[sy * kWidth + sx])
                    picture[y * kWidth + x] = pass.color;
            }
    return picture;
}

std::vector<Pass> PassesOf(int style, COLORREF text, COLORREF second, COLORREF third)
{
    const COLORREF black = 0, white = 0xFFFFFF;
    const auto outline = [&](COLORREF c) {
        return std::vector<Pass>{{c, 0, -1}, {c, 1, -1}, {c, 2, -1}, {c, 2, 0}, {c, 2, 1},
                                 {c, 1, 1},  {c, 0, 1},  {c, 0, 0},  {text, 1, 0}};
    };
    switch (style) {
    case 0: return {{text, 0, 0}};
    case 1: return outline(second);
    case 2: return {{text == 0 ? RGB(0xEE, 0xEE, 0xEE) : RGB(0x77, 0x77, 0x77), 1, 1}, {text, 0, 0}};
    case 3: return {{black, 2, 2}, {white, 0, 0}, {text, 1, 1}};
    case 4: return {{white, 0, 0}, {black, 0, 2}, {text, 0, 1}};
    case 5: return {{white, 2, 2}, {black, 0, 0}, {text, 1, 1}};
    case 6: return {{black, 0, 0}, {white, 0, 2}, {text, 0, 1}};
    case 7: return outline(third);
    default: return {};
    }
}

TEST(TextDrawer, EffectStylesPaintTheirPassesAtTheirOffsets)
{
    Holders h;
    const RECT rect = {10, 10, kWidth - 10, kHeight - 10};
    for (COLORREF text : {RGB(200, 30, 30), RGB(0, 0, 0)}) {
        h.font->SetColor(GetRValue(text), GetGValue(text), GetBValue(text));
        h.font->SetColor2(30, 200, 30);
        h.font->SetColor3(30, 30, 200);

        // The ink of the plain text, whatever shapes the system's glyphs have.
        const std::vector<COLORREF> plain =
            DrawPlain(h.font->GetFontHandle(), RGB(255, 255, 0), L"Hg8", rect, DT_SINGLELINE | DT_NOPREFIX);
        std::vector<bool> ink(plain.size());
        int inked = 0;
        for (size_t i = 0; i < plain.size(); ++i) {
            ink[i] = plain[i] != kBackground;
            inked += ink[i];
            ASSERT_TRUE(plain[i] == kBackground || plain[i] == RGB(255, 255, 0)) << "text drawn without smoothing";
        }
        ASSERT_GT(inked, 50);

        for (int style = 0; style <= 7; ++style) {
            Canvas canvas(kWidth, kHeight, kBackground);
            h.font->SetTextStyle(style);
            h.drawer->DrawText(&canvas.dc, rect.left, rect.top, rect.right, rect.bottom, L"Hg8", h.font);
            const std::vector<COLORREF> expected =
                Compose(ink, PassesOf(style, text, RGB(30, 200, 30), RGB(30, 30, 200)));
            EXPECT_EQ(expected, canvas.Pixels()) << "style " << style << " text colour " << std::hex << text;
        }
    }
}

TEST(TextDrawer, AmpersandsAreDrawnLiterally)
{
    Holders h;
    h.font->SetColor(255, 255, 255);
    const RECT rect = {4, 4, kWidth - 4, kHeight - 4};
    Canvas canvas(kWidth, kHeight, kBackground);
    h.drawer->DrawText(&canvas.dc, rect.left, rect.top, rect.right, rect.bottom, L"A&B&&C", h.font);
    EXPECT_EQ(DrawPlain(h.font->GetFontHandle(), RGB(255, 255, 255), L"A&B&&C", rect, DT_SINGLELINE | DT_NOPREFIX),
              canvas.Pixels());
    EXPECT_NE(DrawPlain(h.font->GetFontHandle(), RGB(255, 255, 255), L"A&B&&C", rect, DT_SINGLELINE),
              canvas.Pixels())
        << "with prefixes the text would lose ampersands";
}

TEST(TextDrawer, FlagSetFollowsTheCentredFlagAndTheFont)
{
    EXPECT_EQ(0x8825u, Basic::kCenteredFlags);
    EXPECT_EQ(0x810u, Basic::kWordWrapFlags);
    EXPECT_EQ(0x8820u, Basic::kEllipsisFlags);
    EXPECT_EQ(0x820u, Basic::kSingleLineFlags);
    struct Case {
        uint8_t centred;
        bool wrap;
        bool ellipsis;
        UINT flags;
    };
    const Case cases[] = {{1, true, true, 0x8825},  {1, false, false, 0x8825}, {0, true, true, 0x810},
                          {0, true, false, 0x810},  {0, false, true, 0x8820},  {0, false, false, 0x820}};
    Holders h;
    for (const Case& c : cases) {
        h.drawer->SetCenteredSingleLine(c.centred);
        h.font->SetWordWrap(c.wrap);
        h.font->SetEndEllipsis(c.ellipsis);
        EXPECT_EQ(c.flags, h.drawer->GetDrawFlags(h.font)) << int(c.centred) << c.wrap << c.ellipsis;

        // What reaches the screen is DrawTextW with exactly that set.
        const wchar_t* text = L"one two three four five";
        const RECT rect = {2, 2, 70, kHeight - 2};
        Canvas canvas(kWidth, kHeight, kBackground);
        h.drawer->DrawText(&canvas.dc, rect.left, rect.top, rect.right, rect.bottom, text, h.font);
        EXPECT_EQ(DrawPlain(h.font->GetFontHandle(), 0, text, rect, c.flags), canvas.Pixels())
            << int(c.centred) << c.wrap << c.ellipsis;
    }
}

TEST(TextDrawer, MeasuringAddsTheRoomOfEachStyle)
{
    Holders h;
    Canvas canvas(kWidth, kHeight, kBackground);
    int32_t plainWidth = 0, plainHeight = 0;
    h.font->SetTextStyle(0);
    h.drawer->MeasureText(&canvas.dc, 0, 0, 400, 100, L"Hello", h.font, &plainWidth, &plainHeight);
    ASSERT_GT(plainWidth, 20);
    ASSERT_GT(plainHeight, 15);
    const int extraWidth[] = {0, 2, 1, 2, 0, 2, 0, 2, 0};
    for (int style = 0; style <= 8; ++style) {
        h.font->SetTextStyle(style);
        int32_t width = 0, height = 0;
        h.drawer->MeasureText(&canvas.dc, 0, 0, 400, 100, L"Hello", h.font, &width, &height);
        EXPECT_EQ(plainWidth + extraWidth[style], width) << style;
        EXPECT_EQ(plainHeight + (style != 0 ? 1 : 0), height) << style;
    }

    // A wrapping font wraps at the given width.
    h.font->SetTextStyle(0);
    h.font->SetWordWrap(true);
    int32_t width = 0, height = 0;
    h.drawer->MeasureText(&canvas.dc, 0, 0, plainWidth + 4, 100, L"Hello Hello Hello", h.font, &width, &height);
    EXPECT_LE(width, plainWidth + 4);
    EXPECT_GE(height, 3 * plainHeight);
}

TEST(TextDrawer, SizeLimitsOfWrappedEllipsisAndPlainTexts)
{
    Holders h;
    Canvas canvas(kWidth, kHeight, kBackground);
    const auto extent = [&](const wchar_t* text, UINT flags) {
        HGDIOBJ previous = SelectObject(canvas.dc, h.font->GetFontHandle());
        RECT rect = {0, 0, 0, 0};
        DrawTextW(canvas.dc, text, -1, &rect, flags | DT_CALCRECT | DT_NOPREFIX);
        SelectObject(canvas.dc, previous);
        return SIZE{rect.right - rect.left, rect.bottom - rect.top};
    };
    const SIZE wideWord = extent(L"Wwwww", 0);
    const SIZE line = extent(L"Wwwww ii", 0);
    const SIZE twoLines = extent(L"ab\ncd", 0);
    ASSERT_GT(line.cx, wideWord.cx);

    struct Case {
        const wchar_t* text;
        bool wrap;
        bool ellipsis;
        int style;
        int32_t minW, minH, maxW, maxH;
    };
    const Case cases[] = {
        {L"Wwwww ii", true, false, 0, wideWord.cx, line.cy, line.cx, 0},
        {L"Wwwww ii", true, false, 1, wideWord.cx + 2, line.cy + 1, line.cx + 2, 1},
        {L"Wwwww ii", false, true, 0, 1, line.cy, line.cx, line.cy},
        {L"Wwwww ii", false, true, 1, 3, line.cy + 1, line.cx + 2, line.cy + 1},
        {L"Wwwww ii", false, false, 0, line.cx, line.cy, line.cx, line.cy},
        {L"Wwwww ii", false, false, 2, line.cx + 1, line.cy + 1, line.cx + 1, line.cy + 1},
        {L"ab\ncd", false, false, 0, twoLines.cx, twoLines.cy, twoLines.cx, twoLines.cy},
    };
    for (const Case& c : cases) {
        h.font->SetWordWrap(c.wrap);
        h.font->SetEndEllipsis(c.ellipsis);
        h.font->SetTextStyle(c.style);
        int32_t minW = -1, minH = -1, maxW = -1, maxH = -1;
        h.drawer->GetTextSizeLimits(&canvas.dc, c.text, h.font, &minW, &minH, &maxW, &maxH);
        EXPECT_EQ(c.minW, minW) << c.wrap << c.ellipsis << c.style;
        EXPECT_EQ(c.minH, minH) << c.wrap << c.ellipsis << c.style;
        EXPECT_EQ(c.maxW, maxW) << c.wrap << c.ellipsis << c.style;
        EXPECT_EQ(c.maxH, maxH) << c.wrap << c.ellipsis << c.style;
    }
}

TEST(TextDrawer, NothingToDrawLeavesTheContextAsItWas)
{
    Holders h;
    Canvas canvas(kWidth, kHeight, kBackground);
    SetBkMode(canvas.dc, OPAQUE);
    SetTextColor(canvas.dc, RGB(1, 2, 3));
    HGDIOBJ font = GetCurrentObject(canvas.dc, OBJ_FONT);
    const std::vector<COLORREF> untouched = canvas.Pixels();
    const auto expectUnchanged = [&](const char* what) {
        EXPECT_EQ(OPAQUE, GetBkMode(canvas.dc)) << what;
        EXPECT_EQ(RGB(1, 2, 3), GetTextColor(canvas.dc)) << what;
        EXPECT_EQ(font, GetCurrentObject(canvas.dc, OBJ_FONT)) << what;
        EXPECT_EQ(untouched, canvas.Pixels()) << what;
    };
    h.drawer->DrawText(&canvas.dc, 10, 10, 10, 40, L"Text", h.font);
    expectUnchanged("empty width");
    h.drawer->DrawText(&canvas.dc, 50, 10, 10, 40, L"Text", h.font);
    expectUnchanged("inverted");
    h.drawer->DrawText(&canvas.dc, 10, 40, 100, 10, L"Text", h.font);
    expectUnchanged("inverted height");
    h.drawer->DrawText(&canvas.dc, 10, 10, 100, 40, nullptr, h.font);
    expectUnchanged("no text");
    h.drawer->DrawText(&canvas.dc, 10, 10, 100, 40, L"Text", nullptr);
    expectUnchanged("no font");
    h.drawer->DrawText(nullptr, 10, 10, 100, 40, L"Text", h.font);
    h.font->SetTextStyle(8);
    h.drawer->DrawText(&canvas.dc, 10, 10, 100, 40, L"Text", h.font);
    expectUnchanged("unknown style");

    // Nothing to measure gives nothing, and a missing out parameter is skipped.
    int32_t width = -1, height = -1, minW = -1, minH = -1, maxW = -1, maxH = -1;
    h.drawer->MeasureText(&canvas.dc, 0, 0, 100, 40, nullptr, h.font, &width, &height);
    EXPECT_EQ(0, width);
    EXPECT_EQ(0, height);
    h.drawer->MeasureText(nullptr, 0, 0, 100, 40, L"Text", h.font, &width, nullptr);
    h.drawer->GetTextSizeLimits(&canvas.dc, L"Text", nullptr, &minW, &minH, &maxW, &maxH);
    EXPECT_EQ(0, minW + minH + maxW + maxH);
    h.font->SetTextStyle(0);
    h.drawer->MeasureText(&canvas.dc, 0, 0, 100, 40, L"Text", h.font, nullptr, &height);
    EXPECT_GT(height, 0);
    expectUnchanged("measuring");

    // A real draw restores what it changed.
    h.font->SetTextStyle(1);
    h.drawer->DrawText(&canvas.dc, 10, 10, 100, 40, L"Text", h.font);
    EXPECT_EQ(OPAQUE, GetBkMode(canvas.dc));
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(canvas.dc));
    EXPECT_EQ(font, GetCurrentObject(canvas.dc, OBJ_FONT));
    EXPECT_NE(untouched, canvas.Pixels());
}

TEST(TextDrawer, FontWithoutGdiFontDrawsInTheContextsFont)
{
    Holders h;
    // As after a refused CreateFontIndirectW: the font holds no handle.
    h.font->DeleteObject();
    ASSERT_EQ(nullptr, h.font->GetFontHandle());
    h.font->SetColor(255, 255, 255);
    HFONT contextFont = CreateFontW(-30, 0, 0, 0, 700, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                                    L"MS Shell Dlg 2");
    const RECT rect = {4, 4, kWidth - 4, kHeight - 4};
    Canvas canvas(kWidth, kHeight, kBackground);
    HGDIOBJ previous = SelectObject(canvas.dc, contextFont);
    h.drawer->DrawText(&canvas.dc, rect.left, rect.top, rect.right, rect.bottom, L"Wide", h.font);
    int32_t width = 0, height = 0;
    h.drawer->MeasureText(&canvas.dc, 0, 0, 300, 100, L"Wide", h.font, &width, &height);
    SelectObject(canvas.dc, previous);
    EXPECT_EQ(DrawPlain(contextFont, RGB(255, 255, 255), L"Wide", rect, DT_SINGLELINE | DT_NOPREFIX),
              canvas.Pixels());
    EXPECT_GE(height, 28);
    DeleteObject(contextFont);
}

TEST(TextDrawer, ApplyingToFontsKeepsTheirSizeAndChoices)
{
    Holders h;
    h.drawer->GetNormalFontSetting()->SetColor(10, 20, 30);
    h.drawer->GetNormalFontSetting()->SetItalic(true);
    Font* font = Font::New();
    font->SetSizeCode(100);
    font->SetUnderline(true);
    const int32_t height = font->GetHeight();

    h.drawer->ApplyToFonts(font, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(100, h.drawer->GetNormalFontSetting()->GetSizeCode());
    EXPECT_EQ(height, font->GetHeight());
    EXPECT_EQ(700, font->GetWeight());
    EXPECT_EQ(RGB(10, 20, 30), font->GetColor());
    EXPECT_TRUE(font->IsItalic());
    EXPECT_TRUE(font->IsUnderline()) << "the font's own choice";
    EXPECT_EQ(0, h.drawer->GetDisabledFontSetting()->GetSizeCode());
    EXPECT_EQ(0, h.drawer->GetLinkFontSetting()->GetSizeCode());
    EXPECT_EQ(0, h.drawer->GetLinkHoverFontSetting()->GetSizeCode());
    EXPECT_EQ(0, h.drawer->GetLinkPressedFontSetting()->GetSizeCode());

    // Settings take the drawer's settings the same way, each into its own.
    FontSetting* normal = FontSetting::New();
    FontSetting* link = FontSetting::New();
    link->SetSizeCode(2);
    h.drawer->ApplyToFontSettings(normal, nullptr, link, nullptr, nullptr);
    EXPECT_EQ(RGB(10, 20, 30), normal->GetColor());
    EXPECT_EQ(RGB(0, 170, 0), link->GetColor());
    EXPECT_TRUE(link->IsUnderline());
    EXPECT_EQ(2, h.drawer->GetLinkFontSetting()->GetSizeCode());
    EXPECT_EQ(-16, link->GetHeight());
    normal->ReleaseToPool();
    link->ReleaseToPool();
    font->ReleaseToPool();
}

} // namespace
