#include "measurement/counter/PdhLibrary.h"

#include <atomic>
#include <mutex>

#include "measurement/win/DllLocater.h"

namespace s {
namespace system {
namespace counter {
namespace win {

namespace {
const wchar_t kPdhLibrary[] = L"Pdh.dll";

PdhFunctions gFunctions = {};
std::atomic<bool> gBound{false};

// Holds the module until process exit; made on the first load, so it outlives every Counter
// that was built with its entry points (those are destroyed first, in reverse order).
system::win::DllLocater& PdhModule()
{
    static system::win::DllLocater holder;
    return holder;
}

template <class F>
void Resolve(HMODULE module, const char* name, F* slot)
{
    *slot = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void LoadOnce()
{
    system::win::DllLocater& holder = PdhModule();
    if (!holder.LoadOrTell(kPdhLibrary, kPdhLibrary))
        return;
    const HMODULE module = holder.module;
    PdhFunctions& f = gFunctions;
    Resolve(module, "PdhOpenQuery", &f.openQuery);
    Resolve(module, "PdhCloseQuery", &f.closeQuery);
    Resolve(module, "PdhCollectQueryData", &f.collectQueryData);
    Resolve(module, "PdhGetFormattedCounterValue", &f.getFormattedCounterValue);
    Resolve(module, "PdhGetRawCounterValue", &f.getRawCounterValue);
    Resolve(module, "PdhComputeCounterStatistics", &f.computeCounterStatistics);
    Resolve(module, "PdhAddCounterW", &f.addCounter);
    Resolve(module, "PdhExpandCounterPathW", &f.expandCounterPath);
    Resolve(module, "PdhEnumObjectsW", &f.enumObjects);
    Resolve(module, "PdhEnumObjectItemsW", &f.enumObjectItems);
    Resolve(module, "PdhValidatePathW", &f.validatePath);
    Resolve(module, "PdhLookupPerfNameByIndexW", &f.lookupPerfNameByIndex);
}
} // namespace

PdhFunctions& GetPdhFunctions()
{
    return gFunctions;
}

void LoadPdh()
{
    static std::once_flag once;
    std::call_once(once, &LoadOnce);
}

bool IsPdhBound()
{
    return gBound.load();
}

void SetPdhBound()
{
    gBound.store(true);
}

} // namespace win
} // namespace counter
} // namespace system
} // namespace s
