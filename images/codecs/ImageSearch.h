#pragma once
#include <cstdint>
#include <cstdlib>

namespace s {
namespace image {

struct ImageShape {
    int32_t width;
    int32_t height;
    int32_t bitCount;
};

enum class ImageSearch { kExact, kNearestDepth, kNearestSize };

// The searches of the multi-image codecs over count images whose shapes shapeAt (index) gives:
// the first exact match; else, for the nearest searches, the image nearest in depth then area, or
// in area then depth, the earlier of full ties. False, index 0, without a match or without images.
template <class ShapeAt>
bool FindImage(int32_t count, ShapeAt shapeAt, int32_t width, int32_t height, int32_t bitCount, ImageSearch search,
               int32_t* index)
{
    if (index)
        *index = 0;
    for (int32_t i = 0; i < count; ++i) {
        const ImageShape shape = shapeAt(i);
        if (shape.width == width && shape.height == height && shape.bitCount == bitCount) {
            if (index)
                *index = i;
            return true;
        }
    }
    if (search == ImageSearch::kExact || count <= 0)
        return false;
    const bool depthFirst = search == ImageSearch::kNearestDepth;
    const int64_t area = int64_t(width) * height;
    int32_t best = 0;
    int64_t bestFirst = 0;
    int64_t bestSecond = 0;
    for (int32_t i = 0; i < count; ++i) {
        const ImageShape shape = shapeAt(i);
        const int64_t depth = std::llabs(int64_t(bitCount) - shape.bitCount);
        const int64_t size = std::llabs(area - int64_t(shape.width) * shape.height);
        const int64_t first = depthFirst ? depth : size;
        const int64_t second = depthFirst ? size : depth;
        if (i == 0 || first < bestFirst || (first == bestFirst && second < bestSecond)) {
            best = i;
            bestFirst = first;
            bestSecond = second;
        }
    }
    if (index)
        *index = best;
    return true;
}

} // namespace image
} // namespace s
