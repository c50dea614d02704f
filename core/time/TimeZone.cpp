#include "core/time/TimeZone.h"

#include "core/str/StrBuffer.h"

namespace s {
namespace time {

TimeZone::TimeZone() : flag(0), texts{}, bytes{}
{
    for (str::strbuffer::StrBuffer*& text : texts)
        text = str::strbuffer::StrBuffer::New();
    Reset();
}

TimeZone::~TimeZone()
{
    Reset();
    // Deleted, not given back: the string pool may already be gone at process exit.
    for (str::strbuffer::StrBuffer*& text : texts) {
        delete text;
        text = nullptr;
    }
}

const wchar_t* TimeZone::GetClassName()
{
    return L"s_time_TimeZone";
}

base::IObject* TimeZone::NewInstance()
{
    return thread::TakeFromPool<TimeZone>();
}

void TimeZone::ReleaseToPool()
{
    thread::GiveToPool(this);
}

void TimeZone::Reset()
{
    flag = 0;
    for (str::strbuffer::StrBuffer* text : texts) {
        if (text)
            text->FreeAll();
    }
    bytes[0] = bytes[1] = 0;
    ZeroMemory(&information, sizeof information);
}

thread::EasyPooler* TimeZone::GetPool()
{
    return &thread::PoolOf<TimeZone>();
}

TimeZone& TimeZone::GetProcessZone()
{
    static TimeZone zone;
    return zone;
}

} // namespace time
} // namespace s
