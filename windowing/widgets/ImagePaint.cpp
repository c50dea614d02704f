// The image widget's window: its off-screen paint over the chosen background, the mouse (drag or
// none) and its own messages.
#include <algorithm>

#include "images/ImageCapacity.h"
#include "images/win/BufferedImage.h"
#include "images/win/BufferedImageSet.h"
#include "mfc/PaintDC.h"
#include "skins/drawer/IImage.h"
#include "windowing/component/CopyParentBackground.h"
#include "windowing/paint/MemDC.h"
#include "windowing/widgets/Image.h"

namespace s {
namespace gui {
namespace win {

namespace {

// A frame drawn over what was shown before it (a GIF frame that keeps its predecessor).
const int32_t kCombineOver = 1;

} // namespace

bool Image::EnsureBackImage(int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0)
        return false;
    if (!backImage_) {
        backImage_ = image::win::NewBufferedImage(width, height);
        return backImage_ != nullptr;
    }
    const int32_t capacityWidth = backImage_->GetCapacityWidth();
    const int32_t capacityHeight = backImage_->GetCapacityHeight();
    if (capacityWidth >= width && capacityHeight >= height) {
        // A paint that comes after a size change of the image itself still sees its whole capacity.
        if (backImage_->GetWidth() != capacityWidth || backImage_->GetHeight() != capacityHeight)
            backImage_->SetSize(capacityWidth, capacityHeight);
        return true;
    }
    const int32_t grownWidth = capacityWidth >= width ? capacityWidth : image::GrowImageSide(capacityWidth, width);
    const int32_t grownHeight =
        capacityHeight >= height ? capacityHeight : image::GrowImageSide(capacityHeight, height);
    if (!backImage_->Reserve(grownWidth, grownHeight))
        return false;
    return backImage_->SetSize(grownWidth, grownHeight);
}

void Image::Paint()
{
    if (!m_hWnd)
        return;
    CPaintDC dc(this);
    if (paintingSuspended_)
        return;
    thread::ScopedLock hold(lock_);
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    const int32_t width = client.right;
    const int32_t height = client.bottom;
    if (width <= 0 || height <= 0 || !EnsureBackImage(width, height))
        return;
    // Compatible with the screen, as the counter's: see there.
    MemDC* memory = MemDC::Create(nullptr, backImage_, false);
    if (!memory)
        return;
    bool blend = blend_;
    if (currentCombineMode_ == kCombineOver)
        blend = true;
    else
        PaintBackground(memory, width, height);
    image::win::BufferedImage* frame = nullptr;
    if (set_ && currentFrame_ >= 0 && currentFrame_ < set_->GetCount())
        frame = set_->GetImage(currentFrame_);
    // A picture without pixels has nothing to add to the background.
    if (frame && frame->GetWidth() > 0 && frame->GetHeight() > 0) {
        drawer::IImage* drawer = drawer_ ? drawer_ : defaultDrawer_;
        if (drawer)
            drawer->Draw(memory, backImage_, 0, 0, width, height, frame, stretch_, border_, blend);
    }
    dc.BitBlt(0, 0, width, height, memory, 0, 0, SRCCOPY);
    memory->ReleaseToPool();
}

void Image::PaintBackground(MemDC* memory, int32_t width, int32_t height)
{
    const RECT client = {0, 0, width, height};
    if (!specialBackground_) {
        memory->FillSolidRect(client, background_);
        return;
    }
    if (checkerboard_) {
        memory->FillSolidRect(client, kCheckerGrey);
        const int32_t columns = (width + kCheckerSquare - 1) / kCheckerSquare;
        const int32_t rows = (height + kCheckerSquare - 1) / kCheckerSquare;
        for (int32_t row = 0; row < rows; ++row) {
            for (int32_t column = row % 2; column < columns; column += 2)
                memory->FillSolidRect(column * kCheckerSquare, row * kCheckerSquare, kCheckerSquare, kCheckerSquare,
                                      kCheckerWhite);
        }
        return;
    }
    if (!CopyParentBackground(this, memory))
        memory->FillSolidRect(client, GetEffectiveBackgroundColor());
}

void Image::OnMouseMove(LPARAM lParam)
{
    if (!dragging_)
        return;
    RECT place = {};
    ::GetWindowRect(m_hWnd, &place);
    const int32_t x = static_cast<int16_t>(LOWORD(lParam)) + place.left;
    const int32_t y = static_cast<int16_t>(HIWORD(lParam)) + place.top;
    const int32_t dx = x - lastCursor_.x;
    const int32_t dy = y - lastCursor_.y;
    if (dx == 0 && dy == 0)
        return;
    OffsetBy(dx, dy);
    lastCursor_.x += dx;
    lastCursor_.y += dy;
}

bool Image::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_PAINT:
        Paint();
        return true;
    case WM_ERASEBKGND:
        *result = 1;
        return true;
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursorW(nullptr, dragEnabled_ ? IDC_HAND : IDC_ARROW));
        *result = 1;
        return true;
    case WM_NCHITTEST:
        if (dragEnabled_ && !(::GetAsyncKeyState(VK_RBUTTON) & 0x8000) && !(::GetAsyncKeyState(VK_MBUTTON) & 0x8000))
            return false;
        *result = ::DefWindowProcW(m_hWnd, message, wParam, lParam);
        if (*result == HTCLIENT)
            *result = HTTRANSPARENT;
        return true;
    case WM_TIMER:
        if (wParam != kFrameTimer)
            return false;
        StepFrame(Now());
        return true;
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        return true;
    case WM_LBUTTONDOWN:
        ::SetCapture(m_hWnd);
        dragging_ = true;
        ::GetCursorPos(&dragStart_);
        lastCursor_ = dragStart_;
        return true;
    case WM_LBUTTONUP:
        dragging_ = false;
        ::ReleaseCapture();
        return true;
    case msg::kSetUserTimer:
        *result = ::SetTimer(m_hWnd, kFrameTimer, kFrameTimerMillis, nullptr) != 0;
        return true;
    case msg::kKillUserTimer:
        ::KillTimer(m_hWnd, kFrameTimer);
        return true;
    default:
        return Component<IImage>::HandleMessage(result, message, wParam, lParam);
    }
}

} // namespace win
} // namespace gui
} // namespace s
