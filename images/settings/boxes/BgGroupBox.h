#pragma once
#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/IPoolable.h"
#include "core/thread/PooledClass.h"
#include "storage/events/IEventListener.h"

namespace s {
namespace gui {
class IWindow;
class IComponent;
class IRadioButton;
namespace win {
class GroupBox;
}
} // namespace gui

namespace image {
namespace gui {
namespace boxes {

class ColorPicker;

// The panels' "Background" group: keep transparency, or fill it with the colour of the well.
// Listeners hear (this group, 0) when the well's colour changes.
class BgGroupBox
    : public thread::PooledClass<BgGroupBox, s::gui::events::IEventListener, base::IObject, thread::IPoolable> {
public:
    static constexpr const wchar_t* kClassName = L"s_image_gui_boxes_BgGroupBox";

    BgGroupBox();
    ~BgGroupBox() override;

    void Reset() override;

    // From the well: passed on; from a radio button that became checked: the other one
    // unchecked and the choice taken.
    void OnEvent(base::IObject* source, int32_t code) override;

    // The group with its two choices and the well; null when a widget cannot be had.
    s::gui::IComponent* Build();
    void SetWindow(s::gui::IWindow* window);
    void AddListener(s::gui::events::IEventListener* listener);

    bool GetKeepTransparency() const { return keepTransparency_; }
    void SetKeepTransparency(bool keep) { keepTransparency_ = keep; }
    // Off, "Keep Transparency" is disabled: for formats that have no transparency.
    void SetKeepTransparencyEnabled(bool enabled);
    ColorPicker* GetColorPicker() { return well_; }
    s::gui::win::GroupBox* GetGroup() { return group_; }
    s::gui::IRadioButton* GetKeepButton() { return keepButton_; }
    s::gui::IRadioButton* GetFillButton() { return fillButton_; }

private:
    BgGroupBox(const BgGroupBox&) = delete;
    BgGroupBox& operator=(const BgGroupBox&) = delete;

    ColorPicker* well_;
    col::_array::ArrayP listeners_;
    s::gui::IWindow* window_;
    s::gui::win::GroupBox* group_;
    s::gui::IRadioButton* keepButton_;
    s::gui::IRadioButton* fillButton_;
    bool keepTransparency_;
    bool keepTransparencyEnabled_;
};

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
