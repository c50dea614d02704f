#include "windowing/paint/Monitor.h"

namespace s {
namespace system {
namespace monitor {
namespace win {

Monitor::Monitor() : handle_(nullptr), index_(0) {}

Monitor::~Monitor() {}

thread::EasyPooler* Monitor::GetPool()
{
    return &thread::PoolOf<Monitor>();
}

Monitor* Monitor::New()
{
    return thread::TakeFromPool<Monitor>();
}

const wchar_t* Monitor::GetClassName()
{
    return kClassName;
}

base::IObject* Monitor::NewInstance()
{
    return New();
}

void Monitor::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Monitor::Reset()
{
    handle_ = nullptr;
    index_ = 0;
    name_.Clear();
}

const wchar_t* Monitor::GetName()
{
    return name_.GetText();
}

void Monitor::SetName(const wchar_t* name)
{
    name_.Assign(name ? name : L"");
}

RECT Monitor::ReadRect(bool workArea) const
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!handle_ || !GetMonitorInfoW(handle_, &info))
        return RECT{0, 0, 0, 0};
    return workArea ? info.rcWork : info.rcMonitor;
}

int32_t Monitor::GetLeft()
{
    return ReadRect(false).left;
}

int32_t Monitor::GetTop()
{
    return ReadRect(false).top;
}

int32_t Monitor::GetWidth()
{
    const RECT rect = ReadRect(false);
    return rect.right - rect.left;
}

int32_t Monitor::GetHeight()
{
    const RECT rect = ReadRect(false);
    return rect.bottom - rect.top;
}

int32_t Monitor::GetWorkLeft()
{
    return ReadRect(true).left;
}

int32_t Monitor::GetWorkTop()
{
    return ReadRect(true).top;
}

int32_t Monitor::GetWorkWidth()
{
    const RECT rect = ReadRect(true);
    return rect.right - rect.left;
}

int32_t Monitor::GetWorkHeight()
{
    const RECT rect = ReadRect(true);
    return rect.bottom - rect.top;
}

} // namespace win
} // namespace monitor
} // namespace system
} // namespace s
