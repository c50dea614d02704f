#include "images/Transforms.h"

#include <cstring>
#include <vector>

#include "images/IImageBuffer.h"

namespace s {
namespace image {

namespace {

// The target at width x height without its old pixels (reserved in place, so a target that is
// big enough keeps its buffer), or a new image of the source's class.
IImageBuffer* PrepareTarget(IImageBuffer* source, IImageBuffer* target, int32_t width, int32_t height)
{
    if (!target)
        return source->NewImage(width, height);
    target->SetSize(0, 0);
    if (!target->Reserve(width, height) || !target->SetSize(width, height))
        return nullptr;
    return target;
}

// The source's rows, top row first: the turns read across rows, one pointer each.
std::vector<const uint32_t*> RowsOf(IImageBuffer* source)
{
    const int32_t height = source->GetHeight();
    std::vector<const uint32_t*> rows(static_cast<size_t>(height));
    for (int32_t y = 0; y < height; ++y)
        rows[static_cast<size_t>(y)] = source->GetRow(y);
    return rows;
}

enum class Turn { kRight, kHalf, kLeft, kMirror };

IImageBuffer* TurnImage(IImageBuffer* source, IImageBuffer* target, Turn turn)
{
    if (!source || source == target)
        return nullptr;
    const int32_t width = source->GetWidth();
    const int32_t height = source->GetHeight();
    const bool sideways = turn == Turn::kRight || turn == Turn::kLeft;
    const int32_t resultWidth = sideways ? height : width;
    const int32_t resultHeight = sideways ? width : height;
    IImageBuffer* result = PrepareTarget(source, target, resultWidth, resultHeight);
    if (!result)
        return nullptr;
    const std::vector<const uint32_t*> rows = RowsOf(source);
    for (int32_t i = 0; i < resultHeight; ++i) {
        uint32_t* to = result->GetRow(i);
        for (int32_t j = 0; j < resultWidth; ++j) {
            switch (turn) {
            case Turn::kRight:
                to[j] = rows[static_cast<size_t>(height - 1 - j)][i];
                break;
            case Turn::kHalf:
                to[j] = rows[static_cast<size_t>(height - 1 - i)][width - 1 - j];
                break;
            case Turn::kLeft:
                to[j] = rows[static_cast<size_t>(j)][width - 1 - i];
                break;
            case Turn::kMirror:
                to[j] = rows[static_cast<size_t>(i)][width - 1 - j];
                break;
            }
        }
    }
    result->SetHasAlpha(source->HasAlpha());
    return result;
}

} // namespace

IImageBuffer* CopyImage(IImageBuffer* source, IImageBuffer* target)
{
    if (!source || source == target)
        return nullptr;
    const int32_t width = source->GetWidth();
    const int32_t height = source->GetHeight();
    IImageBuffer* result = target;
    if (result) {
        // An empty source leaves an empty target: there are no pixels to make.
        if (!result->Create(width, height) && width > 0 && height > 0)
            return nullptr;
    } else {
        result = source->NewImage(width, height);
        if (!result)
            return nullptr;
    }
    const size_t rowBytes = static_cast<size_t>(source->GetRowBytes());
    for (int32_t y = 0; y < result->GetHeight(); ++y)
        std::memcpy(result->GetRow(y), source->GetRow(y), rowBytes);
    result->SetHasAlpha(source->HasAlpha());
    return result;
}

IImageBuffer* RotateRight(IImageBuffer* source, IImageBuffer* target)
{
    return TurnImage(source, target, Turn::kRight);
}

IImageBuffer* Rotate180(IImageBuffer* source, IImageBuffer* target)
{
    return TurnImage(source, target, Turn::kHalf);
}

IImageBuffer* RotateLeft(IImageBuffer* source, IImageBuffer* target)
{
    return TurnImage(source, target, Turn::kLeft);
}

IImageBuffer* MirrorHorizontal(IImageBuffer* source, IImageBuffer* target)
{
    return TurnImage(source, target, Turn::kMirror);
}

IImageBuffer* FlipVertical(IImageBuffer* source, IImageBuffer* target)
{
    if (!source || source == target)
        return nullptr;
    const int32_t width = source->GetWidth();
    const int32_t height = source->GetHeight();
    IImageBuffer* result = PrepareTarget(source, target, width, height);
    if (!result)
        return nullptr;
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    for (int32_t i = 0; i < height; ++i)
        std::memcpy(result->GetRow(i), source->GetRow(height - 1 - i), rowBytes);
    result->SetHasAlpha(source->HasAlpha());
    return result;
}

} // namespace image
} // namespace s
