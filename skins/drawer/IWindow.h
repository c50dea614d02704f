#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
#include "mfc/DC.h"
#include "skins/drawer/IDrawer.h"

namespace s {
namespace gui {
namespace drawer {

// Paints a toolkit window's background and frame and gives its corner shape as a region.
// Colours are composed from the low byte of each component.
class IWindow : public IDrawer {
public:
    // Background and frame of the client rectangle (left and top 0; right and bottom exclusive).
    virtual void DrawFrame(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    // The window's region for its rectangle (right and bottom inclusive), owned by the caller;
    // null leaves the window rectangular.
    virtual HRGN CreateRegion(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    virtual COLORREF GetBackgroundColor() = 0;
    virtual uint8_t GetBackgroundRed() = 0;
    virtual uint8_t GetBackgroundGreen() = 0;
    virtual uint8_t GetBackgroundBlue() = 0;
    // Also ends the transparent background.
    virtual void SetBackgroundColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual uint8_t GetForegroundRed() = 0;
    virtual uint8_t GetForegroundGreen() = 0;
    virtual uint8_t GetForegroundBlue() = 0;
    virtual void SetForegroundColor(int32_t red, int32_t green, int32_t blue) = 0;
    // 0 square, 1 slightly rounded, 2 rounded.
    virtual void SetTopCornerStyle(int32_t style) = 0;
    virtual void SetBottomCornerStyle(int32_t style) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
