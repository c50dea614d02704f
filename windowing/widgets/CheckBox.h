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
#include "windowing/widgets/ICheckBox.h"

namespace s {
namespace gui {
namespace win {

// The toolkit's check box (see ICheckBox) over the system's auto check box. A window with a
// skin manager has it painted by the skin's check-box drawer, following skin changes.
class CheckBox : public Component<CheckLinks<CaptionFontForwards<ICheckBox>>, CButton>,
                 public thread::IPoolable,
                 public events::IEventListener {
    using Base = Component<CheckLinks<CaptionFontForwards<ICheckBox>>, CButton>;

public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_CheckBox";
    static constexpr int32_t kPoolCapacity = 1000;
    static constexpr UINT kControlId = 1003;

    CheckBox();
    ~CheckBox() override;

    static thread::EasyPooler* GetPool();
    static CheckBox* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // ICheckBox
    void SetWordWrap(bool wordWrap) override;
    void SetCaption(const wchar_t* caption) override;
    const wchar_t* GetCaption() override;
    void SetCaptionTextId(int32_t id) override;
    bool IsChecked() override;
    void SetChecked(bool checked) override;
    void SetCheckedQuietly(bool checked) override;
    void SetDrawer(drawer::ICheckBox* drawer, bool owned) override;
    drawer::ICheckBox* GetDrawer() { return drawer_; }
    // The caption font, as measuring and painting use it.
    IFont* GetFont() { return &font_; }

    // Language and skin changes of the owning window.
    void OnEvent(base::IObject* source, int32_t code) override;

    // The component operations where a check box differs from the shared body.
    bool CreateWindowIn(IComponent* parent) override;
    void SetEnabled(bool enabled) override;
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
    void JoinManagers();
    void LeaveManagers();
    void ResetCheckBox();

    Caption caption_;
    Font font_;
    Font disabledFont_;
    CBrush brush_;
    bool checked_;
    bool notify_;
    drawer::ICheckBox* drawer_;
    bool drawerOwned_;
    SkinLink skinLink_;
};

} // namespace win
} // namespace gui
} // namespace s
