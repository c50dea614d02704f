#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/window/IThin.h"

namespace s {
namespace gui {
namespace drawer {
namespace window {
namespace win {

// A toolkit window's look: background, frame colour and the corner styles of its region.
class Thin : public PooledDrawer<Thin, IThin> {
public:
    Thin();

    const wchar_t* GetClassName() override;
    void Reset() override;

    void DrawFrame(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    HRGN CreateRegion(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    COLORREF GetBackgroundColor() override { return background_; }
    uint8_t GetBackgroundRed() override;
    uint8_t GetBackgroundGreen() override;
    uint8_t GetBackgroundBlue() override;
    void SetBackgroundColor(int32_t red, int32_t green, int32_t blue) override;
    uint8_t GetForegroundRed() override;
    uint8_t GetForegroundGreen() override;
    uint8_t GetForegroundBlue() override;
    void SetForegroundColor(int32_t red, int32_t green, int32_t blue) override;
    void SetTopCornerStyle(int32_t style) override { topCornerStyle_ = style; }
    void SetBottomCornerStyle(int32_t style) override { bottomCornerStyle_ = style; }

    int32_t GetTopCornerStyle() const { return topCornerStyle_; }
    int32_t GetBottomCornerStyle() const { return bottomCornerStyle_; }
    bool IsBackgroundTransparent() const { return backgroundTransparent_ != 0; }
    COLORREF GetForegroundColor() const { return foreground_; }

private:
    int32_t topCornerStyle_;
    int32_t bottomCornerStyle_;
    uint8_t backgroundTransparent_;
    COLORREF background_;
    COLORREF foreground_;
};

} // namespace win
} // namespace window
} // namespace drawer
} // namespace gui
} // namespace s
