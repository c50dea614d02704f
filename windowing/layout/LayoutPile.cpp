#include "windowing/layout/LayoutPile.h"

#include <algorithm>

#include "windowing/component/IComponent.h"
#include "windowing/layout/LayoutFrame.h"

namespace s {
namespace gui {
namespace layout {

namespace {

IComponent* ShownChildAt(IComponent* container, int32_t index)
{
    IComponent* child = container->GetChildAt(index);
    return child && child->IsShown() ? child : nullptr;
}

} // namespace

void LayoutPile(IComponent* container, int32_t hAlign, int32_t vAlign, int32_t, int32_t* minWidth, int32_t* minHeight,
                int32_t* maxWidth, int32_t* maxHeight)
{
    WriteSizeResults(minWidth, 0, minHeight, 0, maxWidth, 0, maxHeight, 0);
    if (!container)
        return;
    const int32_t count = container->GetChildCount();
    const bool suspended = SuspendChildren(container);

    int32_t widest = 0;
    int32_t widestMaximum = 0;
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = ShownChildAt(container, i);
        if (!child)
            continue;
        const int32_t minimum = child->GetMinWidth();
        widest = std::max(widest, minimum);
        widestMaximum = std::max(widestMaximum, std::max(minimum, child->GetMaxWidth()));
    }
    const int32_t width = std::max(container->GetClientWidth(), widest);
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = ShownChildAt(container, i);
        if (child)
            child->SetLayoutSize(width, 0);
    }

    int32_t tallest = 0;
    int32_t tallestMaximum = 0;
    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = ShownChildAt(container, i);
        if (!child)
            continue;
        const int32_t minimum = child->GetMinHeight();
        tallest = std::max(tallest, minimum);
        tallestMaximum = std::max(tallestMaximum, std::max(minimum, child->GetMaxHeight()));
    }
    const int32_t height = std::max(container->GetClientHeight(), tallest);

    for (int32_t i = 0; i < count; ++i) {
        IComponent* child = ShownChildAt(container, i);
        if (!child)
            continue;
        const int32_t maximum = child->GetMaxHeight();
        // At least as high as the pile: the child's own clamp keeps it within its limits.
        if (child->GetHeight() < maximum)
            child->SetLayoutSize(child->GetWidth(), std::max(height, maximum));
        child->SetPosition(AlignedWithin(hAlign, width, child->GetWidth()),
                           AlignedWithin(vAlign, height, child->GetHeight()));
    }

    if (suspended)
        ResumeChildren(container);
    WriteSizeResults(minWidth, widest, minHeight, tallest, maxWidth, widestMaximum, maxHeight, tallestMaximum);
}

} // namespace layout
} // namespace gui
} // namespace s
