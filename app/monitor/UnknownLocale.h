#pragma once

namespace s {
namespace gui {
namespace dialogs {
namespace monitor {

// Sets up the performance counters once. When no known language matched the system's counter
// names and no repair was made, tells the user in an information box and returns true, so the
// caller can write the error report; false otherwise.
bool SetUpCountersAndReportUnknownLocale();

extern const wchar_t kUnknownLocaleText[];

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace s
