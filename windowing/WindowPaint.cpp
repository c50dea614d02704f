// The window's painting with its skin drawer: client and frame drawn into the back buffer and
// copied to the screen in one transfer each, the children's rectangles left out; the drawer's
// region shapes the window; screenshots of the window as GIF.
#include <cstdint>

#include "images/win/BufferedImage.h"
#include "mfc/PaintDC.h"
#include "skins/drawer/IWindow.h"
#include "windowing/Window.h"
#include "windowing/paint/BackBuffer.h"
#include "windowing/paint/MemDC.h"
#include "windowing/paint/ScreenCapture.h"

namespace s {
namespace gui {
namespace win {

namespace {

const int32_t kScreenshotBits = 8;

// When the file was last written; 0 when there is none.
uint64_t WrittenAt(const wchar_t* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

} // namespace

void Window::SetDrawer(drawer::IWindow* drawer)
{
    // The shape of a drawer that goes would no longer follow the window's size.
    if (drawer_ && !drawer && m_hWnd)
        SetWindowRgn(nullptr, TRUE);
    const bool frameChanges = !drawer_ != !drawer;
    drawer_ = drawer;
    // With a drawer the whole window is client area (WM_NCCALCSIZE), without one the system's
    // frame comes back.
    if (frameChanges && m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ApplyRegion();
    // The children copy their background from the back buffer: a child told of the new skin first
    // may have painted from the old picture, and new colours under the same drawer show nowhere
    // else, so they paint again after the window.
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME | RDW_ALLCHILDREN);
}

bool Window::EnsureBackBuffer(const RECT& rect)
{
    return FitBackBuffer(&backBuffer_, rect.right - rect.left, rect.bottom - rect.top);
}

image::win::BufferedImage* Window::GetBackBuffer(int32_t*, int32_t*)
{
    return backBuffer_;
}

void Window::PaintClient()
{
    RECT client = ClientRect();
    CPaintDC dc(this);
    if (!EnsureBackBuffer(client))
        return;
    MemDC* memory = MemDC::Create(nullptr, backBuffer_, false);
    if (!memory)
        return;
    drawer_->DrawFrame(memory, 0, 0, client.right, client.bottom);
    ExcludeChildren(&dc);
    dc.BitBlt(0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    memory->ReleaseToPool();
}

void Window::ExcludeChildren(CDC* dc)
{
    for (int32_t i = 0; i < GetChildCount(); ++i) {
        IComponent* child = GetChildAt(i);
        if (!child || !child->IsShown())
            continue;
        const int32_t x = child->GetX();
        const int32_t y = child->GetY();
        dc->ExcludeClipRect(RECT{x, y, x + child->GetWidth(), y + child->GetHeight()});
    }
}

void Window::PaintFrame()
{
    const RECT window = WindowRect();
    const int32_t width = window.right - window.left;
    const int32_t height = window.bottom - window.top;
    if (!EnsureBackBuffer(RECT{0, 0, width, height}))
        return;
    HDC windowDc = ::GetWindowDC(m_hWnd);
    if (!windowDc)
        return;
    CDC dc;
    dc.Attach(windowDc);
    // The client rectangle in window coordinates stays as the client paint leaves it.
    RECT client = ClientRect();
    POINT origin = {0, 0};
    ClientToScreen(&origin);
    OffsetRect(&client, origin.x - window.left, origin.y - window.top);
    dc.ExcludeClipRect(client);
    MemDC* memory = MemDC::Create(nullptr, backBuffer_, false);
    if (memory) {
        drawer_->DrawFrame(memory, 0, 0, width, height);
        dc.BitBlt(0, 0, width, height, memory, 0, 0, SRCCOPY);
        memory->ReleaseToPool();
    }
    dc.Detach();
    ::ReleaseDC(m_hWnd, windowDc);
}

// The drawer's region for the window rectangle at the origin (right and bottom inclusive).
void Window::ApplyRegion()
{
    if (!drawer_ || !m_hWnd)
        return;
    const RECT window = WindowRect();
    SetWindowRgn(drawer_->CreateRegion(0, 0, window.right - window.left - 1, window.bottom - window.top - 1), TRUE);
}

// What shows at the window's corner: the top-level window there, normally this one.
bool Window::SaveScreenshotGif(const wchar_t* path)
{
    if (!path || !*path || !m_hWnd)
        return false;
    const RECT window = WindowRect();
    HWND shown = ::WindowFromPoint(POINT{window.left + 1, window.top + 1});
    HWND topLevel = shown ? ::GetAncestor(shown, GA_ROOT) : nullptr;
    image::win::BufferedImage* image = system::monitor::CaptureWindow(topLevel ? topLevel : m_hWnd);
    if (!image)
        return false;
    // A file of that name is replaced, never removed first: a save that writes nothing keeps it.
    const uint64_t before = WrittenAt(path);
    image->SaveAsGif(path, kScreenshotBits, false, 255, 255, 255);
    image->ReleaseToPool();
    const uint64_t after = WrittenAt(path);
    return after != 0 && after != before;
}

} // namespace win
} // namespace gui
} // namespace s
