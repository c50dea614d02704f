#include "images/win/BitmapDc.h"

namespace s {
namespace image {
namespace win {

BitmapDc::BitmapDc(HBITMAP bitmap, CDC* like) : previous_(nullptr)
{
    if (!bitmap || !CreateCompatibleDC(like))
        return;
    previous_ = SelectObject(bitmap);
}

BitmapDc::~BitmapDc()
{
    if (previous_)
        SelectObject(previous_);
    DeleteDC();
}

bool BitmapDc::Select(HBITMAP bitmap)
{
    if (!IsReady() || !bitmap)
        return false;
    return SelectObject(bitmap) != nullptr;
}

} // namespace win
} // namespace image
} // namespace s
