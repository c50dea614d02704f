#pragma once
#include "core/str/StrBuffer.h"

namespace s {
namespace system {
namespace win {

// The "[OS]" line of the system report, from the operating-system version record and the user's
// interface language; a pooled text (null when none can be had).
str::strbuffer::StrBuffer* BuildOsReport();

} // namespace win
} // namespace system
} // namespace s
