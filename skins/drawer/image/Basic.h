#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/image/IBasic.h"

namespace s {
namespace gui {
namespace drawer {
namespace image {
namespace win {

// The image widget's default drawer; it has no fields of its own.
class Basic : public PooledDrawer<Basic, IBasic> {
public:
    const wchar_t* GetClassName() override;
    void Reset() override {}

    void Draw(CDC* dc, s::image::IBufferedImage* backImage, int32_t left, int32_t top, int32_t right, int32_t bottom,
              s::image::IBufferedImage* picture, bool stretch, bool framed, bool blend) override;
};

} // namespace win
} // namespace image
} // namespace drawer
} // namespace gui
} // namespace s
