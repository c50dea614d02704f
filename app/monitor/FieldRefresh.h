#pragma once
#include <cstdint>

#include "app/monitor/IFieldRow.h"

namespace s {
namespace system {
namespace counter {

// One refresh of the fields in display order: the process lists once, then the callback of every
// enabled field that has one. Disabled fields are not read.
void RefreshFields(IFieldRow* const* fields, int32_t count);

} // namespace counter
} // namespace system
} // namespace s
