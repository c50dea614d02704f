#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/groupbox/Captioned.h"
#include "windowing/drawer/groupbox/IBasic.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {
namespace win {

// A group box's look without a skin: a one-pixel frame with rounded corners, open at the top
// where the caption stands, with the text drawer of its caption fonts, which it owns.
class Basic : public PooledDrawer<Basic, Captioned<IBasic>> {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_drawer_groupbox_win_Basic";
    static constexpr COLORREF kFrame = 0xBFD0D0;
    // Where the caption starts, from the box's left edge.
    static constexpr int32_t kCaptionLeft = 9;

    Basic();

    const wchar_t* GetClassName() override { return kClassName; }
    void Reset() override;

    void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* caption, IFont* font,
              int32_t captionWidth, int32_t captionHeight) override;
    void SetFrameColor(int32_t red, int32_t green, int32_t blue) override { frame_ = ComposeColor(red, green, blue); }
    uint8_t GetFrameRed() override { return RedOf(frame_); }
    uint8_t GetFrameGreen() override { return GreenOf(frame_); }
    uint8_t GetFrameBlue() override { return BlueOf(frame_); }

private:
    Basic(const Basic&) = delete;
    Basic& operator=(const Basic&) = delete;

    COLORREF frame_;
};

} // namespace win
} // namespace groupbox
} // namespace drawer
} // namespace gui
} // namespace s
