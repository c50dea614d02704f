// What the skin colour editor does on its window's thread: colour rows, the name field, the
// buttons, the skin list's selection, the window's close, and the skin manager's news.
#include "app/dialogs/SkinCustomizer.h"

#include "app/dialogs/SkinCustomizerClrPicker.h"
#include "app/dialogs/SkinSetChange.h"
#include "app/monitor/Monitor.h"
#include "core/str/StrBuffer.h"
#include "lists/IListBox2.h"
#include "lists/ListBox2Event.h"
#include "lists/ListBoxEx.h"
#include "lists/listbox2/Record.h"
#include "skins/ISkin.h"
#include "skins/SkinColorSet.h"
#include "skins/Skinner.h"
#include "skins/skin/Builders.h"
#include "windowing/MessageBoxW.h"
#include "windowing/NamedEvent.h"
#include "windowing/Window.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/TextField.h"

namespace s {
namespace gui {
namespace dialogs {

namespace {

namespace monitorevents = ::s::system::gui::dialogs::monitor;

const wchar_t kAskSaveChanges[] = L"Do you want to save the changes?";
const wchar_t kFollowSkinnerName[] = L"SkinCustomizer.FollowSkinner";
// Posted to the editor's own window when the manager's current skin changed on another thread.
const gui::win::NamedEvent kFollowSkinner(kFollowSkinnerName);

enum SendKind { kSendUpdate, kSendSave };

bool Is(base::IObject* source, IComponent* control)
{
    return control && source == static_cast<base::IObject*>(control);
}

} // namespace

void SkinCustomizer::OnEvent(base::IObject* source, int32_t code)
{
    if (!source)
        return;
    if (source == static_cast<base::IObject*>(skinner_)) {
        // Told on the thread that changed the skin; followed on the editor's own thread. The
        // editor's own changes come while no skin is edited and are not followed.
        if (edited_ && window_)
            window_->PostEvent(kFollowSkinner.GetData(), 0, 0, 0);
        return;
    }
    if (!window_)
        return;
    if (source == static_cast<base::IObject*>(window_)) {
        if (code == gui::win::kEventClose)
            OnWindowClosing();
        else if (code == gui::win::kEventUser && kFollowSkinner.Is(window_->GetEventData()))
            FollowSkinner();
        return;
    }
    for (SkinCustomizerClrPicker* row : rows_) {
        if (row && source == static_cast<base::IObject*>(row)) {
            OnRowChanged(row);
            return;
        }
    }
    IListBox2* list = GetSkinList();
    if (list && source == static_cast<base::IObject*>(list)) {
        if (code == ListBox2Event::RowSelected)
            OnSkinSelected();
        else if (code == ListBox2Event::RowsMoved)
            ReorderByList();
        return;
    }
    if (Is(source, nameField_)) {
        OnNameChanged();
    } else if (Is(source, save_)) {
        SaveColors();
    } else if (Is(source, cancel_)) {
        RevertColors();
        UpdateSkinColors(false);
    } else if (Is(source, changeName_)) {
        ChangeName();
    } else if (Is(source, addSkin_)) {
        AddAsNewSkin();
    } else if (Is(source, deleteSkin_)) {
        DeleteSkin();
    } else if (Is(source, restore_)) {
        RestoreDefaultSkins();
    } else if (Is(source, import_)) {
        Import();
    } else if (Is(source, export_)) {
        Export();
    } else if (Is(source, close_)) {
        window_->Close();
    }
}

void SkinCustomizer::LoadColors()
{
    if (!edited_)
        return;
    if (currentName_)
        currentName_->Assign(edited_->GetName());
    if (nameField_) {
        SetNameButtons(false);
        // Quietly: the loaded name is no new name.
        nameField_->SetText(GetCurrentName(), false);
        if (deleteSkin_)
            deleteSkin_->SetEnabled(skinner_ && skinner_->GetSkinCount() > 1);
        SetSaveButtons(false);
    }
    drawer::SkinColorSet colors;
    drawer::skin::ReadColors(edited_, &colors);
    for (int32_t i = 0; i < kColorRows; ++i) {
        SkinCustomizerClrPicker* row = rows_[i];
        if (!row)
            continue;
        events::IEventListener* listener = row->GetListener();
        row->SetListener(nullptr);
        row->SetSavedColor(colors.GetColor(static_cast<uint32_t>(i)));
        row->SetColor(colors.GetColor(static_cast<uint32_t>(i)), true, true, true, true);
        row->SetListener(listener);
    }
}

void SkinCustomizer::WriteShownColors()
{
    drawer::ISkin* skin = edited_;
    if (!skin)
        return;
    drawer::SkinColorSet colors;
    drawer::skin::ReadColors(skin, &colors);
    for (int32_t i = 0; i < kColorRows; ++i) {
        if (rows_[i])
            colors.SetColor(static_cast<uint32_t>(i), rows_[i]->GetColor());
    }
    ChangeManager([skin, &colors] { drawer::skin::WriteColors(skin, colors); });
}

void SkinCustomizer::ApplyColor(int32_t row)
{
    if (!edited_ || row < 0 || row >= kColorRows || !rows_[row])
        return;
    drawer::ISkin* skin = edited_;
    drawer::SkinColorSet colors;
    drawer::skin::ReadColors(skin, &colors);
    colors.SetColor(static_cast<uint32_t>(row), rows_[row]->GetColor());
    ChangeManager([skin, &colors] { drawer::skin::WriteColors(skin, colors); });
}

void SkinCustomizer::OnRowChanged(SkinCustomizerClrPicker* row)
{
    for (int32_t i = 0; i < kColorRows; ++i) {
        if (rows_[i] == row) {
            ApplyColor(i);
            UpdateSkinColors(true);
            return;
        }
    }
}

void SkinCustomizer::UpdateSkinColors(bool enable)
{
    if (!edited_)
        return;
    SendToOwner(kSendUpdate);
    SetSaveButtons(enable);
}

void SkinCustomizer::SaveColors()
{
    for (SkinCustomizerClrPicker* row : rows_) {
        if (row)
            row->SetSavedColor(row->GetColor());
    }
    SetSaveButtons(false);
    SendToOwner(kSendSave);
}

void SkinCustomizer::RevertColors()
{
    for (SkinCustomizerClrPicker* row : rows_) {
        if (!row)
            continue;
        events::IEventListener* listener = row->GetListener();
        row->SetListener(nullptr);
        row->SetColor(row->GetSavedColor(), true, true, true, true);
        row->SetListener(listener);
    }
    WriteShownColors();
}

void SkinCustomizer::SendToOwner(int32_t event)
{
    if (!owner_)
        return;
    drawer::ISkin* edited = edited_;
    edited_ = nullptr;
    owner_->SendEvent(event == kSendSave ? monitorevents::kSaveSkinColors : monitorevents::kUpdateSkinColors, 0, 0, 0);
    edited_ = edited;
}

void SkinCustomizer::ChangeManager(const std::function<void()>& change)
{
    drawer::ISkin* edited = edited_;
    edited_ = nullptr;
    ChangeSkinSet(owner_, change);
    edited_ = edited;
}

bool SkinCustomizer::TakeNewName(str::strbuffer::StrBuffer* name)
{
    name->Assign(nameField_ ? nameField_->GetText() : L"");
    name->TrimStart();
    name->TrimEnd();
    if (name->GetLength() == 0)
        return false;
    if (currentName_ && name->MatchesIgnoreCaseAt(0, currentName_->GetText(), 0, -1) &&
        name->GetLength() == currentName_->GetLength())
        return false;
    return FindSkinNamed(name->GetText()) < 0;
}

int32_t SkinCustomizer::FindSkinNamed(const wchar_t* name)
{
    if (!skinner_ || !name)
        return -1;
    str::strbuffer::StrBuffer* wanted = str::strbuffer::StrBuffer::FromText(name);
    int32_t found = -1;
    for (uint32_t i = 0; wanted && i < skinner_->GetSkinCount(); ++i) {
        str::strbuffer::StrBuffer* listed = skinner_->GetSkinNameAt(i);
        if (listed && listed->GetLength() == wanted->GetLength() &&
            listed->MatchesIgnoreCaseAt(0, wanted->GetText(), 0, -1)) {
            found = static_cast<int32_t>(i);
            break;
        }
    }
    if (wanted)
        wanted->ReleaseToPool();
    return found;
}

void SkinCustomizer::OnNameChanged()
{
    str::strbuffer::StrBuffer* name = str::strbuffer::StrBuffer::New();
    if (!name)
        return;
    SetNameButtons(TakeNewName(name));
    name->ReleaseToPool();
}

void SkinCustomizer::SetNameButtons(bool enabled)
{
    if (changeName_)
        changeName_->SetEnabled(enabled);
    if (addSkin_)
        addSkin_->SetEnabled(enabled);
}

void SkinCustomizer::SetSaveButtons(bool enabled)
{
    if (save_)
        save_->SetEnabled(enabled);
    if (cancel_)
        cancel_->SetEnabled(enabled);
}

bool SkinCustomizer::IsSaveEnabled()
{
    return save_ && save_->IsEnabled();
}

// A row chosen in the list makes its skin current. Unsaved colours are asked about first; Cancel
// keeps the selection on the current skin.
void SkinCustomizer::OnSkinSelected()
{
    IListBox2* list = GetSkinList();
    if (!list)
        return;
    if (reselectPending_) {
        reselectPending_ = false;
        SelectCurrentRowQuietly();
        return;
    }
    listbox2::Record* record = nullptr;
    int32_t id = -1;
    if (!edited_ || !skinner_ || list->GetSelectedCount() != 1 || !list->GetSelectedAt(0, &record, &id) || !record)
        return;
    const int32_t row = record->rowIndex;
    if (row < 0 || row == skinner_->GetCurrentSkinIndex() || static_cast<uint32_t>(row) >= skinner_->GetSkinCount())
        return;
    if (IsSaveEnabled()) {
        bool yes = false;
        if (!gui::win::AskSaveChanges(kAskSaveChanges, &yes)) {
            // The selection goes back; its own notification, here or later, only clears the flag.
            reselectPending_ = true;
            SelectCurrentRowQuietly();
            return;
        }
        if (yes)
            SaveColors();
        else
            RevertColors();
    }
    str::strbuffer::StrBuffer* name = str::strbuffer::StrBuffer::FromText(skinner_->GetSkinNameAt(static_cast<uint32_t>(row))->GetText());
    if (!name)
        return;
    drawer::Skinner* skinner = skinner_;
    ChangeManager([skinner, name] { skinner->SelectSkinByName(name->GetText()); });
    name->ReleaseToPool();
    edited_ = skinner_->GetCurrentSkin();
    LoadColors();
}

void SkinCustomizer::FollowSkinner()
{
    if (!edited_ || !skinner_ || !skinner_->GetCurrentSkin())
        return;
    edited_ = skinner_->GetCurrentSkin();
    LoadColors();
    SelectCurrentRowQuietly();
}

void SkinCustomizer::OnWindowClosing()
{
    if (IsSaveEnabled()) {
        bool yes = false;
        gui::win::MessageBoxW* box = gui::win::MessageBoxW::New();
        const bool answered = box ? box->AskYesNoCancel(kAskSaveChanges, &yes) : true;
        if (box)
            box->ReleaseToPool();
        if (!answered) {
            window_->CancelClose();
            return;
        }
        if (yes) {
            SaveColors();
            return;
        }
    }
    RevertColors();
    if (edited_) {
        SendToOwner(kSendUpdate);
        SetSaveButtons(false);
    }
}

void SkinCustomizer::CloseUnasked()
{
    if (!window_ || window_->IsClosed())
        return;
    if (save_)
        save_->SetEnabled(false);
    window_->Close();
}

} // namespace dialogs
} // namespace gui
} // namespace s
