// The skin colour editor's list of skins and what it does to the skin manager: rename, add,
// delete, restore the built-in skins, import, export and reorder. Each change of the manager
// runs on the thread of the window that paints with it.
#include "app/dialogs/SkinCustomizer.h"

#include <cstdint>
#include <vector>

#include "app/dialogs/SkinCustomizerClrPicker.h"
#include "app/dialogs/SkinSetChange.h"
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "lists/IListBox2.h"
#include "lists/listbox2/CellFormatters.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"
#include "skins/ISkin.h"
#include "skins/SkinColorSet.h"
#include "skins/Skinner.h"
#include "skins/skin/Builders.h"
#include "storage/file/PathWin.h"
#include "storage/settings/XmlMappedData.h"
#include "storage/xml/Node.h"
#include "windowing/MessageBoxW.h"
#include "windowing/Window.h"
#include "windowing/dialogs/FileOpener.h"
#include "windowing/widgets/Button.h"

namespace s {
namespace gui {
namespace dialogs {

namespace {

using str::strbuffer::StrBuffer;

const wchar_t kTooManySkins[] = L"It can't keep more than 500 skins.";
const wchar_t kAskDelete[] = L"Ara you sure you want to delete the skin?";
const wchar_t kAskRestore[] = L"Ara you sure you want to bring back all default skins?";
const wchar_t kFileType[] = L"Zorv Skin XML (*.xml)";
const wchar_t kFilePattern[] = L"*.xml;";
const wchar_t kSkinSetPath[] = L"SkinSet";
const wchar_t kSkinSetRoot[] = L"SkinSetXml";

bool SameName(StrBuffer* a, const wchar_t* b)
{
    StrBuffer* other = StrBuffer::FromText(b);
    const bool same = a && other && a->GetLength() == other->GetLength() && a->MatchesIgnoreCaseAt(0, b, 0, -1);
    if (other)
        other->ReleaseToPool();
    return same;
}

// The name the list row shows.
StrBuffer* RowName(listbox2::Record* record)
{
    listbox2::SubRecord* cell = record ? record->GetCell(0) : nullptr;
    return cell ? reinterpret_cast<StrBuffer*>(static_cast<uintptr_t>(cell->value)) : nullptr;
}

listbox2::Record* NewRow(const wchar_t* name)
{
    listbox2::Record* record = listbox2::Record::New();
    listbox2::SubRecord* cell = listbox2::SubRecord::New();
    StrBuffer* text = StrBuffer::FromText(name);
    if (!record || !cell || !text) {
        if (record)
            record->ReleaseToPool();
        if (cell)
            cell->ReleaseToPool();
        if (text)
            text->ReleaseToPool();
        return nullptr;
    }
    record->id = listbox2::NextRecordId();
    cell->value = reinterpret_cast<uintptr_t>(text);
    cell->valueDestructor = StrBuffer::GetPool();
    cell->formatter = &listbox2::FormatTextCell;
    record->AddCell(cell);
    return record;
}

// How many of the incoming skins fit: the skins of other names stay beside them, and together
// they keep within the limit.
uint32_t FittingCount(drawer::Skinner* target, drawer::Skinner* source)
{
    const uint32_t incoming = source->GetSkinCount();
    for (uint32_t taken = incoming; taken > 0; --taken) {
        uint32_t kept = 0;
        for (uint32_t i = 0; i < target->GetSkinCount(); ++i) {
            bool replaced = false;
            for (uint32_t j = 0; j < taken && !replaced; ++j)
                replaced = SameName(target->GetSkinNameAt(i), source->GetSkinNameAt(j)->GetText());
            if (!replaced)
                ++kept;
        }
        if (kept + taken <= drawer::Skinner::kMaxSkins)
            return taken;
    }
    return 0;
}

} // namespace

void SkinCustomizer::FillList()
{
    IListBox2* list = GetSkinList();
    if (!list || !skinner_)
        return;
    drawer::ISkin* edited = edited_;
    edited_ = nullptr;
    list->RemoveAndReleaseAllRows();
    for (uint32_t i = 0; i < skinner_->GetSkinCount(); ++i) {
        if (listbox2::Record* record = NewRow(skinner_->GetSkinNameAt(i)->GetText()))
            list->AddRow(record);
    }
    edited_ = edited;
    SelectCurrentRowQuietly();
}

void SkinCustomizer::SelectCurrentRowQuietly()
{
    IListBox2* list = GetSkinList();
    if (!list || !skinner_)
        return;
    const int32_t current = skinner_->GetCurrentSkinIndex();
    listbox2::Record* record = current >= 0 ? list->GetRowAt(static_cast<uint32_t>(current)) : nullptr;
    if (!record)
        return;
    drawer::ISkin* edited = edited_;
    edited_ = nullptr;
    list->SelectRow(record, record->id);
    list->EnsureVisible(record, record->id);
    edited_ = edited;
}

void SkinCustomizer::FollowChangedManager()
{
    edited_ = skinner_ ? skinner_->GetCurrentSkin() : nullptr;
    FillList();
    LoadColors();
}

void SkinCustomizer::ChangeName()
{
    StrBuffer* name = StrBuffer::New();
    if (!name)
        return;
    const int32_t current = skinner_ ? skinner_->GetCurrentSkinIndex() : -1;
    if (current >= 0 && TakeNewName(name)) {
        drawer::Skinner* skinner = skinner_;
        ChangeManager([skinner, current, name] {
            skinner->GetSkinNameAt(static_cast<uint32_t>(current))->Assign(name->GetText());
            skinner->GetSkinAt(static_cast<uint32_t>(current))->SetName(name->GetText());
        });
        if (currentName_)
            currentName_->Assign(name->GetText());
        const bool saveEnabled = IsSaveEnabled();
        FillList();
        SetNameButtons(false);
        if (edited_)
            UpdateSkinColors(saveEnabled);
    }
    name->ReleaseToPool();
}

void SkinCustomizer::AddAsNewSkin()
{
    if (!skinner_ || !edited_)
        return;
    if (skinner_->GetSkinCount() >= drawer::Skinner::kMaxSkins) {
        gui::win::ShowInfoMessage(kTooManySkins);
        return;
    }
    StrBuffer* name = StrBuffer::New();
    if (!name)
        return;
    if (TakeNewName(name)) {
        // The shown colours go into the new skin; the skin they were shown in keeps its saved ones.
        drawer::SkinColorSet shown;
        drawer::skin::ReadColors(edited_, &shown);
        int32_t values[drawer::SkinColorSet::kBuilderValues];
        shown.ToBuilderOrder(values);
        drawer::Skinner* skinner = skinner_;
        ChangeManager([skinner, name, &values] {
            if (skinner->AddSkinFromColors(name->GetText(), values))
                skinner->SelectSkinAt(skinner->GetSkinCount() - 1);
        });
        RevertColors();
        FollowChangedManager();
    }
    name->ReleaseToPool();
}

void SkinCustomizer::DeleteSkin()
{
    if (!skinner_ || !gui::win::AskYesNo(kAskDelete))
        return;
    // One skin always stays: the windows paint with it.
    const int32_t current = skinner_->GetCurrentSkinIndex();
    if (skinner_->GetSkinCount() < 2 || current < 0)
        return;
    SetSaveButtons(false);
    drawer::Skinner* skinner = skinner_;
    ChangeManager([skinner, current] {
        const uint32_t next = static_cast<uint32_t>(current) + 1 < skinner->GetSkinCount()
                                  ? static_cast<uint32_t>(current) + 1
                                  : 0;
        // Every skinned window moves to the next skin before the old one's drawers go.
        skinner->SelectSkinAt(next);
        skinner->RemoveSkinAt(static_cast<uint32_t>(current));
    });
    FollowChangedManager();
}

void SkinCustomizer::RestoreDefaultSkins()
{
    if (!skinner_ || !gui::win::AskYesNo(kAskRestore))
        return;
    drawer::Skinner* builtIn = drawer::Skinner::New();
    if (!builtIn)
        return;
    builtIn->SetDrawerType(skinner_->GetDrawerType());
    builtIn->AddBuiltInSkins();
    MergeSkins(builtIn);
    builtIn->ReleaseToPool();
}

void SkinCustomizer::Import()
{
    if (!skinner_ || !window_)
        return;
    dialogs::win::FileOpener* dialog = dialogs::win::FileOpener::New();
    if (!dialog)
        return;
    dialog->SetOpenMode(false, true);
    dialog->AddFilter(kFileType, kFilePattern);
    if (dialog->Run(window_)) {
        xml::MappedData* store = OpenSkinSetFile(dialog->GetPath(), true);
        drawer::Skinner* imported = drawer::Skinner::New();
        if (store && imported) {
            imported->SetDrawerType(skinner_->GetDrawerType());
            imported->LoadSkinSet(store, kSkinSetPath, false);
            MergeSkins(imported);
        }
        if (imported)
            imported->ReleaseToPool();
        if (store)
            store->ReleaseToPool();
    }
    dialog->ReleaseToPool();
}

void SkinCustomizer::Export()
{
    if (!skinner_ || !window_)
        return;
    dialogs::win::FileOpener* dialog = dialogs::win::FileOpener::New();
    if (!dialog)
        return;
    dialog->SetSaveMode();
    dialog->AddFilter(kFileType, kFilePattern);
    if (dialog->Run(window_)) {
        if (xml::MappedData* store = OpenSkinSetFile(dialog->GetPath(), false)) {
            drawer::Skinner* skinner = skinner_;
            // Read where the skins are painted with, as every other use of the shared manager.
            ChangeManager([skinner, store] { skinner->SaveSkinSet(store, kSkinSetPath); });
            store->Save();
            store->ReleaseToPool();
        }
    }
    dialog->ReleaseToPool();
}

xml::MappedData* SkinCustomizer::OpenSkinSetFile(const wchar_t* path, bool reading)
{
    if (reading) {
        xml::MappedData* store = xml::MappedData::OpenFile(path);
        xml::Node* root = store ? store->GetDocument() : nullptr;
        if (root && root->GetChildCount() == 0)
            root->SetName(kSkinSetRoot, StrBuffer::kWhole);
        return store;
    }
    xml::MappedData* store = xml::MappedData::New();
    xml::Node* root = xml::Node::New();
    if (!store || !root) {
        if (store)
            store->ReleaseToPool();
        if (root)
            root->ReleaseToPool();
        return nullptr;
    }
    root->SetName(kSkinSetRoot, StrBuffer::kWhole);
    store->SetDocument(root);
    store->SetFile(file::win::PathWin::CreateFromText(path), false);
    store->SetAutoSave(false);
    return store;
}

void SkinCustomizer::ReorderByList()
{
    IListBox2* list = GetSkinList();
    str::strarray::StrArray* names = str::strarray::StrArray::New();
    if (!list || !skinner_ || !names) {
        if (names)
            names->ReleaseToPool();
        return;
    }
    for (uint32_t i = 0; i < list->GetRowCount(); ++i) {
        StrBuffer* name = RowName(list->GetRowAt(i));
        names->AddText(name ? name->GetText() : L"");
    }
    drawer::Skinner* skinner = skinner_;
    ChangeManager([skinner, names] { skinner->ReorderSkins(names); });
    names->ReleaseToPool();
}

// Import and restore alike: the incoming skins are appended as far as the limit lets them, the
// first becomes current (so every window leaves the skins about to go), and then the earlier
// skins of the same names go. The user is told when skins were left out.
void SkinCustomizer::MergeSkins(drawer::Skinner* source)
{
    const uint32_t incoming = source->GetSkinCount();
    if (incoming == 0)
        return;
    const uint32_t taken = FittingCount(skinner_, source);
    if (taken > 0) {
        std::vector<int32_t> values(static_cast<size_t>(taken) * drawer::SkinColorSet::kBuilderValues);
        for (uint32_t j = 0; j < taken; ++j) {
            drawer::SkinColorSet colors;
            drawer::skin::ReadColors(source->GetSkinAt(j), &colors);
            colors.ToBuilderOrder(&values[static_cast<size_t>(j) * drawer::SkinColorSet::kBuilderValues]);
        }
        drawer::Skinner* skinner = skinner_;
        ChangeManager([skinner, source, taken, &values] {
            const uint32_t before = skinner->GetSkinCount();
            uint32_t added = 0;
            for (uint32_t j = 0; j < taken; ++j) {
                if (skinner->AddSkinFromColors(source->GetSkinNameAt(j)->GetText(),
                                               &values[static_cast<size_t>(j) * drawer::SkinColorSet::kBuilderValues]))
                    ++added;
            }
            if (added == 0)
                return;
            skinner->SelectSkinAt(before);
            for (uint32_t i = before; i > 0; --i) {
                bool replaced = false;
                for (uint32_t j = 0; j < taken && !replaced; ++j)
                    replaced = SameName(skinner->GetSkinNameAt(i - 1), source->GetSkinNameAt(j)->GetText());
                if (replaced)
                    skinner->RemoveSkinAt(i - 1);
            }
        });
        SetSaveButtons(false);
        FollowChangedManager();
    }
    if (taken < incoming)
        gui::win::ShowInfoMessage(kTooManySkins);
}

} // namespace dialogs
} // namespace gui
} // namespace s
