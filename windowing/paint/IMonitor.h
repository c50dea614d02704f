#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace system {
namespace monitor {

// One display monitor: its place in the enumeration, its device name, and its monitor and
// work-area rectangles, read anew on every query so that they follow resolution and task-bar changes.
class IMonitor : public base::IObject {
public:
    virtual int32_t GetIndex() = 0;
    virtual void SetIndex(int32_t index) = 0;
    virtual const wchar_t* GetName() = 0;
    virtual void SetName(const wchar_t* name) = 0;
    virtual int32_t GetLeft() = 0;
    virtual int32_t GetTop() = 0;
    virtual int32_t GetWidth() = 0;
    virtual int32_t GetHeight() = 0;
    virtual int32_t GetWorkLeft() = 0;
    virtual int32_t GetWorkTop() = 0;
    virtual int32_t GetWorkWidth() = 0;
    virtual int32_t GetWorkHeight() = 0;
};

} // namespace monitor
} // namespace system
} // namespace s
