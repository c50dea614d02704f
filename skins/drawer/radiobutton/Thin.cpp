#include "skins/drawer/radiobutton/Thin.h"

#include "mfc/Brush.h"
#include "mfc/Pen.h"
#include "skins/drawer/PaintArea.h"

namespace s {
namespace gui {
namespace drawer {
namespace radiobutton {
namespace win {

namespace {
const COLORREF kDot = RGB(53, 185, 56);
}

Thin::Thin() : frame_(RGB(120, 120, 120)), dot_(kDot), textDrawer_(text::win::Basic::New())
{
    Thin::Reset();
}

Thin::~Thin()
{
    delete textDrawer_;
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_radiobutton_win_Thin";
}

void Thin::Reset()
{
    frame_ = RGB(120, 120, 120);
    dot_ = kDot;
    if (textDrawer_)
        textDrawer_->Reset();
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

void Thin::ApplyToFonts(IFont* normal, IFont* disabled)
{
    if (textDrawer_)
        textDrawer_->ApplyToFonts(normal, disabled, nullptr, nullptr, nullptr);
}

namespace {

// The circle is drawn at four times its size and shrunk, which smooths its edge.
const int32_t kLargeCircle = 52;
const int32_t kCircle = 13;
const int32_t kPenWidth = 4;

// Draws one ellipse with a pen and brush of its own, the context's previous ones selected back.
void Ellipse(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, COLORREF outline, COLORREF fill)
{
    CPen pen;
    CBrush brush;
    if (!pen.CreatePen(PS_SOLID, kPenWidth, outline) || !brush.CreateSolidBrush(fill))
        return;
    HGDIOBJ previousPen = dc->SelectObject(pen);
    HGDIOBJ previousBrush = dc->SelectObject(brush);
    dc->Ellipse(left, top, right, bottom);
    dc->SelectObject(previousPen);
    dc->SelectObject(previousBrush);
}

} // namespace

void Thin::Draw(CDC* dc, CDC* scratch, int32_t left, int32_t top, int32_t right, int32_t bottom, bool checked,
                const wchar_t* text, IFont* font, COLORREF background)
{
    if (!CanPaint(dc, left, top, right, bottom))
        return;
    const int32_t H = bottom - top;
    if (scratch && scratch->GetSafeHdc()) {
        Ellipse(scratch, 0, 0, kLargeCircle, kLargeCircle, frame_, background);
        if (checked)
            Ellipse(scratch, 12, 12, 40, 40, background, dot_);
        const int previousMode = dc->SetStretchBltMode(HALFTONE);
        dc->StretchBlt(left, top + H / 2 - 6, kCircle, kCircle, scratch, 0, 0, kLargeCircle, kLargeCircle, SRCCOPY);
        if (previousMode)
            dc->SetStretchBltMode(previousMode);
    }
    textDrawer_->DrawText(dc, left + H + H / 6, top, right, bottom, text, font);
}

} // namespace win
} // namespace radiobutton
} // namespace drawer
} // namespace gui
} // namespace s
