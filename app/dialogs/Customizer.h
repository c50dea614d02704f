#pragma once
#include <cstdint>

#include "app/dialogs/DialogServices.h"
#include "app/dialogs/ListFieldChoices.h"
#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "storage/events/IEventListener.h"

namespace s {
namespace col {
namespace _array {
class ArrayP;
}
} // namespace col
namespace gui {
class IListBox2;
class IWindow;
namespace listbox2 {
class Record;
}
namespace win {
class Box;
class Button;
class ListBoxEx;
class Window;
} // namespace win
} // namespace gui

namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

// The field customizer: every field of the monitor as a checked or clear row in display order,
// moved by Up, Down or dragging, reset to the catalogue order or the default selection. The
// monitor changes only at Apply or OK, through "UpdateFieldsByListBox"; the owner stays disabled
// while the dialog is open. Everything after Show runs on the dialog's own window thread.
class Customizer : public ::s::gui::events::IEventListener, public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_system_gui_dialogs_monitor_Customizer";
    static const int32_t kPoolCapacity = 1000;
    static const int32_t kUpText = 4102200;
    static const int32_t kDownText = 4102300;
    static const int32_t kOrderText = 4200100;
    static const int32_t kSelectionText = 4200200;
    static const int32_t kApplyText = 3002100;
    static const int32_t kOkText = 3002200;
    static const int32_t kCancelText = 3002300;
    static const int32_t kLoadDefaultText = 4200000;
    static const int32_t kFieldsColumnText = 800000;

    Customizer();
    ~Customizer() override;

    static thread::EasyPooler* GetPool();
    static Customizer* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // The window goes (and with it every control) and every member is cleared.
    void Reset() override;

    // The "CustomizerWindow" holder (placement, icons, caption); null leaves the window without.
    void SetAppWindow(app::win::AppWindow* holder) { holder_ = holder; }
    // The language pack the texts and the column caption come from.
    void SetLocalizer(lang::Localizer* localizer) { localizer_ = localizer; }
    // The monitor's fields in display order and in catalogue order; borrowed.
    void SetFields(col::_array::ArrayP* displayOrder, col::_array::ArrayP* catalogueOrder);

    // (Re)builds and shows the dialog over the owner, which stays disabled until it closes.
    void Show(::s::gui::IWindow* owner);
    // The window's close, the list's events and the seven buttons.
    void OnEvent(base::IObject* source, int32_t code) override;

    void FillList();
    // Up and Down are enabled exactly while a row is selected.
    void UpdateMoveButtons();
    // The catalogue order, every row keeping its check.
    void RestoreDefaultOrder();
    // Hands the list to the owner when there is something to apply.
    void Apply();

    ::s::gui::win::Window* GetWindow() { return window_; }
    ::s::gui::IListBox2* GetList();
    ::s::gui::win::ListBoxEx* GetListBox() { return listBox_; }
    ::s::gui::win::Button* GetUpButton() { return up_; }
    ::s::gui::win::Button* GetDownButton() { return down_; }
    ::s::gui::win::Button* GetOrderButton() { return order_; }
    ::s::gui::win::Button* GetSelectionButton() { return selection_; }
    ::s::gui::win::Button* GetApplyButton() { return apply_; }
    ::s::gui::win::Button* GetOkButton() { return ok_; }
    ::s::gui::win::Button* GetCancelButton() { return cancel_; }

private:
    Customizer(const Customizer&) = delete;
    Customizer& operator=(const Customizer&) = delete;

    void ReleaseWindow();
    void BuildButtons();
    ::s::gui::win::Box* BuildSideColumn();
    ::s::gui::win::Box* BuildButtonRow();
    void SetUpList();
    void ListenToControls();
    void OnListEvent(int32_t code);
    void OnButton(base::IObject* source);
    void ToggleSelectedRow();
    void MarkChanged();
    void SendSelectionToOwner();
    void BringToTop();

    ::s::gui::IWindow* owner_;
    app::win::AppWindow* holder_;
    lang::Localizer* localizer_;
    ::s::gui::win::Window* window_;
    ::s::gui::listbox2::Record* selectedRow_;
    int32_t selectedRowId_;
    col::_array::ArrayP* displayOrder_;
    col::_array::ArrayP* catalogueOrder_;
    ::s::gui::win::ListBoxEx* listBox_;
    ::s::gui::win::Button* up_;
    ::s::gui::win::Button* down_;
    ::s::gui::win::Button* order_;
    ::s::gui::win::Button* selection_;
    ::s::gui::win::Button* apply_;
    ::s::gui::win::Button* ok_;
    ::s::gui::win::Button* cancel_;
    // What the monitor reads the list through.
    ListFieldChoices choices_;
};

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
