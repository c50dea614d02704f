#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/groupbox/Captioned.h"
#include "skins/drawer/groupbox/IThin.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {
namespace win {

// A group box's look: a two-pixel frame with cut corners in its frame colour, with the text
// drawer of its caption, which it owns.
class Thin : public PooledDrawer<Thin, Captioned<IThin>> {
public:
    Thin();

    const wchar_t* GetClassName() override;
    void Reset() override;

    void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* caption, IFont* font,
              int32_t captionWidth, int32_t captionHeight) override;

    text::win::Basic* GetTextDrawer() { return textDrawer_; }

private:
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;
};

} // namespace win
} // namespace groupbox
} // namespace drawer
} // namespace gui
} // namespace s
