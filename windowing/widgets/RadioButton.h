#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/Brush.h"
#include "mfc/Button.h"
#include "storage/events/IEventListener.h"
#include "windowing/component/Component.h"
#include "windowing/component/SkinLink.h"
#include "windowing/paint/Font.h"
#include "windowing/widgets/Caption.h"
#include "windowing/widgets/CaptionFontForwards.h"
#include "windowing/widgets/CheckLinks.h"
#include "windowing/widgets/IRadioButton.h"

namespace s {
namespace gui {
namespace win {

// The toolkit's radio button (see IRadioButton) over the system's auto radio button. A window
// with a skin manager has it painted by the skin's radio-button drawer, following skin changes.
class RadioButton : public Component<CheckLinks<CaptionFontForwards<IRadioButton>>, CButton>,
                    public thread::IPoolable,
                    public events::IEventListener {
    using Base = Component<CheckLinks<CaptionFontForwards<IRadioButton>>, CButton>;

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
    void SetCaption(const wchar_t* caption) override;
    void SetCaptionTextId(int32_t id) override;
    const wchar_t* GetCaption() override;
    int32_t GetCaptionTextId() override;
    bool IsChecked() override;
    void SetChecked(bool checked, bool notify) override;
    void AddEditableWhileCheckedTarget(IComponent* target) override;
    void AddEditableTarget(IComponent* target) override;
    void AddReadOnlyTarget(IComponent* target) override;
    void SetDrawer(drawer::IRadioButton* drawer, bool owned) override;
    drawer::IRadioButton* GetDrawer() { return drawer_; }

    // Language and skin changes of the owning window.
    void OnEvent(base::IObject* source, int32_t code) override;

    // The component operations where a radio button differs from the shared body.
    bool CreateWindowIn(IComponent* parent) override;
    void SetEnabled(bool enabled) override;
    // Always its measured size.
    void SetLayoutSize(int32_t width, int32_t height) override;

protected:
    Font* CaptionFont() override { return &font_; }
    void CaptionFontChanged() override { Measure(); }
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Measure();
    void Paint();
    void ApplyCheck(WPARAM check);
    void TakeSkinDrawer();
    void ResetRadioButton();

    Caption caption_;
    Font font_;
    Font disabledFont_;
    CBrush brush_;
    bool checked_;
    bool notify_;
    drawer::IRadioButton* drawer_;
    bool drawerOwned_;
    SkinLink skinLink_;
};

} // namespace win
} // namespace gui
} // namespace s
