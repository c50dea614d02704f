#include "windowing/layout/LayoutVertical.h"

#include <algorithm>
#include <cmath>

#include "windowing/component/IComponent.h"
#include "windowing/layout/LayoutFrame.h"

namespace s {
namespace gui {
namespace layout {

namespace {

struct ColumnSums {
    int64_t natural = 0;
    int64_t maximum = 0;
};

// Gives every child its natural height at the column's width; a gap stands only below a child
// that has a height.
ColumnSums NaturalHeights(IComponent* container, int32_t count, int32_t width, int32_t gap)
{
    ColumnSums sums;
    int32_t lastHeight = 0;
    int32_t lastMaximum = 0;
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        child->SetLayoutSize(width, 0);
        const int32_t height = child->GetHeight();
        const int32_t maximum = std::max(child->GetMaxHeight(), height);
        if (lastHeight > 0)
            sums.natural += gap;
        if (lastMaximum > 0)
            sums.maximum += gap;
        sums.natural += height;
        sums.maximum += maximum;
        lastHeight = height;
        lastMaximum = maximum;
    }
    if (lastHeight < 1 && sums.natural > 0)
        sums.natural -= gap;
    if (lastMaximum < 1 && sums.maximum > 0)
        sums.maximum -= gap;
    return sums;
}

// Shares the extra height when not every child can reach its maximum: each grows by the same
// share of what it may still grow, and what truncation left goes to the first children that can
// take it. The height nobody could take is returned.
int64_t ShareExtraHeight(IComponent* container, int32_t count, int32_t width, int64_t extra, int64_t growable)
{
    const float ratio = static_cast<float>(extra) / static_cast<float>(growable);
    int64_t remainder = extra;
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        const int32_t height = child->GetHeight();
        const int32_t maximum = child->GetMaxHeight();
        if (height >= maximum)
            continue;
        const float share = static_cast<float>(maximum - height) * ratio;
        child->SetLayoutSize(width, Saturate(height + static_cast<int64_t>(std::trunc(share))));
        remainder -= child->GetHeight() - height;
    }
    for (int32_t i = 0; i < count && remainder > 0; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        const int32_t height = child->GetHeight();
        const int32_t maximum = child->GetMaxHeight();
        if (height >= maximum)
            continue;
        child->SetLayoutSize(width, Saturate(std::min<int64_t>(maximum, height + remainder)));
        remainder -= child->GetHeight() - height;
    }
    return remainder;
}

} // namespace

void LayoutVertical(IComponent* container, int32_t hAlign, int32_t vAlign, int32_t vGap, int32_t* minWidth,
                    int32_t* naturalHeight, int32_t* maxWidth, int32_t* maxHeight)
{
    WriteSizeResults(minWidth, 0, naturalHeight, 0, maxWidth, 0, maxHeight, 0);
    if (!container)
        return;
    const int32_t gap = NormalGap(vGap);
    const int32_t count = container->GetChildCount();
    const bool suspended = SuspendChildren(container);

    int32_t widest = 0;
    int32_t widestMaximum = 0;
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        const int32_t minimum = child->GetMinWidth();
        widest = std::max(widest, minimum);
        widestMaximum = std::max(widestMaximum, std::max(minimum, child->GetMaxWidth()));
    }
    const int32_t width = std::max(container->GetClientWidth(), widest);

    const ColumnSums sums = NaturalHeights(container, count, width, gap);
    const int64_t height = std::max<int64_t>(container->GetClientHeight(), sums.natural);
    const int64_t extra = height - sums.natural;
    int64_t offset = extra;
    if (extra > 0 && sums.natural < sums.maximum) {
        if (height < sums.maximum) {
            offset = ShareExtraHeight(container, count, width, extra, sums.maximum - sums.natural);
        } else {
            for (int32_t i = 0; i < count; ++i) {
                IComponent* child = container->GetChildAt(i);
                if (child)
                    child->SetLayoutSize(width, child->GetMaxHeight());
            }
            offset = height - sums.maximum;
        }
    }

    int64_t y = AlignedStart(vAlign, Saturate(offset));
    int32_t above = 0;
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        if (above > 0)
            y += gap;
        const int32_t childHeight = child->GetHeight();
        child->SetPosition(AlignedWithin(hAlign, width, child->GetWidth()), Saturate(y));
        y += childHeight;
        above = childHeight;
    }

    if (suspended)
        ResumeChildren(container);
    WriteSizeResults(minWidth, widest, naturalHeight, Saturate(sums.natural), maxWidth, widestMaximum, maxHeight,
                     Saturate(sums.maximum));
}

} // namespace layout
} // namespace gui
} // namespace s
