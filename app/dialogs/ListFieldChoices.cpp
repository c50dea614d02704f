#include "app/dialogs/ListFieldChoices.h"

#include "lists/IListBox2.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {
using ::s::gui::listbox2::Record;
using ::s::gui::listbox2::SubRecord;
} // namespace

Record* ListFieldChoices::RowAt(int32_t index)
{
    return index >= 0 && index < GetRecordCount() ? list_->GetRowAt(static_cast<uint32_t>(index)) : nullptr;
}

int32_t ListFieldChoices::GetRecordCount()
{
    return list_ ? static_cast<int32_t>(list_->GetRowCount()) : 0;
}

counter::MonitorBlock* ListFieldChoices::GetFieldAt(int32_t index)
{
    Record* record = RowAt(index);
    return record ? static_cast<counter::MonitorBlock*>(record->userData) : nullptr;
}

bool ListFieldChoices::IsCheckedAt(int32_t index)
{
    Record* record = RowAt(index);
    SubRecord* cell = record ? record->GetCell(kFieldChoiceColumn) : nullptr;
    return cell && cell->checkState == kChoiceTicked;
}

void ListFieldChoices::SetCheckedAt(int32_t index, bool checked)
{
    Record* record = RowAt(index);
    if (record)
        list_->SetCellCheckState(record, record->id, kFieldChoiceColumn, checked ? kChoiceTicked : kChoiceClear, false);
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
