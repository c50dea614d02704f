#pragma once
#include <windows.h>

#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/DC.h"

class CWnd;

namespace s {
namespace image {
namespace win {
class BufferedImage;
}
} // namespace image

namespace gui {
namespace win {

// The off-screen drawing surface over an image: a memory device context with the image's pixels
// selected, into which every widget and back buffer paints before one copy to the screen. Its pool
// keeps none, so releasing it always destroys it and deletes the context. While it holds the image,
// the picture is copied from the MemDC itself (a bitmap lives in one context at a time).
class MemDC : public base::IObject, public thread::IPoolable, public CDC {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_MemDC";
    static const int32_t kPoolCapacity = 0;

    MemDC();
    ~MemDC() override;

    static thread::EasyPooler* GetPool();

    // A context compatible with the window's (the screen's for a null window) holding the image's
    // pixels when an image is given. With ownsImage the MemDC gives the image back to its pool when
    // released. Null when no context can be made; the caller then keeps the image.
    static MemDC* Create(CWnd* window, image::win::BufferedImage* image, bool ownsImage);

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    // Puts the previous selection back, gives an owned image back, then the MemDC is destroyed.
    void ReleaseToPool() override;
    void Reset() override;

    image::win::BufferedImage* GetImage() const { return image_; }
    bool OwnsImage() const { return ownsImage_; }

private:
    bool ownsImage_;
    image::win::BufferedImage* image_;
    HGDIOBJ previous_;
};

} // namespace win
} // namespace gui
} // namespace s
