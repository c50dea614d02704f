#include "app/monitor/UnknownLocale.h"

#include "measurement/counter/CounterNames.h"
#include "measurement/counter/CounterReaders.h"
#include "windowing/MessageBoxW.h"

namespace s {
namespace gui {
namespace dialogs {
namespace monitor {

const wchar_t kUnknownLocaleText[] =
    L"Unknown Locale of Windows: Please send us the error report file so we can support this OS.";

bool SetUpCountersAndReportUnknownLocale()
{
    system::counter::win::InitCounters();
    if (!system::counter::win::CounterNamesMissing || system::counter::win::CounterRepairMade)
        return false;
    win::ShowInfoMessage(kUnknownLocaleText);
    return true;
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace s
