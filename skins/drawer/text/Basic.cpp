#include "skins/drawer/text/Basic.h"

#include <climits>
#include <cwchar>

#include "skins/drawer/SelectedFont.h"

namespace s {
namespace gui {
namespace drawer {
namespace text {
namespace win {

namespace {

const COLORREF kBlack = 0;
const COLORREF kWhite = 0xFFFFFF;

enum PassColor { kText, kOutline2, kOutline3, kEmboss, kBlackPass, kWhitePass };

struct Pass {
    PassColor color;
    int32_t dx;
    int32_t dy;
};

// The draws of each effect style, in order; the text colour comes last so it lies on top.
const Pass kStyle0[] = {{kText, 0, 0}};
const Pass kStyle1[] = {{kOutline2, 0, -1}, {kOutline2, 1, -1}, {kOutline2, 2, -1}, {kOutline2, 2, 0}, {kOutline2, 2, 1},
                        {kOutline2, 1, 1},  {kOutline2, 0, 1},  {kOutline2, 0, 0},  {kText, 1, 0}};
const Pass kStyle2[] = {{kEmboss, 1, 1}, {kText, 0, 0}};
const Pass kStyle3[] = {{kBlackPass, 2, 2}, {kWhitePass, 0, 0}, {kText, 1, 1}};
const Pass kStyle4[] = {{kWhitePass, 0, 0}, {kBlackPass, 0, 2}, {kText, 0, 1}};
const Pass kStyle5[] = {{kWhitePass, 2, 2}, {kBlackPass, 0, 0}, {kText, 1, 1}};
const Pass kStyle6[] = {{kBlackPass, 0, 0}, {kWhitePass, 0, 2}, {kText, 0, 1}};
const Pass kStyle7[] = {{kOutline3, 0, -1}, {kOutline3, 1, -1}, {kOutline3, 2, -1}, {kOutline3, 2, 0}, {kOutline3, 2, 1},
                        {kOutline3, 1, 1},  {kOutline3, 0, 1},  {kOutline3, 0, 0},  {kText, 1, 0}};

struct Style {
    const Pass* passes;
    int32_t count;
};

template <size_t N>
Style StyleOf(const Pass (&passes)[N])
{
    return Style{passes, static_cast<int32_t>(N)};
}

// Null for a style that draws nothing.
bool FindStyle(int32_t number, Style* style)
{
    switch (number) {
    case 0: *style = StyleOf(kStyle0); return true;
    case 1: *style = StyleOf(kStyle1); return true;
    case 2: *style = StyleOf(kStyle2); return true;
    case 3: *style = StyleOf(kStyle3); return true;
    case 4: *style = StyleOf(kStyle4); return true;
    case 5: *style = StyleOf(kStyle5); return true;
    case 6: *style = StyleOf(kStyle6); return true;
    case 7: *style = StyleOf(kStyle7); return true;
    default: return false;
    }
}

// The room the offset copies of a style need beyond the text itself.
int32_t ExtraWidth(int32_t style)
{
    switch (style) {
    case 2: return 1;
    case 1:
    case 3:
    case 5:
    case 7: return 2;
    default: return 0;
    }
}

int32_t ExtraHeight(int32_t style)
{
    return style != 0 ? 1 : 0;
}

int TextLength(const wchar_t* text)
{
    const size_t length = wcslen(text);
    return length > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(length);
}

int32_t Width(const RECT& rect)
{
    return rect.right - rect.left;
}

int32_t Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

void Store(int32_t* out, int32_t value)
{
    if (out)
        *out = value;
}

} // namespace

Basic::Basic() : centeredSingleLine_(0)
{
    Basic::Reset();
}

const wchar_t* Basic::GetClassName()
{
    return L"s_gui_drawer_text_win_Basic";
}

void Basic::Reset()
{
    normal_.Reset();
    disabled_.Reset();
    disabled_.SetColor(161, 161, 146);
    link_.Reset();
    link_.SetColor(0, 170, 0);
    link_.SetUnderline(true);
    linkHover_.Reset();
    linkHover_.SetColor(170, 170, 0);
    linkHover_.SetUnderline(true);
    linkPressed_.Reset();
    linkPressed_.SetColor(170, 170, 0);
    linkPressed_.SetUnderline(true);
    centeredSingleLine_ = 0;
}

UINT Basic::GetDrawFlags(IFont* font) const
{
    if (centeredSingleLine_)
        return kCenteredFlags;
    if (font->IsWordWrap())
        return kWordWrapFlags;
    if (font->IsEndEllipsis())
        return kEllipsisFlags;
    return kSingleLineFlags;
}

void Basic::DrawText(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* text,
                     IFont* font)
{
    if (!dc || !dc->GetSafeHdc() || !text || !font || left >= right || top >= bottom)
        return;
    Style style;
    if (!FindStyle(font->GetTextStyle(), &style))
        return;
    const UINT flags = GetDrawFlags(font);
    const int length = TextLength(text);
    const COLORREF textColor = font->GetColor();

    const int previousMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF previousColor = dc->SetTextColor(textColor);
    {
        SelectedFont selected(dc, font);
        for (int32_t i = 0; i < style.count; ++i) {
            const Pass& pass = style.passes[i];
            COLORREF color = textColor;
            switch (pass.color) {
            case kText: color = textColor; break;
            case kOutline2: color = font->GetColor2(); break;
            case kOutline3: color = font->GetColor3(); break;
            case kEmboss: color = textColor == kBlack ? 0xEEEEEE : 0x777777; break;
            case kBlackPass: color = kBlack; break;
            case kWhitePass: color = kWhite; break;
            }
            dc->SetTextColor(color);
            RECT rect = {left + pass.dx, top + pass.dy, right + pass.dx, bottom + pass.dy};
            dc->DrawText(text, length, &rect, flags);
        }
    }
    dc->SetBkMode(previousMode);
    dc->SetTextColor(previousColor);
}

void Basic::MeasureText(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* text,
                        IFont* font, int32_t* width, int32_t* height)
{
    Store(width, 0);
    Store(height, 0);
    if (!dc || !dc->GetSafeHdc() || !text || !font)
        return;
    UINT flags = DT_CALCRECT | kSingleLineFlags;
    if (font->IsWordWrap())
        flags = DT_CALCRECT | kWordWrapFlags;
    else if (font->IsEndEllipsis())
        flags = DT_CALCRECT | kEllipsisFlags;
    RECT rect = {left, top, right, bottom};
    {
        SelectedFont selected(dc, font);
        dc->DrawText(text, TextLength(text), &rect, flags);
    }
    const int32_t style = font->GetTextStyle();
    Store(width, Width(rect) + ExtraWidth(style));
    Store(height, Height(rect) + ExtraHeight(style));
}

void Basic::GetTextSizeLimits(CDC* dc, const wchar_t* text, IFont* font, int32_t* minimumWidth,
                              int32_t* minimumHeight, int32_t* maximumWidth, int32_t* maximumHeight)
{
    Store(minimumWidth, 0);
    Store(minimumHeight, 0);
    Store(maximumWidth, 0);
    Store(maximumHeight, 0);
    if (!dc || !dc->GetSafeHdc() || !text || !font)
        return;
    int32_t minW = 0;
    int32_t minH = 0;
    int32_t maxW = 0;
    int32_t maxH = 0;
    {
        SelectedFont selected(dc, font);
        const int length = TextLength(text);
        // Without DT_SINGLELINE each line break starts a new line.
        RECT whole = {0, 0, 0, 0};
        dc->DrawText(text, length, &whole, DT_CALCRECT | DT_NOPREFIX);
        if (!font->IsWordWrap()) {
            minW = maxW = Width(whole);
            minH = maxH = Height(whole);
            if (font->IsEndEllipsis())
                minW = 1;
        } else {
            maxW = Width(whole);
            minH = Height(whole);
            // From an empty rectangle word breaking breaks at every word: the widest word.
            RECT words = {0, 0, 0, 0};
            dc->DrawText(text, length, &words, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
            minW = Width(words);
        }
    }
    const int32_t style = font->GetTextStyle();
    Store(minimumWidth, minW + ExtraWidth(style));
    Store(maximumWidth, maxW + ExtraWidth(style));
    Store(minimumHeight, minH + ExtraHeight(style));
    Store(maximumHeight, maxH + ExtraHeight(style));
}

void Basic::ApplySetting(IFontSetting* setting, IFont* font)
{
    if (!font)
        return;
    setting->SetSizeCode(font->GetSizeCode());
    font->InheritFrom(setting);
}

void Basic::ApplySetting(IFontSetting* setting, IFontSetting* font)
{
    if (!font)
        return;
    setting->SetSizeCode(font->GetSizeCode());
    font->InheritFrom(setting);
}

void Basic::ApplyToFonts(IFont* normal, IFont* disabled, IFont* link, IFont* linkHover, IFont* linkPressed)
{
    ApplySetting(&normal_, normal);
    ApplySetting(&disabled_, disabled);
    ApplySetting(&link_, link);
    ApplySetting(&linkHover_, linkHover);
    ApplySetting(&linkPressed_, linkPressed);
}

void Basic::ApplyToFontSettings(IFontSetting* normal, IFontSetting* disabled, IFontSetting* link,
                                IFontSetting* linkHover, IFontSetting* linkPressed)
{
    ApplySetting(&normal_, normal);
    ApplySetting(&disabled_, disabled);
    ApplySetting(&link_, link);
    ApplySetting(&linkHover_, linkHover);
    ApplySetting(&linkPressed_, linkPressed);
}

} // namespace win
} // namespace text
} // namespace drawer
} // namespace gui
} // namespace s
