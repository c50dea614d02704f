// The image widget's size limits: from the picture, the fixed sizes, the percentages of the
// parent's client area, the border and the stretch options.
#include <algorithm>
#include <cmath>

#include "windowing/widgets/Image.h"

namespace s {
namespace gui {
namespace win {

namespace {

// Half away from zero, kept inside the 32-bit sizes.
int32_t RoundSize(double value)
{
    if (!(value < 2147483647.0))
        return INT32_MAX;
    if (value < -2147483647.0)
        return -INT32_MAX;
    return static_cast<int32_t>(std::lround(value));
}

int32_t PercentOf(int32_t span, int32_t percent)
{
    return static_cast<int32_t>(static_cast<int64_t>(span) * percent / 100);
}

} // namespace

bool Image::WidthFollowsHeight() const
{
    return stretch_ && keepRatio_ && (fixedHeight_ >= 0 || heightPercent_ >= 0);
}

bool Image::HeightFollowsWidth() const
{
    return stretch_ && keepRatio_ && (fixedWidth_ >= 0 || widthPercent_ >= 0);
}

int32_t Image::GetMinWidth()
{
    if (!visible_)
        return 0;
    if (fixedWidth_ >= 0)
        return fixedWidth_;
    if (widthPercent_ >= 0)
        return 0;
    return GetMinClientWidth() + Border();
}

int32_t Image::GetMinHeight()
{
    if (!visible_)
        return 0;
    if (fixedHeight_ >= 0)
        return fixedHeight_;
    if (heightPercent_ >= 0)
        return 0;
    return GetMinClientHeight() + Border();
}

int32_t Image::GetMinClientWidth()
{
    if (fixedWidth_ >= 0)
        return std::max(0, fixedWidth_ - Border());
    if (widthPercent_ >= 0)
        return 0;
    if (!WidthFollowsHeight())
        return naturalWidth_;
    return RoundSize(GetMaxClientHeight() * widthPerHeight_);
}

int32_t Image::GetMinClientHeight()
{
    if (fixedHeight_ >= 0)
        return std::max(0, fixedHeight_ - Border());
    if (heightPercent_ >= 0)
        return 0;
    if (!HeightFollowsWidth())
        return naturalHeight_;
    return RoundSize(GetMaxClientWidth() * heightPerWidth_);
}

int32_t Image::GetMaxWidth()
{
    if (!visible_)
        return 0;
    if (fixedWidth_ >= 0)
        return fixedWidth_;
    return GetMaxClientWidth() + Border();
}

int32_t Image::GetMaxHeight()
{
    if (!visible_)
        return 0;
    if (fixedHeight_ >= 0)
        return fixedHeight_;
    return GetMaxClientHeight() + Border();
}

int32_t Image::GetMaxClientWidth()
{
    if (fixedWidth_ >= 0)
        return std::max(0, fixedWidth_ - Border());
    if (widthPercent_ < 0) {
        if (!WidthFollowsHeight())
            return std::max(naturalWidth_, imageWidth_);
        return RoundSize(GetMaxClientHeight() * widthPerHeight_);
    }
    const int32_t parentWidth = parent_ ? parent_->GetClientWidth() : 0;
    const int32_t width = PercentOf(parentWidth, widthPercent_) - Border();
    // A border wider than the share leaves no room, never a negative one.
    if (heightPercent_ < 0 || !stretch_ || !keepRatio_)
        return std::max(0, width);
    const int32_t parentHeight = parent_ ? parent_->GetClientHeight() : 0;
    const int32_t height = std::max(0, PercentOf(parentHeight, heightPercent_) - Border());
    return std::min(std::max(0, width), RoundSize(height * widthPerHeight_));
}

int32_t Image::GetMaxClientHeight()
{
    if (fixedHeight_ >= 0)
        return std::max(0, fixedHeight_ - Border());
    if (heightPercent_ < 0) {
        if (!HeightFollowsWidth())
            return std::max(naturalHeight_, imageHeight_);
        return RoundSize(GetMaxClientWidth() * heightPerWidth_);
    }
    const int32_t parentHeight = parent_ ? parent_->GetClientHeight() : 0;
    const int32_t height = PercentOf(parentHeight, heightPercent_) - Border();
    if (widthPercent_ < 0 || !stretch_ || !keepRatio_)
        return std::max(0, height);
    const int32_t parentWidth = parent_ ? parent_->GetClientWidth() : 0;
    const int32_t width = std::max(0, PercentOf(parentWidth, widthPercent_) - Border());
    return std::min(std::max(0, height), RoundSize(width * heightPerWidth_));
}

} // namespace win
} // namespace gui
} // namespace s
