#include "windowing/paint/MonitorList.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>

#include "core/base/Cleaner.h"
#include "core/col/ArrayP.h"
#include "core/thread/ObjLocker.h"
#include "windowing/paint/Monitor.h"

namespace s {
namespace system {
namespace monitor {

namespace {

// The process's monitors, filled once under the lock; read without it afterwards, since it never
// changes again. At exit the monitors are deleted with it (their pool may already be gone).
struct MonitorList {
    thread::ObjLocker locker;
    cleaner::CleanerIObject owner;
    col::_array::ArrayP monitors;
    std::atomic<bool> done{false};

    MonitorList() { monitors.SetCleaner(&owner); }
};

MonitorList& List()
{
    static MonitorList list;
    return list;
}

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM data)
{
    col::_array::ArrayP* monitors = reinterpret_cast<col::_array::ArrayP*>(data);
    win::Monitor* monitor = win::Monitor::New();
    if (!monitor)
        return TRUE;
    monitor->SetIndex(static_cast<int32_t>(monitors->GetCount()));
    monitor->SetHandle(handle);
    MONITORINFOEXW info = {};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(handle, &info))
        monitor->SetName(info.szDevice);
    monitors->Append(static_cast<base::IObject*>(monitor));
    return TRUE;
}

MonitorList& FilledList()
{
    MonitorList& list = List();
    if (list.done.load())
        return list;
    thread::ScopedLock hold(list.locker);
    if (!list.done.load()) {
        EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&list.monitors));
        list.done.store(true);
    }
    return list;
}

} // namespace

int32_t GetMonitorCount()
{
    return static_cast<int32_t>(FilledList().monitors.GetCount());
}

win::Monitor* MonitorFromRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    MonitorList& list = FilledList();
    const RECT rect = {x, y, static_cast<LONG>(std::min<int64_t>(int64_t(x) + width, INT32_MAX)),
                       static_cast<LONG>(std::min<int64_t>(int64_t(y) + height, INT32_MAX))};
    const HMONITOR handle = ::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST);
    const uint32_t count = list.monitors.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        win::Monitor* monitor = static_cast<win::Monitor*>(static_cast<base::IObject*>(list.monitors.Get(i)));
        if (monitor->GetHandle() == handle)
            return monitor;
    }
    return nullptr;
}

} // namespace monitor
} // namespace system
} // namespace s
