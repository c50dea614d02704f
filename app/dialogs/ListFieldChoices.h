#pragma once
#include <cstdint>

#include "app/monitor/IFieldChoiceList.h"

namespace s {
namespace gui {
class IListBox2;
namespace listbox2 {
class Record;
}
} // namespace gui
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

// The customizer's rows: one cell, whose check box holds the field's choice.
const uint32_t kFieldChoiceColumn = 0;
const int32_t kChoiceTicked = 2;
const int32_t kChoiceClear = 1;

// The customizer's list as the monitor reads and marks it: each row's user data is its field,
// the first cell's check its choice. Marks go through the list's own operation, which runs on
// the list's thread (answered there while that thread waits in its send to the monitor).
class ListFieldChoices : public IFieldChoiceList {
public:
    ListFieldChoices() : list_(nullptr) {}
    void SetList(::s::gui::IListBox2* list) { list_ = list; }

    int32_t GetRecordCount() override;
    counter::MonitorBlock* GetFieldAt(int32_t index) override;
    bool IsCheckedAt(int32_t index) override;
    void SetCheckedAt(int32_t index, bool checked) override;

private:
    ::s::gui::listbox2::Record* RowAt(int32_t index);

    ::s::gui::IListBox2* list_;
};

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
