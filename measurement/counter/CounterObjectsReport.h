#pragma once
#include "core/str/StrArray.h"

namespace s {
namespace system {
namespace counter {
namespace win {

// The "[Performance Counter Objects] " section of the system report: each performance object the
// shared counter query reads, as "# " and its name in the system's language, then the names of its
// counters, one a line, then each of its instances as "## " and its name.
str::strarray::StrArray* BuildCounterObjectsReport();

} // namespace win
} // namespace counter
} // namespace system
} // namespace s
