// The Box's window procedure: drops, wheel turns, clicks, hover, hit testing and the private
// messages of the toolkit.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "windowing/box/UrlDropTarget.h"
#include "windowing/widgets/Button.h"
#include "windowing/box/Box.h"

namespace s {
namespace gui {
namespace win {

namespace {

// Signed coordinates of a mouse message (windowsx.h would rename SubclassWindow).
POINT PointOf(LPARAM lParam)
{
    return POINT{static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
}

bool PointerInside(HWND window, LPARAM screenPoint)
{
    RECT rect;
    if (!window || !GetWindowRect(window, &rect))
        return false;
    const POINT point = PointOf(screenPoint);
    return PtInRect(&rect, point) != FALSE;
}

} // namespace

bool Box::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_PAINT:
        Paint();
        return true;
    case WM_ERASEBKGND:
        *result = 1;
        return true;
    case WM_NCHITTEST: {
        *result = CWnd::DefWindowProc(message, wParam, lParam);
        const POINT point = PointOf(lParam);
        if (mouseTransparent_ && *result == HTCLIENT && !ButtonChildAt(point.x, point.y))
            *result = HTTRANSPARENT;
        return true;
    }
    case WM_DESTROY:
        ApplyAcceptUrls(false);
        return false;
    case WM_GETDLGCODE:
        *result = CWnd::DefWindowProc(message, wParam, lParam) | DLGC_WANTALLKEYS;
        return true;
    case WM_KEYDOWN: {
        HWND parent = NativeWindowOf(parent_);
        if (!parent)
            return false;
        *result = ::SendMessageW(parent, message, wParam, lParam);
        return *result != 0;
    }
    case WM_MOUSEMOVE:
        HandleMouseMove(lParam);
        return false;
    case WM_LBUTTONDOWN:
        if (listeners_[kClick].GetCount() == 0)
            return false;
        TellListeners(kClick, kEventClick);
        *result = 1;
        return true;
    case WM_MOUSEWHEEL:
        *result = HandleMouseWheel(wParam, lParam);
        return true;
    case WM_DROPFILES:
        HandleDropFiles(reinterpret_cast<HDROP>(wParam));
        return true;
    case msg::kUrlDropped:
        if (urlTarget_ && droppedUrl_)
            droppedUrl_->Assign(urlTarget_->GetUrl());
        TellListeners(kUrlDrop, kEventUrlDropped);
        return true;
    case msg::kSetAcceptUrls:
        ApplyAcceptUrls(wParam != 0);
        return true;
    default:
        return Component<IBox>::HandleMessage(result, message, wParam, lParam);
    }
}

bool Box::ButtonChildAt(int32_t x, int32_t y)
{
    for (int32_t i = 0; i < GetChildCount(); ++i) {
        Button* button = dynamic_cast<Button*>(GetChildAt(i));
        if (button && button->IsEnabled() && button->ContainsScreenPoint(x, y))
            return true;
    }
    return false;
}

void Box::HandleMouseMove(LPARAM lParam)
{
    if (mouseTransparent_ || !m_hWnd)
        return;
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const POINT point = PointOf(lParam);
    const bool inside = PtInRect(&client, point) != FALSE;
    if (inside && !(GetKeyState(VK_LBUTTON) & 0x8000)) {
        if (!hover_) {
            SetHover(true);
            ::SetCapture(m_hWnd);
        }
    } else if (!inside) {
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        SetHover(false);
    }
}

void Box::SetHover(bool hover)
{
    if (hover == hover_)
        return;
    hover_ = hover;
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    ::UpdateWindow(m_hWnd);
}

// Containers under the pointer get the turn first; one that used it (answer 0) ends it.
LRESULT Box::HandleMouseWheel(WPARAM wParam, LPARAM lParam)
{
    if (inWheel_ || !PointerInside(m_hWnd, lParam))
        return 0;
    inWheel_ = true;
    for (int32_t i = 0; i < GetChildCount(); ++i) {
        IComponent* child = GetChildAt(i);
        if (!child || !child->IsContainer() || !child->IsShown())
            continue;
        HWND childWindow = NativeWindowOf(child);
        if (PointerInside(childWindow, lParam) && ::SendMessageW(childWindow, WM_MOUSEWHEEL, wParam, lParam) == 0) {
            inWheel_ = false;
            return 0;
        }
    }
    LRESULT result = 0;
    if (listeners_[kWheel].GetCount() > 0) {
        UINT lines = 3;
        SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        wheelLines_ = GET_WHEEL_DELTA_WPARAM(wParam) < 1 ? -static_cast<int32_t>(lines) : static_cast<int32_t>(lines);
        TellListeners(kWheel, kEventWheel);
    } else {
        HWND owner = NativeWindowOf(window_);
        result = owner ? ::SendMessageW(owner, WM_MOUSEWHEEL, wParam, lParam) : 1;
    }
    inWheel_ = false;
    return result;
}

// Each path is taken whole, whatever its length: its length is asked first.
void Box::HandleDropFiles(HDROP drop)
{
    if (droppedFiles_)
        droppedFiles_->Clear();
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<wchar_t> path;
    for (UINT i = 0; i < count && droppedFiles_; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        path.assign(length + 1, L'\0');
        if (DragQueryFileW(drop, i, path.data(), length + 1) > 0)
            droppedFiles_->AddText(path.data());
    }
    TellListeners(kFileDrop, kEventFilesDropped);
    DragFinish(drop);
}

} // namespace win
} // namespace gui
} // namespace s
