#pragma once
#include <windows.h>

#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "windowing/paint/IMonitor.h"

namespace s {
namespace system {
namespace monitor {
namespace win {

// A display monitor by its handle. The rectangles are asked of Windows on every query; a monitor
// that has gone answers 0.
class Monitor : public IMonitor, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_system_monitor_win_Monitor";

    Monitor();
    ~Monitor() override;

    static thread::EasyPooler* GetPool();
    static Monitor* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    int32_t GetIndex() override { return index_; }
    void SetIndex(int32_t index) override { index_ = index; }
    const wchar_t* GetName() override;
    void SetName(const wchar_t* name) override;
    int32_t GetLeft() override;
    int32_t GetTop() override;
    int32_t GetWidth() override;
    int32_t GetHeight() override;
    int32_t GetWorkLeft() override;
    int32_t GetWorkTop() override;
    int32_t GetWorkWidth() override;
    int32_t GetWorkHeight() override;

    HMONITOR GetHandle() const { return handle_; }
    void SetHandle(HMONITOR handle) { handle_ = handle; }

private:
    Monitor(const Monitor&) = delete;
    Monitor& operator=(const Monitor&) = delete;

    // The monitor or work rectangle as Windows tells it now; empty when it cannot.
    RECT ReadRect(bool workArea) const;

    HMONITOR handle_;
    int32_t index_;
    str::strbuffer::StrBuffer name_;
};

} // namespace win
} // namespace monitor
} // namespace system
} // namespace s
