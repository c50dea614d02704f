#include "windowing/widgets/RadioButton.h"

#include <cwchar>

#include "core/str/StrBuffer.h"
#include "images/win/BufferedImage.h"
#include "skins/ISkin.h"
#include "skins/drawer/IRadioButton.h"
#include "windowing/component/OffScreenPaint.h"
#include "windowing/events/Disabler.h"
#include "windowing/events/Editabler.h"
#include "windowing/events/Enabler.h"
#include "windowing/events/UnEditabler.h"
#include "windowing/paint/MemDC.h"

namespace s {
namespace gui {
namespace win {

namespace {

// The circle is drawn four times larger on a scratch surface and shrunk to 13 by 13.
const int32_t kCircle = 13;
const int32_t kScratch = 52;

} // namespace

RadioButton::RadioButton()
{
    ResetRadioButton();
}

RadioButton::~RadioButton()
{
    Reset();
}

thread::EasyPooler* RadioButton::GetPool()
{
    static const bool partsFirst = str::strbuffer::StrBuffer::GetPool() && Font::GetPool() &&
                                   events::Enabler::GetPool() && events::Disabler::GetPool() &&
                                   events::Editabler::GetPool() && events::UnEditabler::GetPool();
    (void)partsFirst;
    return &thread::PoolOf<RadioButton, kPoolCapacity>();
}

RadioButton* RadioButton::New()
{
    return static_cast<RadioButton*>(GetPool()->Take());
}

const wchar_t* RadioButton::GetClassName()
{
    return kClassName;
}

base::IObject* RadioButton::NewInstance()
{
    return New();
}

void RadioButton::ReleaseToPool()
{
    GetPool()->Give(this);
}

void RadioButton::Reset()
{
    CreateWindowIn(nullptr);
    ResetComponent();
    ResetRadioButton();
}

void RadioButton::ResetRadioButton()
{
    background_ = RGB(255, 255, 255);
    inheritBackground_ = true;
    ResetCaptioned();
    checked_ = false;
    ResetLinks();
    notify_ = true;
}

int32_t RadioButton::GetCaptionTextId()
{
    return caption_.GetTextId();
}

bool RadioButton::IsChecked()
{
    if (HWND window = m_hWnd)
        return ::SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return checked_;
}

void RadioButton::SetChecked(bool checked, bool notify)
{
    notify_ = notify;
    checked_ = checked;
    // Told also without a control, so that linked targets follow a choice made before it exists.
    if (HWND window = m_hWnd)
        ::SendMessageW(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    else
        ApplyCheck(checked ? BST_CHECKED : BST_UNCHECKED);
    notify_ = true;
}

// Unlike the check box's, every BM_SETCHECK is told, changed or not.
void RadioButton::ApplyCheck(WPARAM check)
{
    checked_ = check == BST_CHECKED;
    if (notify_)
        Tell(checked_ ? kCheck : kUncheck, kEventChanged);
}

void RadioButton::AddEditableWhileCheckedTarget(IComponent* target)
{
    AddEditableTarget(target);
    AddReadOnlyTarget(target);
}

void RadioButton::AddEditableTarget(IComponent* target)
{
    Link(kEditableOnCheck, target);
}

void RadioButton::AddReadOnlyTarget(IComponent* target)
{
    Link(kReadOnlyOnUncheck, target);
}

drawer::IRadioButton* RadioButton::SkinDrawer(drawer::ISkin* skin)
{
    return skin->GetRadioButtonDrawer();
}

bool RadioButton::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        DetachControl();
        return true;
    }
    if (m_hWnd)
        return true;
    if (!CreateControl(parent, L"Button", WS_CHILD | WS_TABSTOP | BS_NOTIFY | BS_AUTORADIOBUTTON, kControlId))
        return false;
    caption_.ShowIn(m_hWnd);
    // The stored state, telling nobody: it is not a choice.
    notify_ = false;
    SendMessage(BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED);
    notify_ = true;
    if (!enabled_)
        EnableWindow(FALSE);
    Measure();
    return true;
}

void RadioButton::SetEnabled(bool enabled)
{
    if (enabled != enabled_)
        Tell(enabled ? kEnable : kDisable, kEventChanged);
    enabled_ = enabled;
    if (m_hWnd) {
        EnableWindow(enabled ? TRUE : FALSE);
        if (drawer_)
            Redraw();
    }
}

void RadioButton::Measure()
{
    if (!m_hWnd)
        return;
    minWidth_ = minHeight_ = preferredWidth_ = preferredHeight_ = 0;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_.GetFontHandle()), TRUE);
    if (HDC dc = ::GetDC(m_hWnd)) {
        HGDIOBJ previous = ::SelectObject(dc, font_.GetFontHandle());
        const wchar_t* caption = GetCaption();
        SIZE extent = {0, 0};
        ::GetTextExtentPoint32W(dc, caption, static_cast<int>(std::wcslen(caption)), &extent);
        if (extent.cx > 0)
            minWidth_ = extent.cx + kCircleAllowance;
        if (extent.cy > 0)
            minHeight_ = extent.cy;
        preferredWidth_ = minWidth_;
        preferredHeight_ = minHeight_;
        ::SelectObject(dc, previous);
        ::ReleaseDC(m_hWnd, dc);
    }
    if (parent_)
        parent_->RequestLayout();
}

void RadioButton::SetLayoutSize(int32_t, int32_t)
{
    SetSize(minWidth_, minHeight_);
}

void RadioButton::Paint()
{
    OffScreenPaint paint(this, inheritBackground_, GetEffectiveBackgroundColor());
    MemDC* canvas = paint.GetCanvas();
    if (!canvas)
        return;
    const RECT& client = paint.GetClient();
    image::win::BufferedImage* scratchImage = image::win::BufferedImage::New();
    MemDC* scratch = nullptr;
    if (scratchImage && scratchImage->Create(kScratch, kScratch))
        scratch = MemDC::Create(this, scratchImage, true);
    else if (scratchImage)
        scratchImage->ReleaseToPool();
    if (scratch) {
        // The background under the circle, four times larger, for the drawer's smooth edge.
        const int previousMode = scratch->SetStretchBltMode(HALFTONE);
        const int32_t circleTop = client.top + (client.bottom - client.top) / 2 - kCircle / 2;
        scratch->StretchBlt(0, 0, kScratch, kScratch, canvas, client.left, circleTop, kCircle, kCircle, SRCCOPY);
        scratch->SetStretchBltMode(previousMode);
        drawer_->Draw(canvas, scratch, client.left, client.top, client.right, client.bottom, IsChecked(), GetCaption(),
                      &font_, RGB(255, 255, 255));
        scratch->ReleaseToPool();
    }
    paint.CopyToScreen();
}

bool RadioButton::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_PAINT:
        if (!drawer_)
            return false;
        Paint();
        return true;
    case BM_SETCHECK:
        // A user's click on the auto radio button arrives here too, and the group's others.
        ApplyCheck(wParam);
        return false;
    default:
        return Base::HandleMessage(result, message, wParam, lParam);
    }
}

} // namespace win
} // namespace gui
} // namespace s
