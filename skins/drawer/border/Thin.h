#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/border/IThin.h"

namespace s {
namespace gui {
namespace drawer {
namespace border {
namespace win {

// Draws one-pixel frames in shades of a base colour, lighter on some edges and darker on others,
// with square corners or corners cut by one or two pixels. Shades are the components times a
// factor in double precision, truncated, limited to 0..255.
class Thin : public PooledDrawer<Thin, IThin> {
public:
    Thin();

    const wchar_t* GetClassName() override;
    void Reset() override;

    void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t type, int32_t variant,
              int32_t red, int32_t green, int32_t blue) override;
    void SetShaded(uint8_t shaded) override { shaded_ = shaded; }

    uint8_t IsShaded() const { return shaded_; }

private:
    uint8_t shaded_;
};

} // namespace win
} // namespace border
} // namespace drawer
} // namespace gui
} // namespace s
