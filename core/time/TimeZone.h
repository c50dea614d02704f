#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str

namespace time {

// A holder of the platform's time-zone record with three texts of its own.
class TimeZone : public base::IObject, public thread::IPoolable {
public:
    TimeZone();
    ~TimeZone() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Flag and bytes 0, the texts empty without storage, the record all zeros.
    void Reset() override;

    static thread::EasyPooler* GetPool();
    // The one instance that lives from start-up to exit.
    static TimeZone& GetProcessZone();

    int32_t flag;
    str::strbuffer::StrBuffer* texts[3];
    uint8_t bytes[2];
    TIME_ZONE_INFORMATION information;

private:
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;
};

} // namespace time
} // namespace s
