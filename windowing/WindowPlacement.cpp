// The window's place: bound to its settings holder, placed from it and stored back, kept inside
// the screen, dragged by its body, sized by its skinned edges, following the cursor, and what a
// middle click does.
#include "windowing/DesktopCalls.h"
#include "windowing/FrameEdges.h"
#include "windowing/IAppWindow.h"
#include "windowing/Messages.h"
#include "windowing/MiddleClickActions.h"
#include "windowing/ScreenBounds.h"
#include "windowing/Window.h"

namespace s {
namespace gui {
namespace win {

namespace {

const int32_t kNoTextId = -1;
const UINT kFollowMillis = 100;
const SHORT kKeyDown = static_cast<SHORT>(0x8000);

// The right button as the user has it, also with the buttons swapped.
bool RightButtonDown()
{
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_LBUTTON : VK_RBUTTON;
    return (GetAsyncKeyState(button) & kKeyDown) != 0;
}

// The signed screen coordinates of a mouse message's point.
int32_t PointX(LPARAM point)
{
    return static_cast<int16_t>(LOWORD(point));
}

int32_t PointY(LPARAM point)
{
    return static_cast<int16_t>(HIWORD(point));
}

// Only the three shared texts are actions; anything else does nothing.
const wchar_t* KnownAction(const wchar_t* action)
{
    if (action == kMiddleClickClose || action == kMiddleClickIconize)
        return action;
    return kMiddleClickDoNothing;
}

} // namespace

void Window::SetAppWindow(app::IAppWindow* holder, bool useCaptionId)
{
    appWindow_ = holder;
    if (!holder)
        return;
    SetSmallIcon(holder->CreateSmallIcon(), true);
    SetBigIcon(holder->CreateBigIcon(), true);
    SetLocalizer(holder->GetLangPack());
    // The title alone: another start of the program finds this frame by a title that begins
    // with the frame's text.
    if (useCaptionId)
        SetCaptionTextId(holder->GetBaseTextId(), kNoTextId);
    if (holder->HasSkinner())
        SetSkinner(holder->GetSkinner());
    easyDrag_ = holder->GetEasyDrag();
    if (holder->GetKeepOnTop() != topMost_)
        RunOnOwnThread([this, holder] { ApplyTopMost(holder->GetKeepOnTop()); });
    middleClickAction_ = KnownAction(holder->GetMiddleClickAction());
    PlaceFromHolder();
}

app::IAppWindow* Window::GetAppWindow()
{
    return appWindow_;
}

// Stored places that no screen shows (a monitor unplugged since, or values gone bad) and sizes
// out of range end centred at the holder's default size.
void Window::PlaceFromHolder()
{
    app::IAppWindow* holder = appWindow_;
    const bool sizesValid = holder->IsWidthValid() && holder->IsHeightValid();
    const int32_t width = holder->GetWidth();
    const int32_t height = holder->GetHeight();
    if (!holder->HasPosition()) {
        if (sizesValid)
            SetSize(width, height);
        else
            SetSize(holder->GetDefaultWidth(), holder->GetDefaultHeight());
        return;
    }
    const int32_t x = holder->GetX();
    const int32_t y = holder->GetY();
    if (!sizesValid || !LiesOnAMonitor(x, y, width, height)) {
        SetSize(holder->GetDefaultWidth(), holder->GetDefaultHeight());
        Center();
        return;
    }
    SetBounds(x, y, width, height);
    if (!IsInsideScreen())
        Center();
}

// Before showing: maximized again when it was, else placed by the holder's rules; and wherever
// it stands, a window that no monitor shows comes to the centre.
void Window::PlaceForShowing()
{
    if (::IsIconic(m_hWnd) || ::IsZoomed(m_hWnd))
        return;
    if (appWindow_) {
        if (appWindow_->GetMaximized()) {
            Maximize();
            return;
        }
        if (!keepInsideScreen_ && !followCursor_ && screenClamp_) {
            if (!appWindow_->HasPosition())
                Center();
            if (!IsInsideScreen())
                Center();
        }
    }
    const RECT window = WindowRect();
    if (!followCursor_ && !LiesOnAMonitor(window.left, window.top, static_cast<int64_t>(window.right) - window.left,
                                          static_cast<int64_t>(window.bottom) - window.top))
        Center();
}

void Window::StorePlacement()
{
    app::IAppWindow* holder = appWindow_;
    if (!holder || !m_hWnd || !IsShown())
        return;
    if (::IsZoomed(m_hWnd)) {
        if (!holder->GetMaximized())
            holder->SetMaximized(true);
        return;
    }
    if (::IsIconic(m_hWnd))
        return;
    if (holder->GetMaximized())
        holder->SetMaximized(false);
    // Half faded or shrunk, the window is not where and how the user left it.
    if (IsAnimating())
        return;
    const RECT window = WindowRect();
    const int32_t width = window.right - window.left;
    const int32_t height = window.bottom - window.top;
    if (!holder->HasX() || holder->GetX() != window.left)
        holder->SetX(window.left);
    if (!holder->HasY() || holder->GetY() != window.top)
        holder->SetY(window.top);
    if (!holder->HasWidth() || holder->GetWidth() != width)
        holder->SetWidth(width);
    if (!holder->HasHeight() || holder->GetHeight() != height)
        holder->SetHeight(height);
}

void Window::SetMiddleClickAction(const wchar_t* action)
{
    middleClickAction_ = KnownAction(action);
    if (appWindow_)
        appWindow_->SetMiddleClickAction(middleClickAction_);
}

void Window::RunMiddleClickAction()
{
    if (middleClickAction_ == kMiddleClickClose)
        Close();
    else if (middleClickAction_ == kMiddleClickIconize)
        Iconize();
}

bool Window::IsInsideScreen()
{
    return !screenClamp_ || LiesInsideScreen(WindowRect(), VirtualScreen());
}

void Window::SetScreenClampEnabled(bool on)
{
    screenClamp_ = on;
}

void Window::MoveInsideScreen()
{
    if (!m_hWnd || ::IsZoomed(m_hWnd))
        return;
    const RECT window = WindowRect();
    const POINT place = PositionInside(window, VirtualScreen());
    if (place.x != window.left || place.y != window.top)
        SetPosition(place.x, place.y);
}

void Window::SetKeepInsideScreen(bool on)
{
    keepInsideScreen_ = on;
    if (!on || !m_hWnd || !IsShown() || ::IsIconic(m_hWnd) || ::IsZoomed(m_hWnd))
        return;
    const RECT window = WindowRect();
    const POINT place = PositionInside(window, KeepInsideArea());
    if (place.x != window.left || place.y != window.top)
        SetPosition(place.x, place.y);
}

// Every move, and every size change that would push an edge out, ends inside the screen.
void Window::KeepInside(WINDOWPOS* position)
{
    if (!keepInsideScreen_ || !position || ::IsIconic(m_hWnd) || ::IsZoomed(m_hWnd))
        return;
    const bool moves = !(position->flags & SWP_NOMOVE);
    const bool sizes = !(position->flags & SWP_NOSIZE);
    const RECT now = WindowRect();
    const int32_t x = moves ? position->x : now.left;
    const int32_t y = moves ? position->y : now.top;
    if (!sizes && (!moves || (x == now.left && y == now.top)))
        return;
    const int32_t width = sizes ? position->cx : now.right - now.left;
    const int32_t height = sizes ? position->cy : now.bottom - now.top;
    const POINT place = PositionInside(RECT{x, y, x + width, y + height}, KeepInsideArea());
    if (place.x == x && place.y == y)
        return;
    position->x = place.x;
    position->y = place.y;
    position->flags &= ~SWP_NOMOVE;
}

void Window::SetEasyDrag(bool on)
{
    easyDrag_ = on;
    if (appWindow_)
        appWindow_->SetEasyDrag(on);
}

// A skinned window with a sizing border sizes by its edges; with easy drag its body is a caption.
LRESULT Window::HitTest(LPARAM point, LRESULT defaultResult)
{
    LRESULT hit = defaultResult;
    if (drawer_ && (GetWindowLongPtrW(m_hWnd, GWL_STYLE) & WS_THICKFRAME)) {
        const RECT window = WindowRect();
        hit = HitTestFrameEdges(PointX(point) - window.left, PointY(point) - window.top,
                                window.right - window.left, window.bottom - window.top, hit);
    }
    if (easyDrag_ && hit == HTCLIENT && !RightButtonDown())
        hit = HTCAPTION;
    return hit;
}

void Window::SetFollowCursor(bool on)
{
    RunOnOwnThread([this, on] {
        followCursor_ = on;
        if (on)
            StartTimer(msg::kTimerFollowCursor, kFollowMillis);
        else
            StopTimer(msg::kTimerFollowCursor);
    });
}

void Window::CenterOnCursor()
{
    POINT cursor = {};
    if (!GetDesktopCalls().getCursorPos(&cursor))
        return;
    SetPosition(cursor.x - GetWidth() / 2, cursor.y - GetHeight() / 2);
}

} // namespace win
} // namespace gui
} // namespace s
