#pragma once
#include <windows.h>

#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/Brush.h"
#include "mfc/SliderCtrl.h"
#include "storage/events/IEventListener.h"
#include "windowing/component/Component.h"
#include "windowing/component/SkinLink.h"
#include "windowing/widgets/ISlider.h"

namespace s {
namespace gui {
namespace win {

// The toolkit's slider (see ISlider) over the system's trackbar, which keeps range, position and
// step itself so that they can be set before the control exists. With a skin's drawer it paints
// itself and follows the mouse itself; without one the trackbar paints and moves, and the
// slider reads the position back after each move.
class Slider : public Component<ISlider, CSliderCtrl>, public thread::IPoolable, public events::IEventListener {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_Slider";
    static constexpr int32_t kPoolCapacity = 1000;
    static constexpr UINT kControlId = 1040;
    static constexpr int32_t kMeasuredWidth = 50;
    static constexpr int32_t kMeasuredHeight = 20;
    // A page of the arrow keys and the trackbar: ten steps.
    static constexpr int32_t kStepsPerPage = 10;
    // The width of a thumb's hit area in range mode.
    static constexpr int32_t kThumbHitWidth = 10;

    Slider();
    ~Slider() override;

    static thread::EasyPooler* GetPool();
    static Slider* New();
    // A slider over 0..100 at 100, ticks hidden; each percent of 0 or more is applied.
    static Slider* Create(double widthPercent, double heightPercent);

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // ISlider
    void SetWidthPercent(int32_t percent) override { widthPercent_ = percent; }
    void SetHeightPercent(int32_t percent) override { heightPercent_ = percent; }
    void SetFixedWidth(int32_t width) override { fixedWidth_ = width; }
    void SetFixedHeight(int32_t height) override { fixedHeight_ = height; }
    void SetThumbLength(int32_t length) override;
    void SetRange(int32_t minimum, int32_t maximum) override;
    int32_t GetMinimum() override { return minimum_; }
    int32_t GetMaximum() override { return maximum_; }
    int32_t GetPosition() override { return position_; }
    void SetPosition(int32_t value) override;
    using Component<ISlider, CSliderCtrl>::SetPosition;
    void SetStep(int32_t step) override;
    void SetTicksShown(bool shown) override;
    void AddChangeListener(events::IEventListener* listener) override;
    void SetDrawer(drawer::ISlider* drawer, bool owned) override;
    void SetDrawerFlag(bool flag) override;
    void SetDrawerValue(int32_t value) override { drawerValue_ = value; }
    void SetRangeMode(int32_t mode) override { rangeMode_ = mode; }
    int32_t GetSecondValue() override { return secondValue_; }
    void SetSecondValue(int32_t value) override;
    void SetTrackGradient(int32_t kind, int32_t a, int32_t b) override;
    drawer::ISlider* GetDrawer() { return drawer_; }

    // A new current skin of the window's skin manager.
    void OnEvent(base::IObject* source, int32_t code) override;

    // The component operations where a slider differs from the shared body.
    bool CreateWindowIn(IComponent* parent) override;
    void SetEnabled(bool enabled) override;

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT result) override;

private:
    int32_t ClampPosition(int32_t value);
    int32_t ClampSecondValue(int32_t value);
    void ApplyRange();
    void ApplyStep();
    void ApplyTicks();
    void ApplyThumbLength();
    void Measure();
    void Paint();
    // The value under a client x (or y for a vertical control) on the channel.
    int32_t ValueAt(POINT point);
    bool MapPoint(POINT point);
    bool ChooseThumb(POINT point);
    void PostScroll();
    void TurnWheel(int32_t delta);
    // After the trackbar moved: its position, when new, is stored and told.
    void ReadBackPosition();
    void TakeSkinDrawer();
    void ResetSlider();

    int32_t minimum_;
    int32_t maximum_;
    int32_t position_;
    int32_t step_;
    bool ticksShown_;
    int32_t thumbLength_;
    CBrush brush_;
    col::_array::ArrayP changeListeners_;
    drawer::ISlider* drawer_;
    bool drawerOwned_;
    bool drawerFlag_;
    int32_t drawerValue_;
    int32_t rangeMode_;
    int32_t secondValue_;
    int32_t gradientKind_;
    int32_t gradientA_;
    int32_t gradientB_;
    bool dragging_;
    bool moved_;
    bool draggingSecond_;
    int32_t paintedMinimum_;
    int32_t paintedMaximum_;
    int32_t paintedPosition_;
    SkinLink skinLink_;
};

} // namespace win
} // namespace gui
} // namespace s
