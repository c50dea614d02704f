#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/ProgressCtrl.h"
#include "storage/events/IEventListener.h"
#include "windowing/component/Component.h"
#include "windowing/widgets/IProgressBar.h"

namespace s {
namespace gui {
namespace win {

// The toolkit's progress bar (see IProgressBar) over the system's control; range and position
// are kept before the control exists and given to it when it is made. It is never measured: its
// limits come from a fixed size or a percent only.
class ProgressBar : public Component<IProgressBar, CProgressCtrl>,
                    public thread::IPoolable,
                    public events::IEventListener {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_ProgressBar";
    static constexpr int32_t kPoolCapacity = 1000;
    static constexpr UINT kControlId = 1007;

    ProgressBar();
    ~ProgressBar() override;

    static thread::EasyPooler* GetPool();
    static ProgressBar* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // IProgressBar
    void SetWidthPercent(int32_t percent) override { widthPercent_ = percent; }
    void SetHeightPercent(int32_t percent) override { heightPercent_ = percent; }
    void SetFixedWidth(int32_t width) override { fixedWidth_ = width; }
    void SetFixedHeight(int32_t height) override { fixedHeight_ = height; }
    void SetRange(int32_t low, int32_t high) override;
    void SetPosition(int32_t position) override;
    int32_t GetRangeLow() override { return low_; }
    int32_t GetRangeHigh() override { return high_; }
    int32_t GetPosition() override { return position_; }

    // Tells a progress bar nothing.
    void OnEvent(base::IObject*, int32_t) override {}

    // The component operations where a progress bar differs from the shared body.
    bool CreateWindowIn(IComponent* parent) override;
    void SetEnabled(bool enabled) override;
    // The component's place; SetPosition (value) is the bar's.
    using Component<IProgressBar, CProgressCtrl>::SetPosition;

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ResetProgressBar();

    int32_t low_;
    int32_t high_;
    int32_t position_;
};

} // namespace win
} // namespace gui
} // namespace s
