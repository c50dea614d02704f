#pragma once
#include <cstdint>

#include "app/monitor/IFieldRow.h"
#include "core/str/StrBuffer.h"

namespace s {
namespace system {
namespace counter {

// How a refresh repaints a row once its text and samples are set.
enum FieldRedraw : int32_t {
    // Value label set quietly, counter redrawn: the graphs that move every refresh.
    kRedrawAlways = 0,
    // The counter is redrawn only when the meter's sample moved; otherwise the label repaints.
    kRedrawOnChange = 1,
    // The value label repaints itself; no counter work.
    kRedrawTextOnly = 2,
    // The value label is set quietly and only re-measures; no counter work.
    kRedrawTextQuiet = 3,
};

// Red while the condition holds; the colour changes only when the state does, and rows without
// a counter are never coloured.
void ApplyHighlight(IFieldRow* field, bool red);

// Adds the samples (secondary only when given), remembers them for the meter kinds and sets the
// text and repaint by the rule.
void PublishField(IFieldRow* field, const wchar_t* text, FieldRedraw redraw, const int64_t* primary,
                  const int64_t* secondary);

// "1,234,567"; 0 is "0", a negative value keeps its sign. Empties out first.
void FormatGroupedNumber(int64_t value, str::strbuffer::StrBuffer* out);

} // namespace counter
} // namespace system
} // namespace s
