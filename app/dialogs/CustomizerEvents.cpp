// The dialog's reactions, on its own window thread: the window's close, the list's events and
// the seven buttons.
#include "app/dialogs/Customizer.h"

#include "app/monitor/Monitor.h"
#include "core/col/ArrayP.h"
#include "lists/IListBox2.h"
#include "lists/ListBox2Event.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"
#include "windowing/Window.h"
#include "windowing/widgets/Button.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {
namespace toolkit = ::s::gui;
using toolkit::listbox2::Record;
using toolkit::listbox2::SubRecord;
namespace event = toolkit::ListBox2Event;

bool Is(base::IObject* source, toolkit::IComponent* component)
{
    return component && source == static_cast<base::IObject*>(component);
}
} // namespace

void Customizer::OnEvent(base::IObject* source, int32_t code)
{
    if (!source || !window_)
        return;
    if (source == static_cast<base::IObject*>(window_)) {
        // Changes not applied are dropped.
        if (code == toolkit::win::kEventClose && owner_)
            owner_->SetModalState(false);
        return;
    }
    if (Is(source, GetList())) {
        OnListEvent(code);
        return;
    }
    OnButton(source);
}

void Customizer::OnListEvent(int32_t code)
{
    switch (code) {
    case event::SingleRowSelected: {
        Record* record = nullptr;
        int32_t id = -1;
        if (GetList()->GetSelectedAt(0, &record, &id)) {
            selectedRow_ = record;
            selectedRowId_ = id;
        }
        break;
    }
    case event::RowSelected:
    case event::SelectionEmptied:
        UpdateMoveButtons();
        break;
    case event::RowDoubleClicked:
        ToggleSelectedRow();
        break;
    case event::CellChecked:
    case event::CellUnchecked:
        MarkChanged();
        break;
    case event::RowsMoved:
        UpdateMoveButtons();
        MarkChanged();
        break;
    default:
        break;
    }
}

void Customizer::OnButton(base::IObject* source)
{
    if (Is(source, up_) || Is(source, down_)) {
        if (Is(source, up_))
            GetList()->MoveSelectionUp();
        else
            GetList()->MoveSelectionDown();
        UpdateMoveButtons();
        MarkChanged();
    } else if (Is(source, order_)) {
        RestoreDefaultOrder();
    } else if (Is(source, selection_)) {
        SendSelectionToOwner();
        MarkChanged();
    } else if (Is(source, apply_)) {
        Apply();
        BringToTop();
    } else if (Is(source, ok_)) {
        Apply();
        window_->Close();
    } else if (Is(source, cancel_)) {
        apply_->SetEnabled(false);
        window_->Close();
    }
}

// The list reports the check it sets, as it does for a click on the box.
void Customizer::ToggleSelectedRow()
{
    toolkit::IListBox2* list = GetList();
    SubRecord* cell = selectedRow_ ? selectedRow_->GetCell(kFieldChoiceColumn) : nullptr;
    if (!list || !cell)
        return;
    const int32_t state = cell->checkState == kChoiceTicked ? kChoiceClear : kChoiceTicked;
    list->SetCellCheckState(selectedRow_, selectedRowId_, kFieldChoiceColumn, state, true);
}

void Customizer::MarkChanged()
{
    if (apply_)
        apply_->SetEnabled(true);
}

void Customizer::UpdateMoveButtons()
{
    toolkit::IListBox2* list = GetList();
    const bool selected = list && list->GetSelectedCount() > 0;
    for (toolkit::win::Button* button : {up_, down_}) {
        if (button)
            button->SetEnabled(selected);
    }
}

// The rows move one by one to the catalogue's places. A field that no row carries takes no place,
// so the rows after it still close up from the top.
void Customizer::RestoreDefaultOrder()
{
    toolkit::IListBox2* list = GetList();
    if (list && catalogueOrder_) {
        uint32_t place = 0;
        for (uint32_t i = 0; i < catalogueOrder_->GetCount() && place < list->GetRowCount(); ++i) {
            void* field = catalogueOrder_->Get(i);
            for (uint32_t row = place; row < list->GetRowCount(); ++row) {
                Record* record = list->GetRowAt(row);
                if (!record || record->userData != field)
                    continue;
                if (row != place) {
                    list->RemoveRow(record, record->id);
                    list->InsertRow(static_cast<int32_t>(place), record);
                }
                ++place;
                break;
            }
        }
    }
    MarkChanged();
}

void Customizer::Apply()
{
    if (!apply_ || !apply_->IsEnabled())
        return;
    if (owner_)
        owner_->SendEvent(kUpdateFieldsByListBox, reinterpret_cast<INT_PTR>(static_cast<IFieldChoiceList*>(&choices_)),
                          0, 0);
    apply_->SetEnabled(false);
}

// The owner marks the rows itself; this thread answers the list's operations while it waits.
void Customizer::SendSelectionToOwner()
{
    if (owner_)
        owner_->SendEvent(kLoadDefaultSelection, reinterpret_cast<INT_PTR>(static_cast<IFieldChoiceList*>(&choices_)),
                          0, 0);
}

// Applying may have moved the monitor over the dialog.
void Customizer::BringToTop()
{
    const bool wasTopMost = window_->IsTopMost();
    window_->SetTopMost(true);
    if (!wasTopMost)
        window_->SetTopMost(false);
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
