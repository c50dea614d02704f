#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "skins/drawer/ICheckBox.h"
#include "windowing/widgets/CaptionFontForwards.h"
#include "windowing/widgets/CaptionedControl.h"
#include "windowing/widgets/CheckLinks.h"
#include "windowing/widgets/ICheckBox.h"

namespace s {
namespace gui {
namespace win {

// The toolkit's check box (see ICheckBox) over the system's auto check box. A window with a
// skin manager has it painted by the skin's check-box drawer, following skin changes.
class CheckBox : public CaptionedControl<CheckLinks<CaptionFontForwards<ICheckBox>>, drawer::ICheckBox>,
                 public thread::IPoolable {
    using Base = CaptionedControl<CheckLinks<CaptionFontForwards<ICheckBox>>, drawer::ICheckBox>;

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
    bool IsChecked() override;
    void SetChecked(bool checked) override;
    void SetCheckedQuietly(bool checked) override;
    drawer::ICheckBox* GetDrawer() { return drawer_; }
    // The caption font, as measuring and painting use it.
    IFont* GetFont() { return &font_; }

    // The component operations where a check box differs from the shared body.
    bool CreateWindowIn(IComponent* parent) override;
    void SetEnabled(bool enabled) override;
    void SetLayoutSize(int32_t width, int32_t height) override;

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;
    void Measure() override;
    drawer::ICheckBox* SkinDrawer(drawer::ISkin* skin) override;

private:
    void Paint();
    void ApplyCheck(WPARAM check);
    void ResetCheckBox();

    bool checked_;
    bool notify_;
};

} // namespace win
} // namespace gui
} // namespace s
