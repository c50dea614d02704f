#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace gui {

// A COLORREF from the low byte of each component: red | green << 8 | blue << 16.
inline COLORREF ComposeColor(int32_t red, int32_t green, int32_t blue)
{
    return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

inline uint8_t RedOf(COLORREF color)
{
    return static_cast<uint8_t>(color & 0xFF);
}

inline uint8_t GreenOf(COLORREF color)
{
    return static_cast<uint8_t>((color >> 8) & 0xFF);
}

inline uint8_t BlueOf(COLORREF color)
{
    return static_cast<uint8_t>((color >> 16) & 0xFF);
}

} // namespace gui
} // namespace s
