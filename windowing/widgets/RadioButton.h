#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "skins/drawer/IRadioButton.h"
#include "windowing/widgets/CaptionFontForwards.h"
#include "windowing/widgets/CaptionedControl.h"
#include "windowing/widgets/CheckLinks.h"
#include "windowing/widgets/IRadioButton.h"

namespace s {
namespace gui {
namespace win {

// The toolkit's radio button (see IRadioButton) over the system's auto radio button. A window
// with a skin manager has it painted by the skin's radio-button drawer, following skin changes.
class RadioButton : public CaptionedControl<CheckLinks<CaptionFontForwards<IRadioButton>>, drawer::IRadioButton>,
                    public thread::IPoolable {
    using Base = CaptionedControl<CheckLinks<CaptionFontForwards<IRadioButton>>, drawer::IRadioButton>;

public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_RadioButton";
    static constexpr int32_t kPoolCapacity = 1000;
    static constexpr UINT kControlId = 1003;
    // The room of the circle and its gap beside the caption.
    static constexpr int32_t kCircleAllowance = 18;

    RadioButton();
    ~RadioButton() override;

    static thread::EasyPooler* GetPool();
    static RadioButton* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // IRadioButton
    int32_t GetCaptionTextId() override;
    bool IsChecked() override;
    void SetChecked(bool checked, bool notify) override;
    void AddEditableWhileCheckedTarget(IComponent* target) override;
    void AddEditableTarget(IComponent* target) override;
    void AddReadOnlyTarget(IComponent* target) override;
    drawer::IRadioButton* GetDrawer() { return drawer_; }

    // The component operations where a radio button differs from the shared body.
    bool CreateWindowIn(IComponent* parent) override;
    void SetEnabled(bool enabled) override;
    // Always its measured size.
    void SetLayoutSize(int32_t width, int32_t height) override;

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;
    void Measure() override;
    drawer::IRadioButton* SkinDrawer(drawer::ISkin* skin) override;

private:
    void Paint();
    void ApplyCheck(WPARAM check);
    void ResetRadioButton();

    bool checked_;
    bool notify_;
};

} // namespace win
} // namespace gui
} // namespace s
