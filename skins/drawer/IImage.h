#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
#include "images/IBufferedImage.h"
#include "mfc/DC.h"

namespace s {
namespace gui {
namespace drawer {

// Paints one picture into a rectangle of a control: optionally a black one-pixel frame, then the
// picture copied into the device context or, when it has transparency and blending is asked
// for, blended into the control's back image.
class IImage : public base::IObject, public thread::IPoolable {
public:
    // Right and bottom are exclusive; the back image is the one the context draws into.
    virtual void Draw(CDC* dc, image::IBufferedImage* backImage, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, image::IBufferedImage* picture, bool stretch, bool framed, bool blend) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
