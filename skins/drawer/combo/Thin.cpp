#include "skins/drawer/combo/Thin.h"

#include "skins/drawer/PaintArea.h"

namespace s {
namespace gui {
namespace drawer {
namespace combo {
namespace win {

Thin::Thin() : textDrawer_(text::win::Basic::New()), arrowButton_(button::win::Thin::New()), foreground_(0)
{
    Thin::Reset();
}

Thin::~Thin()
{
    delete textDrawer_;
    delete arrowButton_;
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_combo_win_Thin";
}

void Thin::Reset()
{
    if (textDrawer_) {
        textDrawer_->Reset();
        textDrawer_->SetCenteredSingleLine(0);
    }
    if (arrowButton_)
        arrowButton_->Reset();
    foreground_ = 0;
}

void Thin::Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state, const wchar_t* text,
                IFont* font, bool enabled)
{
    if (!CanPaint(dc, left, top, right, bottom))
        return;
    arrowButton_->Draw(dc, left, top, right, bottom, state, nullptr, true, font, enabled, false, false);
    // The inside moves with the face: up and left while hot, down and right while pressed.
    int32_t x0 = left + 4;
    int32_t y0 = top + 1;
    int32_t y1 = bottom - 1;
    int32_t a = right - 15;
    if (state == 1) {
        x0 = left + 3;
        y0 = top;
        y1 = bottom - 2;
        a = right - 16;
    } else if (state == 2) {
        x0 = left + 5;
        y0 = top + 2;
        y1 = bottom;
        a = right - 14;
    }
    if (text && font) {
        int32_t h = 0;
        textDrawer_->GetTextSizeLimits(dc, text, font, nullptr, &h, nullptr, nullptr);
        const int32_t d = (y1 - h - y0) / 2;
        textDrawer_->DrawText(dc, x0, y0 + d, a, y0 + d + h, text, font);
    }
    const int32_t y2 = y0 + 2;
    FillBox(dc, a + 1, y2, 1, y1 - y2 - 2, foreground_);
    arrowButton_->DrawGlyph(dc, a + 3, y2, a + 13, y1 - 2, L"#Down", RedOf(foreground_), GreenOf(foreground_),
                            BlueOf(foreground_));
}

void Thin::SetTextColor(int32_t red, int32_t green, int32_t blue)
{
    if (textDrawer_)
        textDrawer_->GetNormalFontSetting()->SetColor(red, green, blue);
}

void Thin::SetDisabledTextColor(int32_t red, int32_t green, int32_t blue)
{
    if (textDrawer_)
        textDrawer_->GetDisabledFontSetting()->SetColor(red, green, blue);
}

void Thin::SetForegroundColor(int32_t red, int32_t green, int32_t blue)
{
    foreground_ = ComposeColor(red, green, blue);
    if (arrowButton_)
        arrowButton_->SetForegroundColor(red, green, blue);
}

void Thin::ApplyToFonts(IFont* normal, IFont* disabled)
{
    if (textDrawer_)
        textDrawer_->ApplyToFonts(normal, disabled, nullptr, nullptr, nullptr);
}

} // namespace win
} // namespace combo
} // namespace drawer
} // namespace gui
} // namespace s
