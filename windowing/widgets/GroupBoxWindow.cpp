// The group box's native window: creation, measuring, painting, messages and the changes its
// window and content tell it of.
#include <windows.h>

#include <cwchar>

#include "images/win/BufferedImage.h"
#include "mfc/PaintDC.h"
#include "skins/ISkin.h"
#include "windowing/MessageBoxW.h"
#include "windowing/Messages.h"
#include "windowing/component/CopyParentBackground.h"
#include "windowing/component/ReflectedColor.h"
#include "windowing/drawer/groupbox/Basic.h"
#include "windowing/paint/BackBuffer.h"
#include "windowing/paint/MemDC.h"
#include "windowing/widgets/GroupBox.h"

namespace s {
namespace gui {
namespace win {

bool GroupBox::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        if (!parent_)
            return true;
        caption_.Leave(this);
        LeaveSkinAndParent(&skinLink_, this, &drawer_, drawerOwned_);
        ReleaseBackBuffer();
        return true;
    }
    if (m_hWnd)
        return true;
    AttachTo(parent);
    caption_.Join(window_, this);
    if (skinLink_.Join(window_, this))
        TakeSkinDrawer();
    const RECT empty = {0, 0, 0, 0};
    if (!Create(L"GroupBox", WS_CHILD | BS_GROUPBOX, empty, NativeWindowOf(parent), kControlId)) {
        ShowWindowCreationFailed();
        caption_.Leave(this);
        skinLink_.Leave(this);
        parent_ = nullptr;
        window_ = nullptr;
        return false;
    }
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_.GetFontHandle()), TRUE);
    caption_.ShowIn(m_hWnd);
    if (!enabled_)
        EnableWindow(FALSE);
    if (content_)
        CreateContentWindow();
    Measure();
    return true;
}

void GroupBox::OnEvent(base::IObject* source, int32_t code)
{
    if (skinLink_.Follow(source, m_hWnd, [this] { TakeSkinDrawer(); }))
        return;
    bool shown = false;
    if (caption_.TakeLanguage(source, m_hWnd, &shown)) {
        if (shown)
            Measure();
        return;
    }
    if (content_ && source == static_cast<base::IObject*>(content_) && code == kEventFilesDropped)
        events::TellListeners(fileDropListeners_, this, kEventFilesDropped);
}

void GroupBox::TakeSkinDrawer()
{
    drawer::ISkin* skin = skinLink_.GetCurrentSkin();
    SetDrawer(skin ? skin->GetGroupBoxDrawer() : nullptr, false);
}

void GroupBox::Measure()
{
    if (!m_hWnd)
        return;
    if (HDC dc = ::GetDC(m_hWnd)) {
        HGDIOBJ previous = ::SelectObject(dc, font_.GetFontHandle());
        const wchar_t* caption = GetCaption();
        SIZE extent = {0, 0};
        ::GetTextExtentPoint32W(dc, caption, static_cast<int>(std::wcslen(caption)), &extent);
        ::SelectObject(dc, previous);
        ::ReleaseDC(m_hWnd, dc);
        captionWidth_ = std::max<int32_t>(0, extent.cx);
        captionHeight_ = std::max<int32_t>(0, extent.cy);
    }
    const int32_t oldLeft = insetLeft_;
    const int32_t oldTop = insetTop_;
    insetLeft_ = insetRight_ = insetBottom_ = kInset;
    insetTop_ = captionHeight_ + 1;
    if (insetLeft_ != oldLeft || insetTop_ != oldTop)
        OffsetContent();
    DoLayout();
    if (parent_)
        parent_->RequestLayout();
}

void GroupBox::Paint()
{
    CPaintDC dc(this);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int32_t width = client.right - client.left;
    const int32_t height = client.bottom - client.top;
    if (!dc.GetSafeHdc() || !FitBackBuffer(&backBuffer_, width, height))
        return;
    // Compatible with the screen, as the window's own buffer: the control's context is busy
    // with this paint.
    MemDC* memory = MemDC::Create(nullptr, backBuffer_, false);
    if (!memory)
        return;
    // Outside the frame the parent always shows; inside it the own colour, unless inherited.
    if (!CopyParentBackground(this, memory))
        memory->FillSolidRect(0, 0, width, height, parent_ ? parent_->GetEffectiveBackgroundColor() : background_);
    const int32_t middle = captionHeight_ / 2;
    if (!inheritBackground_)
        memory->FillSolidRect(1, middle + 1, width - 2, height - middle - 2, background_);
    GetDrawer()->Draw(memory, 0, middle, width, height, GetCaption(), enabled_ ? &font_ : &disabledFont_,
                      captionWidth_, captionHeight_);
    // The content paints itself over its part.
    if (content_ && content_->IsShown()) {
        const int32_t x = content_->GetX() + insetLeft_;
        const int32_t y = content_->GetY() + insetTop_;
        dc.ExcludeClipRect(RECT{x, y, x + content_->GetWidth(), y + content_->GetHeight()});
    }
    dc.BitBlt(0, 0, width, height, memory, 0, 0, SRCCOPY);
    memory->ReleaseToPool();
}

bool GroupBox::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_PAINT:
        Paint();
        return true;
    case WM_NCPAINT:
    case WM_UPDATEUISTATE:
        return true;
    case WM_ERASEBKGND:
        *result = 1;
        return true;
    case msg::kSkinChanged:
        TakeSkinDrawer();
        return true;
    case msg::kReflectCtlColor:
        *result = AnswerReflectedColor(&brush_, reinterpret_cast<HDC>(wParam), inheritBackground_, parent_, background_,
                                       font_.GetColor());
        return true;
    default:
        return Component<CaptionFontForwards<IGroupBox>, CButton>::HandleMessage(result, message, wParam, lParam);
    }
}

} // namespace win
} // namespace gui
} // namespace s
