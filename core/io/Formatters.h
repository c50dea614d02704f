#pragma once
#include <cstdint>

#include "core/str/StrBuffer.h"

// The short texts of measured values shown in display fields and list cells. Each formatter but
// FormatBitSize empties the string it is given first; FormatBitSize appends. Those that return
// the string take one from the pool when none is given; the others write nothing without one.
namespace s {
namespace time {
// "1d 1h", "1h 0m", "1m 0s" or "59s": the two largest units. A new string from the pool when
// out is null, which the caller gives back.
str::strbuffer::StrBuffer* FormatDuration(int64_t milliseconds, str::strbuffer::StrBuffer* out);
} // namespace time

namespace system {
namespace counter {
// "45.6 %"; a negative value leaves the string empty, values above 1000 wrap round to 0.1 .. 100.0.
str::strbuffer::StrBuffer* FormatPercentTenths(int32_t tenths, str::strbuffer::StrBuffer* out);
// "01:02:05"; hours are not limited, the sign is dropped.
str::strbuffer::StrBuffer* FormatHms(const int64_t* seconds, str::strbuffer::StrBuffer* out);
// "1.50 KB", "15.5 KB", "100 KB", "5 B". Null and -2 (no reading) leave the string empty; any
// other negative count gives "-". Counts beyond the terabyte field stay in terabytes.
void FormatByteSize(const int64_t* bytes, str::strbuffer::StrBuffer* out);
// The byte count as bits: "12.0 Kb", "800 b". Appends; -2 appends nothing, another negative count
// sets the string to "-".
void FormatBitSize(const int64_t* bytes, str::strbuffer::StrBuffer* out);
// "Error", "Canceled", ... "Completed!" for states 0 to 8; any other state leaves the string empty.
void FormatTransferState(int32_t state, str::strbuffer::StrBuffer* out);
} // namespace counter
} // namespace system
} // namespace s
