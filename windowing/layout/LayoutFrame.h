#pragma once
#include <cstdint>

namespace s {
namespace gui {

class IComponent;

namespace layout {

// The steps every layout algorithm shares.

// Starts a pass: unless the container itself is suspended (an outer pass will apply
// everything), every child only records its bounds from now on. True when the pass suspended
// them and so must resume them.
bool SuspendChildren(IComponent* container);
// Ends a pass begun by SuspendChildren: each child applies its bounds in one move and repaints.
void ResumeChildren(IComponent* container);

// An alignment code as the containers take it: 0 or less start, 1 centre, anything else end.
int32_t NormalAlignment(int32_t align);
// Gaps below 0 count as none: they would pull children over each other.
int32_t NormalGap(int32_t gap);

// Where a block starts in the free space before it: 0 at the start, half of it centred, all of
// it at the end; 0 whenever the free space is below 1.
int32_t AlignedStart(int32_t align, int32_t free);
// Where a child of the given size starts along a span: 0 unless it is smaller than the span.
int32_t AlignedWithin(int32_t align, int32_t span, int32_t size);

// Sums run in 64 bits, so that absurd sizes cannot wrap into negative ones; this brings them back.
int32_t Saturate(int64_t value);

// Writes the four size results the caller asked for.
void WriteSizeResults(int32_t* first, int32_t firstValue, int32_t* second, int32_t secondValue, int32_t* third,
                      int32_t thirdValue, int32_t* fourth, int32_t fourthValue);

} // namespace layout
} // namespace gui
} // namespace s
