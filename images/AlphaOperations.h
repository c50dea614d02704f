#pragma once
#include <cstdint>

namespace s {
namespace image {

class IImageBuffer;

// The alpha and colour-key operations the codecs and printing use, in place on 0xAARRGGBB pixels.

// Pixels of the colour (low 24 bits) become fully transparent, every other pixel opaque; the
// has-alpha flag is set when a pixel matched and otherwise kept.
void ApplyColorKey(IImageBuffer* image, int32_t red, int32_t green, int32_t blue);
// Only with the has-alpha flag: fully transparent pixels take the colour, staying transparent.
void FillTransparent(IImageBuffer* image, int32_t red, int32_t green, int32_t blue);
// Pixels whose colour equals the mask's pixel at the same place become fully transparent; the
// mask is compared only where it exists. The has-alpha flag is set when any pixel matched.
void ApplyMaskImage(IImageBuffer* image, IImageBuffer* mask);
// Alpha below the threshold becomes 0, any other 255; the has-alpha flag tells whether one went 0.
void ApplyAlphaThreshold(IImageBuffer* image, int32_t threshold);
// Only with the has-alpha flag: every pixel is composed onto white and made opaque. Afterwards the
// image has no has-alpha flag in every case.
void FlattenOnWhite(IImageBuffer* image);

} // namespace image
} // namespace s
