#include "windowing/layout/LayoutHorizontal.h"

#include <algorithm>
#include <cmath>

#include "windowing/component/IComponent.h"
#include "windowing/layout/LayoutFrame.h"

namespace s {
namespace gui {
namespace layout {

namespace {

int32_t GrownWidth(IComponent* child)
{
    return std::max(child->GetMinWidth(), child->GetMaxWidth());
}

// The sum of one width per child, a gap after each child whose width is at least 1 (none
// after the last).
template <class WidthOf>
int64_t SumWidths(IComponent* container, int32_t count, int32_t gap, WidthOf widthOf)
{
    int64_t sum = 0;
    int32_t last = 0;
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        if (last >= 1)
            sum += gap;
        last = widthOf(child);
        sum += last;
    }
    if (sum > 0 && last < 1)
        sum -= gap;
    return sum;
}

// Each child grows by the same share of what it may still grow; what truncation left goes to
// the first children that can take it. Returns the width nobody took.
int64_t ShareExtraWidth(IComponent* container, int32_t count, int64_t extra, int64_t growable)
{
    const float ratio = static_cast<float>(extra) / static_cast<float>(growable);
    int64_t remainder = extra;
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        const int32_t minimum = child->GetMinWidth();
        const int32_t maximum = child->GetMaxWidth();
        int64_t width = minimum;
        if (minimum < maximum)
            width += static_cast<int64_t>(std::trunc(static_cast<float>(maximum - minimum) * ratio));
        child->SetLayoutSize(Saturate(width), 0);
        remainder -= static_cast<int64_t>(child->GetWidth()) - minimum;
    }
    for (int32_t i = 0; i < count && remainder > 0; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        const int32_t width = child->GetWidth();
        const int32_t maximum = child->GetMaxWidth();
        if (width >= maximum)
            continue;
        child->SetLayoutSize(Saturate(std::min<int64_t>(maximum, width + remainder)), 0);
        remainder -= child->GetWidth() - width;
    }
    return remainder;
}

} // namespace

void LayoutHorizontal(IComponent* container, int32_t hAlign, int32_t vAlign, int32_t hGap, int32_t* minWidth,
                      int32_t* minHeight, int32_t* maxWidth, int32_t* maxHeight)
{
    WriteSizeResults(minWidth, 0, minHeight, 0, maxWidth, 0, maxHeight, 0);
    if (!container)
        return;
    const int32_t gap = NormalGap(hGap);
    const int32_t count = container->GetChildCount();
    const bool suspended = SuspendChildren(container);

    const int64_t minimumSum = SumWidths(container, count, gap, [](IComponent* c) { return c->GetMinWidth(); });
    const int64_t maximumSum = SumWidths(container, count, gap, GrownWidth);
    const int64_t width = std::max<int64_t>(container->GetClientWidth(), minimumSum);
    const int64_t extra = width - minimumSum;
    int64_t leftover = extra;
    if (extra > 0 && minimumSum < maximumSum && width < maximumSum) {
        leftover = ShareExtraWidth(container, count, extra, maximumSum - minimumSum);
    } else {
        const bool grow = extra > 0 && minimumSum < maximumSum;
        for (int32_t i = 0; i < count; ++i) {
            IComponent* child = container->GetChildAt(i);
            if (child)
                child->SetLayoutSize(grow ? GrownWidth(child) : child->GetMinWidth(), 0);
        }
        leftover = width - (grow ? maximumSum : minimumSum);
    }

    int32_t tallest = 0;
    int32_t tallestMaximum = 0;
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        const int32_t minimum = child->GetMinHeight();
        tallest = std::max(tallest, minimum);
        tallestMaximum = std::max(tallestMaximum, std::max(minimum, child->GetMaxHeight()));
    }
    const int32_t height = std::max(container->GetClientHeight(), tallest);
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (child)
            child->SetLayoutSize(child->GetWidth(), height);
    }

    int64_t x = AlignedStart(hAlign, Saturate(leftover));
    int32_t before = 0;
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        if (before > 0)
            x += gap;
        child->SetPosition(Saturate(x), AlignedWithin(vAlign, height, child->GetHeight()));
        before = child->GetWidth();
        x += before;
    }

    if (suspended)
        ResumeChildren(container);
    WriteSizeResults(minWidth, Saturate(minimumSum), minHeight, tallest, maxWidth, Saturate(maximumSum), maxHeight,
                     tallestMaximum);
}

} // namespace layout
} // namespace gui
} // namespace s
