#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/slider/IThin.h"

namespace s {
namespace gui {
namespace drawer {
namespace border {
namespace win {
class Thin;
}
} // namespace border
namespace slider {
namespace win {

// A slider's look: a sunken frame, the bar between the reference and the thumb, raised thumbs.
// It owns its two border drawers (frame plain, thumbs shaded), which go with it.
class Thin : public PooledDrawer<Thin, IThin> {
public:
    Thin();
    ~Thin() override;

    const wchar_t* GetClassName() override;
    void Reset() override;

    void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t minimum, int32_t maximum,
              int32_t position, bool showBar, int32_t reference, bool enabled, bool rangeMode, int32_t secondPosition,
              int32_t gradientKind, int32_t a, int32_t b) override;
    uint8_t GetBarRed() override;
    uint8_t GetBarGreen() override;
    uint8_t GetBarBlue() override;
    void SetBarColor(int32_t red, int32_t green, int32_t blue) override;
    void SetForegroundColor(int32_t red, int32_t green, int32_t blue) override;
    void SetDisabledColor(int32_t red, int32_t green, int32_t blue) override;

    // 1 and 2 are the border variants of frame and thumbs; any other style draws neither.
    int32_t GetStyle() const { return style_; }
    void SetStyle(int32_t style) { style_ = style; }
    COLORREF GetBarColor() const { return bar_; }
    COLORREF GetForegroundColor() const { return foreground_; }
    COLORREF GetDisabledColor() const { return disabled_; }
    border::win::Thin* GetFrameBorder() const { return frameBorder_; }
    border::win::Thin* GetThumbBorder() const { return thumbBorder_; }

private:
    int32_t style_;
    COLORREF bar_;
    COLORREF foreground_;
    COLORREF disabled_;
    border::win::Thin* frameBorder_;
    border::win::Thin* thumbBorder_;
};

} // namespace win
} // namespace slider
} // namespace drawer
} // namespace gui
} // namespace s
