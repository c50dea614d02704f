#include "images/IImageBuffer.h"

#include "core/thread/IPoolable.h"

namespace s {
namespace image {

void ReleaseImage(IImage* image)
{
    if (!image)
        return;
    // Every image class of the library is pooled; its pool resets or destroys it.
    thread::IPoolable* pooled = dynamic_cast<thread::IPoolable*>(image);
    if (pooled)
        pooled->ReleaseToPool();
    else
        delete image;
}

} // namespace image
} // namespace s
