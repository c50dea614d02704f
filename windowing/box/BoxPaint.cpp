// The Box's painting: paint listeners first; then, with the children left out, the background
// (hover colour, the parent's buffered background or its own colour) and the drawer go into the
// Box's own back image, which one BitBlt copies to the screen and its children show through.
#include "images/IImageBuffer.h"
#include "images/ImageCapacity.h"
#include "images/win/BufferedImage.h"
#include "mfc/PaintDC.h"
#include "skins/drawer/IWindow.h"
#include "windowing/box/Box.h"
#include "windowing/component/CopyParentBackground.h"
#include "windowing/paint/MemDC.h"

namespace s {
namespace gui {
namespace win {

void Box::Paint()
{
    paintedByListener_ = false;
    CPaintDC dc(this);
    if (listeners_[kPaint].GetCount() > 0) {
        paintDC_ = dc.GetSafeHdc();
        TellListeners(kPaint, kEventPaint);
        paintDC_ = nullptr;
        if (paintedByListener_)
            return;
    }
    for (int32_t i = 0; i < GetChildCount(); ++i) {
        IComponent* child = GetChildAt(i);
        if (!child || !child->IsShown())
            continue;
        const int32_t left = child->GetX() + marginLeft_;
        const int32_t top = child->GetY() + marginTop_;
        const RECT area = {left, top, left + child->GetWidth(), top + child->GetHeight()};
        dc.ExcludeClipRect(area);
    }
    RECT client;
    GetClientRect(&client);
    const int32_t width = client.right - client.left;
    const int32_t height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;
    if (!backImage_)
        backImage_ = image::win::BufferedImage::New();
    MemDC* memory = backImage_ && image::FitImageSize(backImage_, width, height, false)
                        ? MemDC::Create(nullptr, backImage_, false)
                        : nullptr;
    if (!memory) {
        // No pixels to spare: painted straight on the screen.
        ReleaseBackImage();
        FillBackground(&dc, client);
        return;
    }
    FillBackground(memory, client);
    if (drawer_)
        drawer_->DrawFrame(memory, 0, 0, width, height);
    dc.BitBlt(0, 0, width, height, memory, 0, 0, SRCCOPY);
    memory->ReleaseToPool();
}

void Box::FillBackground(CDC* dc, const RECT& client)
{
    if (hover_ && hasHoverColor_) {
        dc->FillSolidRect(client, hoverColor_);
        return;
    }
    if (inheritBackground_ && CopyParentBackground(this, dc))
        return;
    dc->FillSolidRect(client, GetEffectiveBackgroundColor());
}

void Box::ReleaseBackImage()
{
    if (!backImage_)
        return;
    backImage_->ReleaseToPool();
    backImage_ = nullptr;
}

void Box::SetDrawer(drawer::IWindow* drawer, bool owned)
{
    if (drawer_ && ownsDrawer_ && drawer_ != drawer)
        drawer_->ReleaseToPool();
    drawer_ = drawer;
    ownsDrawer_ = drawer && owned;
    Redraw();
}

} // namespace win
} // namespace gui
} // namespace s
