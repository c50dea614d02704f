#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/groupbox/Captioned.h"
#include "skins/drawer/groupbox/IThin.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {
namespace win {

// A group box's look: its frame colour, with the text drawer of its caption, which it owns.
class Thin : public PooledDrawer<Thin, Captioned<IThin>> {
public:
    Thin();

    const wchar_t* GetClassName() override;
    void Reset() override;

    void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* caption, IFont* font,
              int32_t captionWidth, int32_t captionHeight) override;

    void SetFrameColor(int32_t red, int32_t green, int32_t blue) override { frame_ = ComposeColor(red, green, blue); }
    uint8_t GetFrameRed() override { return RedOf(frame_); }
    uint8_t GetFrameGreen() override { return GreenOf(frame_); }
    uint8_t GetFrameBlue() override { return BlueOf(frame_); }
    text::win::Basic* GetTextDrawer() { return textDrawer_; }

private:
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    COLORREF frame_;
};

} // namespace win
} // namespace groupbox
} // namespace drawer
} // namespace gui
} // namespace s
