#pragma once
#include <cstdint>

namespace s {
namespace image {

// The most pixels one decoded picture may have (16,384 x 16,384, a gigabyte at 32 bits): files
// claiming more are refused before anything is allocated, whoever made them.
const int64_t kMaxDecodedPixels = int64_t{1} << 28;

inline bool IsDecodableSize(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= 0x7FFFFFFF && height <= 0x7FFFFFFF &&
           width * height <= kMaxDecodedPixels;
}

} // namespace image
} // namespace s
