#include "windowing/layout/LayoutFrame.h"

#include <cstdint>

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace layout {

bool SuspendChildren(IComponent* container)
{
    if (container->IsBoundsSuspended())
        return false;
    const int32_t count = container->GetChildCount();
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (child)
            child->SuspendBounds();
    }
    return true;
}

void ResumeChildren(IComponent* container)
{
    const int32_t count = container->GetChildCount();
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = container->GetChildAt(i);
        if (!child)
            continue;
        child->ResumeBounds();
        child->Redraw();
    }
}

int32_t NormalAlignment(int32_t align)
{
    if (align <= 0)
        return 0;
    return align == 1 ? 1 : 2;
}

int32_t NormalGap(int32_t gap)
{
    return gap < 0 ? 0 : gap;
}

int32_t AlignedStart(int32_t align, int32_t free)
{
    if (free < 1)
        return 0;
    switch (NormalAlignment(align)) {
    case 1:
        return free / 2;
    case 2:
        return free;
    default:
        return 0;
    }
}

int32_t AlignedWithin(int32_t align, int32_t span, int32_t size)
{
    if (size >= span)
        return 0;
    switch (NormalAlignment(align)) {
    case 1:
        return (span - size) / 2;
    case 2:
        return span - size;
    default:
        return 0;
    }
}

int32_t Saturate(int64_t value)
{
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

void WriteSizeResults(int32_t* first, int32_t firstValue, int32_t* second, int32_t secondValue, int32_t* third,
                      int32_t thirdValue, int32_t* fourth, int32_t fourthValue)
{
    if (first)
        *first = firstValue;
    if (second)
        *second = secondValue;
    if (third)
        *third = thirdValue;
    if (fourth)
        *fourth = fourthValue;
}

} // namespace layout
} // namespace gui
} // namespace s
