#pragma once
#include <cstdint>

namespace s {
namespace image {

class IImageBuffer;

// Copies and quarter turns. Each fills the given target (its old pixels not kept) or, without one,
// a new image of the source's class, copies the has-alpha flag and returns the image it filled.
// Null when the source is null or is the target, or when the pixels cannot be made.

// The target is re-created at the source's size (always a new buffer); every row copied.
IImageBuffer* CopyImage(IImageBuffer* source, IImageBuffer* target);
// 90 degrees clockwise: H x W, target (row i, column j) = source (H - 1 - j, i).
IImageBuffer* RotateRight(IImageBuffer* source, IImageBuffer* target);
// W x H, target (i, j) = source (H - 1 - i, W - 1 - j).
IImageBuffer* Rotate180(IImageBuffer* source, IImageBuffer* target);
// 90 degrees counter-clockwise: H x W, target (i, j) = source (j, W - 1 - i).
IImageBuffer* RotateLeft(IImageBuffer* source, IImageBuffer* target);
// Left and right exchanged: target (i, j) = source (i, W - 1 - j).
IImageBuffer* MirrorHorizontal(IImageBuffer* source, IImageBuffer* target);
// Top and bottom exchanged, row by row: target (i, j) = source (H - 1 - i, j).
IImageBuffer* FlipVertical(IImageBuffer* source, IImageBuffer* target);

} // namespace image
} // namespace s
