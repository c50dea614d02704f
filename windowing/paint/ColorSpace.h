#pragma once
#include <cstdint>

namespace s {
namespace gui {
namespace color {

// Conversions for the skin colour editor. Red, green and blue 0-255; hue 0-359 degrees; saturation,
// value and lightness 0-100. Every step truncates, so a round trip may lose a few units.

// Single precision. A hue below 0 or from 360 up writes nothing.
void HsvToRgb(int32_t hue, int32_t saturation, int32_t value, int32_t* red, int32_t* green, int32_t* blue);

// Double precision.
void RgbToHsl(int32_t red, int32_t green, int32_t blue, int32_t* hue, int32_t* saturation, int32_t* lightness);
void HslToRgb(int32_t hue, int32_t saturation, int32_t lightness, int32_t* red, int32_t* green, int32_t* blue);

} // namespace color
} // namespace gui
} // namespace s
