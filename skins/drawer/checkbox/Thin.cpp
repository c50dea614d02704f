#include "skins/drawer/checkbox/Thin.h"

#include "skins/drawer/PaintArea.h"

namespace s {
namespace gui {
namespace drawer {
namespace checkbox {
namespace win {

Thin::Thin()
    : text_(RGB(120, 120, 120)), box_(RGB(120, 120, 120)), glyphButton_(button::win::Thin::New()), textDrawer_(text::win::Basic::New())
{
    Thin::Reset();
}

Thin::~Thin()
{
    delete glyphButton_;
    delete textDrawer_;
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_checkbox_win_Thin";
}

void Thin::Reset()
{
    text_ = RGB(120, 120, 120);
    box_ = RGB(120, 120, 120);
    if (glyphButton_)
        glyphButton_->Reset();
    if (textDrawer_)
        textDrawer_->Reset();
}

void Thin::SetTextColor(int32_t red, int32_t green, int32_t blue)
{
    text_ = ComposeColor(red, green, blue);
    if (textDrawer_)
        textDrawer_->GetNormalFontSetting()->SetColor(red, green, blue);
}

void Thin::SetDisabledTextColor(int32_t red, int32_t green, int32_t blue)
{
    if (textDrawer_)
        textDrawer_->GetDisabledFontSetting()->SetColor(red, green, blue);
}

void Thin::SetGlyphButtonColor(int32_t red, int32_t green, int32_t blue)
{
    if (glyphButton_)
        glyphButton_->SetForegroundColor(red, green, blue);
}

void Thin::ApplyToFonts(IFont* normal, IFont* disabled)
{
    if (textDrawer_)
        textDrawer_->ApplyToFonts(normal, disabled, nullptr, nullptr, nullptr);
}

void Thin::Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t boxSize, bool checked,
                const wchar_t* text, IFont* font)
{
    if (!CanPaint(dc, left, top, right, bottom) || boxSize < 0 || boxSize > kMaxPaintCoordinate)
        return;
    const int32_t S = boxSize;
    FillBox(dc, left + 2, top + 2, S - 4, S - 4, RGB(255, 255, 255));
    FillBox(dc, left, top, S, 2, box_);
    FillBox(dc, left + S - 2, top, 2, S, box_);
    FillBox(dc, left, top + S - 2, S, 2, box_);
    FillBox(dc, left, top, 2, S, box_);
    if (checked)
        glyphButton_->DrawGlyph(dc, left + 2, top + 2, left + S - 2, top + S - 2, L"#Check", 0, 0, 0);
    textDrawer_->DrawText(dc, left + S + S / 6, top, right, bottom, text, font);
}

void Thin::GetSizeLimits(CDC* dc, const wchar_t* text, IFont* font, int32_t* minimumWidth, int32_t* minimumHeight,
                         int32_t* maximumWidth, int32_t* maximumHeight)
{
    int32_t minW = 0;
    int32_t minH = 0;
    int32_t maxW = 0;
    int32_t maxH = 0;
    textDrawer_->GetTextSizeLimits(dc, text, font, &minW, &minH, &maxW, &maxH);
    // Room for a box as high as the text, and its gap.
    const int32_t box = minH + minH / 6;
    if (minimumWidth)
        *minimumWidth = minW + box;
    if (minimumHeight)
        *minimumHeight = minH;
    if (maximumWidth)
        *maximumWidth = maxW + box;
    if (maximumHeight)
        *maximumHeight = maxH;
}

} // namespace win
} // namespace checkbox
} // namespace drawer
} // namespace gui
} // namespace s
