// The Box's size rules (pixels, percents of the parent, content sizes and margins) and its
// layout pass.
#include <algorithm>
#include <cmath>

#include "windowing/box/Box.h"
#include "windowing/layout/FlowH.h"
#include "windowing/layout/LayoutFlow.h"
#include "windowing/layout/LayoutHorizontal.h"
#include "windowing/layout/LayoutPile.h"
#include "windowing/layout/LayoutVertical.h"

namespace s {
namespace gui {
namespace win {

namespace {

// Two passes at most: a Box laid out from its own child's layout goes no deeper.
const int32_t kLayoutDepthLimit = 2;

int32_t Saturated(double value)
{
    if (value >= INT32_MAX)
        return INT32_MAX;
    if (value <= INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

// Percent of a length less the margins, rounded half away from zero.
int32_t PercentOf(int32_t length, int32_t percent, int32_t margins)
{
    return Saturated(std::round(static_cast<double>(length) * percent / 100.0 - margins));
}

int32_t AtLeastZero(int32_t value)
{
    return std::max(value, 0);
}

int32_t Sum(int32_t a, int32_t b, int32_t c)
{
    return Saturated(static_cast<double>(a) + b + c);
}

} // namespace

int32_t Box::GetClientWidth()
{
    return AtLeastZero(Sum(width_, -marginLeft_, -marginRight_));
}

int32_t Box::GetClientHeight()
{
    return AtLeastZero(Sum(height_, -marginTop_, -marginBottom_));
}

void Box::SetClientWidth(int32_t width)
{
    SetWidth(AtLeastZero(Sum(width, marginLeft_, marginRight_)));
}

void Box::SetClientHeight(int32_t height)
{
    SetHeight(AtLeastZero(Sum(height, marginTop_, marginBottom_)));
}

void Box::SetPosition(int32_t x, int32_t y)
{
    Component<IBox>::SetPosition(x, y);
    TellListeners(kBounds, kEventBounds);
}

void Box::SetSize(int32_t width, int32_t height)
{
    Component<IBox>::SetSize(width, height);
    TellListeners(kBounds, kEventBounds);
}

void Box::SetBounds(int32_t x, int32_t y, int32_t width, int32_t height)
{
    Component<IBox>::SetBounds(x, y, width, height);
    TellListeners(kBounds, kEventBounds);
}

int32_t Box::GetMinWidth()
{
    if (ignoreMinWidth_)
        return 0;
    if (fixedWidth_ >= 0)
        return fixedWidth_;
    const int32_t content = std::max(Sum(contentMinWidth_, marginLeft_, marginRight_), sizeHint_);
    return explicitMinWidth_ >= 0 ? std::max(content, explicitMinWidth_) : content;
}

int32_t Box::GetMinHeight()
{
    if (ignoreMinHeight_)
        return 0;
    if (fixedHeight_ >= 0)
        return fixedHeight_;
    return Sum(contentNaturalHeight_, marginTop_, marginBottom_);
}

// The minimum less the margins: the content's own minimum, or what pixels and the explicit
// minimum leave inside the margins.
int32_t Box::GetMinClientWidth()
{
    if (ignoreMinWidth_)
        return 0;
    return AtLeastZero(Sum(GetMinWidth(), -marginLeft_, -marginRight_));
}

int32_t Box::GetMinClientHeight()
{
    if (ignoreMinHeight_)
        return 0;
    return AtLeastZero(Sum(GetMinHeight(), -marginTop_, -marginBottom_));
}

// Without a parent there is nothing to take a percent of: the Box counts as having none.
int32_t Box::GetMaxWidth()
{
    if (fixedWidth_ >= 0)
        return fixedWidth_;
    if (widthPercent_ < 0 || !parent_)
        return Sum(marginLeft_, marginRight_, std::max(contentMinWidth_, contentMaxWidth_));
    return AtLeastZero(PercentOf(parent_->GetClientWidth(), widthPercent_, 0));
}

int32_t Box::GetMaxHeight()
{
    if (fixedHeight_ >= 0)
        return fixedHeight_;
    if (heightPercent_ < 0 || !parent_)
        return Sum(marginTop_, marginBottom_, std::max(contentNaturalHeight_, contentMaxHeight_));
    return AtLeastZero(PercentOf(parent_->GetClientHeight(), heightPercent_, 0));
}

int32_t Box::GetMaxClientWidth()
{
    const int32_t margins = Sum(marginLeft_, marginRight_, 0);
    if (fixedWidth_ >= 0 || widthPercent_ < 0 || !parent_)
        return AtLeastZero(Sum(GetMaxWidth(), -margins, 0));
    return AtLeastZero(PercentOf(parent_->GetClientWidth(), widthPercent_, margins));
}

int32_t Box::GetMaxClientHeight()
{
    const int32_t margins = Sum(marginTop_, marginBottom_, 0);
    if (fixedHeight_ >= 0 || heightPercent_ < 0 || !parent_)
        return AtLeastZero(Sum(GetMaxHeight(), -margins, 0));
    return AtLeastZero(PercentOf(parent_->GetClientHeight(), heightPercent_, margins));
}

// Below the maximum a size is kept but raised to the minimum (so 0 gives the minimum); from the
// maximum on it is the maximum. A maximum below the minimum (an explicit minimum width above
// what the content needs) is raised to it, so that no size cuts the Box below its minimum.
void Box::SetLayoutSize(int32_t width, int32_t height)
{
    const int32_t maxWidth = std::max(GetMaxWidth(), GetMinWidth());
    const int32_t maxHeight = std::max(GetMaxHeight(), GetMinHeight());
    const int32_t w = width < maxWidth ? std::max(width, GetMinWidth()) : maxWidth;
    const int32_t h = height < maxHeight ? std::max(height, GetMinHeight()) : maxHeight;
    SetSize(w, h);
    DoLayout();
}

void Box::DoLayout()
{
    if (creatingChildren_ || layoutDepth_ >= kLayoutDepthLimit)
        return;
    ++layoutDepth_;
    contentMinWidth_ = contentNaturalHeight_ = contentMaxWidth_ = contentMaxHeight_ = 0;
    if (GetChildCount() > 0) {
        if (layoutManager_) {
            layoutManager_->Layout(this);
        } else {
            switch (layoutKind_) {
            case kRow:
                layout::LayoutHorizontal(this, hAlign_, vAlign_, hGap_, &contentMinWidth_, &contentNaturalHeight_,
                                         &contentMaxWidth_, &contentMaxHeight_);
                break;
            case kFlow:
                layout::LayoutFlow(this, hAlign_, vAlign_, hGap_, vGap_, &contentMinWidth_, &contentNaturalHeight_,
                                   &contentMaxWidth_, &contentMaxHeight_);
                break;
            case kPile:
                layout::LayoutPile(this, hAlign_, vAlign_, vGap_, &contentMinWidth_, &contentNaturalHeight_,
                                   &contentMaxWidth_, &contentMaxHeight_);
                break;
            default:
                layout::LayoutVertical(this, hAlign_, vAlign_, vGap_, &contentMinWidth_, &contentNaturalHeight_,
                                       &contentMaxWidth_, &contentMaxHeight_);
                break;
            }
        }
    }
    TellListeners(kLayout, kEventLayout);
    --layoutDepth_;
}

void Box::RequestLayout()
{
    DoLayout();
}

ILayoutManager* Box::GetLayoutManager()
{
    return layoutManager_ ? layoutManager_ : layout::FlowH::Shared();
}

void Box::SetLayoutManager(ILayoutManager* manager)
{
    layoutManager_ = manager;
}

} // namespace win
} // namespace gui
} // namespace s
