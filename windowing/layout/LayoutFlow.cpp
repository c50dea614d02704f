#include "windowing/layout/LayoutFlow.h"

#include <algorithm>
#include <cmath>

#include "windowing/component/IComponent.h"
#include "windowing/layout/LayoutFrame.h"

namespace s {
namespace gui {
namespace layout {

namespace {

bool IsNonEmpty(IComponent* child)
{
    return child->IsShown() && child->GetWidth() > 0;
}

// One line of the flow: the children from first up to (not including) end.
struct Line {
    int32_t first = 0;
    int32_t end = 0;
    // The line's width minus the widths and gaps on it.
    int64_t free = 0;
};

// The line that starts at the child first. A gap stands before a child only when the child and
// an earlier child of the same line are non-empty. A child that fits exactly stays; one that
// does not opens the next line, unless the line is still empty (it would stay empty for ever).
Line NextLine(IComponent* container, int32_t count, int32_t first, int32_t width, int32_t gap)
{
    Line line;
    line.first = first;
    line.free = width;
    bool nonEmptyBefore = false;
    int32_t i = first;
    for (; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        const bool nonEmpty = IsNonEmpty(child);
        const int64_t before = nonEmpty && nonEmptyBefore ? gap : 0;
        const int64_t childWidth = child->GetWidth();
        if (i > first && line.free - before - childWidth < 0)
            break;
        line.free -= before + childWidth;
        nonEmptyBefore = nonEmptyBefore || nonEmpty;
    }
    line.end = i;
    return line;
}

// The tallest child of a line (heights below 0 count as 0) and the tallest of each child's
// maximum and height.
void LineHeights(IComponent* container, const Line& line, int32_t* natural, int32_t* maximum)
{
    *natural = 0;
    *maximum = 0;
    for (int32_t i = line.first; i < line.end; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        const int32_t height = child->GetHeight();
        *natural = std::max(*natural, height);
        *maximum = std::max(*maximum, std::max(child->GetMaxHeight(), height));
    }
}

} // namespace

void LayoutFlow(IComponent* container, int32_t hAlign, int32_t vAlign, int32_t hGap, int32_t vGap,
                int32_t* minWidth, int32_t* naturalHeight, int32_t* preferredWidth, int32_t* maxHeight)
{
    WriteSizeResults(minWidth, 0, naturalHeight, 0, preferredWidth, 0, maxHeight, 0);
    if (!container)
        return;
    const int32_t horizontalGap = NormalGap(hGap);
    const int32_t verticalGap = NormalGap(vGap);
    const int32_t count = container->GetChildCount();
    const bool suspended = SuspendChildren(container);

    int32_t widest = 0;
    int64_t preferred = 0;
    bool countedBefore = false;
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        const int32_t minimum = child->GetMinWidth();
        widest = std::max(widest, minimum);
        const bool counted = child->IsShown() && minimum > 0;
        if (counted && countedBefore)
            preferred += horizontalGap;
        countedBefore = countedBefore || counted;
        preferred += std::max(minimum, child->GetMaxWidth());
    }
    const int32_t width = std::max(container->GetClientWidth(), widest);
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (child)
            child->SetLayoutSize(width, 0);
    }

    int64_t naturalSum = 0;
    int64_t maximumSum = 0;
    for (int32_t first = 0; first < count;) {
        const Line line = NextLine(container, count, first, width, horizontalGap);
        int32_t natural = 0;
        int32_t maximum = 0;
        LineHeights(container, line, &natural, &maximum);
        if (naturalSum > 0) {
            naturalSum += verticalGap;
            maximumSum += verticalGap;
        }
        naturalSum += natural;
        maximumSum += maximum;
        first = line.end;
    }

    int64_t extra = std::max<int64_t>(container->GetClientHeight(), naturalSum) - naturalSum;
    if (extra > 0 && naturalSum < maximumSum) {
        const float ratio = static_cast<float>(extra) / static_cast<float>(maximumSum - naturalSum);
        for (int32_t first = 0; first < count;) {
            const Line line = NextLine(container, count, first, width, horizontalGap);
            int32_t before = 0;
            int32_t unused = 0;
            LineHeights(container, line, &before, &unused);
            for (int32_t i = line.first; i < line.end; ++i) {
                IComponent* child = container->GetChildAt(i);
                if (!child)
                    continue;
                const int32_t height = child->GetHeight();
                const int32_t maximum = child->GetMaxHeight();
                if (height >= maximum)
                    continue;
                const float share = static_cast<float>(maximum - height) * ratio;
                child->SetLayoutSize(width, Saturate(height + static_cast<int64_t>(std::trunc(share))));
            }
            int32_t after = 0;
            LineHeights(container, line, &after, &unused);
            extra -= after - before;
            first = line.end;
        }
    }

    int64_t y = AlignedStart(vAlign, Saturate(extra));
    for (int32_t first = 0; first < count;) {
        const Line line = NextLine(container, count, first, width, horizontalGap);
        int64_t x = AlignedStart(hAlign, Saturate(line.free));
        bool nonEmptyBefore = false;
        int32_t tallest = 0;
        for (int32_t i = line.first; i < line.end; ++i) {
            IComponent* child = container->GetChildAt(i);
            if (!child)
                continue;
            const bool nonEmpty = IsNonEmpty(child);
            if (nonEmpty && nonEmptyBefore)
                x += horizontalGap;
            nonEmptyBefore = nonEmptyBefore || nonEmpty;
            child->SetPosition(Saturate(x), Saturate(y));
            x += child->GetWidth();
            tallest = std::max(tallest, child->GetHeight());
        }
        y += tallest + verticalGap;
        first = line.end;
    }

    if (suspended)
        ResumeChildren(container);
    WriteSizeResults(minWidth, widest, naturalHeight, Saturate(naturalSum), preferredWidth, Saturate(preferred),
                     maxHeight, Saturate(maximumSum));
}

} // namespace layout
} // namespace gui
} // namespace s
