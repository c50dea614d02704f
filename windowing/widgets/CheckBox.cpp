#include "windowing/widgets/CheckBox.h"

#include <algorithm>

#include "core/str/StrBuffer.h"
#include "mfc/DC.h"
#include "skins/ISkin.h"
#include "skins/drawer/ICheckBox.h"
#include "windowing/component/OffScreenPaint.h"
#include "windowing/events/Disabler.h"
#include "windowing/events/Enabler.h"
#include "windowing/paint/MemDC.h"

namespace s {
namespace gui {
namespace win {

namespace {

// The room of the box and its gap beside a text of this height.
int32_t BoxAllowance(int32_t height)
{
    return height + height / 6;
}

} // namespace

CheckBox::CheckBox()
{
    ResetCheckBox();
}

CheckBox::~CheckBox()
{
    Reset();
}

thread::EasyPooler* CheckBox::GetPool()
{
    static const bool partsFirst = str::strbuffer::StrBuffer::GetPool() && Font::GetPool() &&
                                   events::Enabler::GetPool() && events::Disabler::GetPool();
    (void)partsFirst;
    return &thread::PoolOf<CheckBox, kPoolCapacity>();
}

CheckBox* CheckBox::New()
{
    return static_cast<CheckBox*>(GetPool()->Take());
}

const wchar_t* CheckBox::GetClassName()
{
    return kClassName;
}

base::IObject* CheckBox::NewInstance()
{
    return New();
}

void CheckBox::ReleaseToPool()
{
    GetPool()->Give(this);
}

void CheckBox::Reset()
{
    CreateWindowIn(nullptr);
    ResetComponent();
    ResetCheckBox();
}

void CheckBox::ResetCheckBox()
{
    background_ = RGB(255, 255, 255);
    inheritBackground_ = true;
    ResetCaptioned();
    checked_ = false;
    notify_ = true;
    ResetLinks();
}

void CheckBox::SetWordWrap(bool wordWrap)
{
    font_.SetWordWrap(wordWrap);
    Measure();
}

bool CheckBox::IsChecked()
{
    return checked_;
}

void CheckBox::SetChecked(bool checked)
{
    if (checked == checked_)
        return;
    // The message tells the listeners when it changes the state, so a programmatic change
    // moves the linked targets as a click does.
    if (m_hWnd)
        SendMessage(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
    else
        ApplyCheck(checked ? BST_CHECKED : BST_UNCHECKED);
}

void CheckBox::SetCheckedQuietly(bool checked)
{
    const bool before = notify_;
    notify_ = false;
    SetChecked(checked);
    notify_ = before;
}

void CheckBox::ApplyCheck(WPARAM check)
{
    if (check == BST_CHECKED && !checked_) {
        checked_ = true;
        if (notify_)
            Tell(kCheck, kEventChecked);
    } else if (check != BST_CHECKED && checked_) {
        checked_ = false;
        if (notify_)
            Tell(kUncheck, kEventUnchecked);
    }
}

drawer::ICheckBox* CheckBox::SkinDrawer(drawer::ISkin* skin)
{
    return skin->GetCheckBoxDrawer();
}

bool CheckBox::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        DetachControl();
        return true;
    }
    if (m_hWnd)
        return true;
    DWORD style = WS_CHILD | WS_TABSTOP | BS_NOTIFY | BS_AUTOCHECKBOX;
    if (font_.IsWordWrap())
        style |= BS_MULTILINE;
    if (!CreateControl(parent, L"Button", style, kControlId))
        return false;
    caption_.ShowIn(m_hWnd);
    // The stored state, telling nobody: it is not a change.
    const bool before = notify_;
    notify_ = false;
    SendMessage(BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED);
    notify_ = before;
    if (!enabled_)
        EnableWindow(FALSE);
    Measure();
    return true;
}

void CheckBox::SetEnabled(bool enabled)
{
    if (enabled != enabled_)
        Tell(enabled ? kEnable : kDisable, 0);
    enabled_ = enabled;
    if (m_hWnd)
        EnableWindow(enabled ? TRUE : FALSE);
}

void CheckBox::Measure()
{
    if (!m_hWnd)
        return;
    HDC dc = ::GetDC(m_hWnd);
    if (!dc)
        return;
    int32_t minWidth = 0;
    int32_t minHeight = 0;
    int32_t maxWidth = 0;
    int32_t maxHeight = 0;
    const wchar_t* caption = GetCaption();
    if (drawer_) {
        CDC context;
        context.Attach(dc);
        drawer_->GetSizeLimits(&context, caption, &font_, &minWidth, &minHeight, &maxWidth, &maxHeight);
        context.Detach();
    } else {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_.GetFontHandle()), TRUE);
        HGDIOBJ previous = ::SelectObject(dc, font_.GetFontHandle());
        if (font_.IsWordWrap()) {
            RECT line = {0, 0, 0, 0};
            ::DrawTextW(dc, caption, -1, &line, DT_CALCRECT | DT_NOPREFIX);
            minHeight = line.bottom - line.top;
            maxWidth = line.right - line.left;
            RECT word = {0, 0, 0, 0};
            ::DrawTextW(dc, caption, -1, &word, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
            minWidth = word.right - word.left;
            minWidth += BoxAllowance(minHeight);
            maxWidth += BoxAllowance(minHeight);
        } else {
            SIZE extent = {0, 0};
            ::GetTextExtentPoint32W(dc, caption, static_cast<int>(wcslen(caption)), &extent);
            minHeight = maxHeight = extent.cy;
            minWidth = maxWidth = extent.cx + BoxAllowance(extent.cy);
        }
        ::SelectObject(dc, previous);
    }
    ::ReleaseDC(m_hWnd, dc);
    minWidth_ = minWidth;
    minHeight_ = minHeight;
    preferredWidth_ = maxWidth;
    preferredHeight_ = maxHeight;
    if (parent_)
        parent_->RequestLayout();
}

void CheckBox::SetLayoutSize(int32_t width, int32_t)
{
    if (!font_.IsWordWrap() || !m_hWnd) {
        SetSize(minWidth_, minHeight_);
        return;
    }
    const int32_t h = minHeight_;
    const int32_t available = std::max(0, width - h / 6 - h);
    RECT area = {0, 0, available, h};
    HDC dc = ::GetDC(m_hWnd);
    if (dc) {
        HGDIOBJ previous = ::SelectObject(dc, font_.GetFontHandle());
        ::DrawTextW(dc, GetCaption(), -1, &area, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
        ::SelectObject(dc, previous);
        ::ReleaseDC(m_hWnd, dc);
    }
    SetSize(BoxAllowance(h) + (area.right - area.left), std::max(h, static_cast<int32_t>(area.bottom - area.top)));
}

void CheckBox::Paint()
{
    OffScreenPaint paint(this, inheritBackground_, GetEffectiveBackgroundColor());
    if (MemDC* memory = paint.GetCanvas()) {
        drawer_->Draw(memory, 0, 0, paint.GetWidth(), paint.GetHeight(), minHeight_, checked_, GetCaption(), &font_);
        paint.CopyToScreen();
    }
}

bool CheckBox::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_PAINT:
    case WM_UPDATEUISTATE:
        if (!drawer_)
            return false;
        Paint();
        return true;
    case WM_GETDLGCODE:
        *result = DefWindowProc(message, wParam, lParam) | DLGC_WANTALLKEYS;
        return true;
    case BM_SETCHECK:
        // A user's click on the auto check box arrives here too.
        ApplyCheck(wParam);
        return false;
    case WM_MOUSEWHEEL:
        if (!ContainsScreenPoint(static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))) && window_)
            ::SendMessageW(NativeWindowOf(window_), message, wParam, lParam);
        return true;
    default:
        return Base::HandleMessage(result, message, wParam, lParam);
    }
}

} // namespace win
} // namespace gui
} // namespace s
