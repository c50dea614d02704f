#include "windowing/menu/PopupMenu.h"

#include "storage/lang/Localizer.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/menu/MenuItem.h"

namespace s {
namespace gui {
namespace win {

using menuitem::MenuItem;

namespace {

const int32_t kNoTextId = -1;
const int32_t kNoCommand = -1;

// Native menu calls take unsigned ids and positions.
UINT Unsigned(int32_t value)
{
    return static_cast<UINT>(value);
}

} // namespace

PopupMenu::PopupMenu() : localizer_(nullptr), nativeMade_(false), titleTextId_(kNoTextId), selectedCommand_(kNoCommand)
{
    items_.SetCleaner(MenuItem::GetPool());
    submenus_.SetCleaner(GetPool());
    Reset();
}

PopupMenu::~PopupMenu()
{
    // Destroyed beside a full pool or at exit, where the pools may be gone: the own pieces are
    // deleted here, not given back.
    if (localizer_)
        localizer_->RemoveListener(this);
    for (uint32_t i = 0; i < items_.GetCount(); ++i)
        delete static_cast<MenuItem*>(items_.Get(i));
    items_.Clear();
    items_.SetCleaner(nullptr);
    for (uint32_t i = 0; i < submenus_.GetCount(); ++i) {
        PopupMenu* submenu = static_cast<PopupMenu*>(submenus_.Get(i));
        // Its native menu is its own to destroy, not this one's.
        if (m_hMenu)
            ::RemoveMenu(m_hMenu, static_cast<UINT>(PositionOfSubmenu(submenu->m_hMenu)), MF_BYPOSITION);
        delete submenu;
    }
    submenus_.Clear();
    submenus_.SetCleaner(nullptr);
}

thread::EasyPooler* PopupMenu::GetPool()
{
    return &thread::PoolOf<PopupMenu>();
}

PopupMenu* PopupMenu::New()
{
    return thread::TakeFromPool<PopupMenu>();
}

const wchar_t* PopupMenu::GetClassName()
{
    return kClassName;
}

base::IObject* PopupMenu::NewInstance()
{
    return New();
}

void PopupMenu::ReleaseToPool()
{
    GetPool()->Give(this);
}

void PopupMenu::Reset()
{
    SetLocalizer(nullptr);
    title_.Clear();
    titleTextId_ = kNoTextId;
    RemoveAll();
    listeners_.Clear();
    selectedCommand_ = kNoCommand;
    if (nativeMade_) {
        DestroyMenu();
        nativeMade_ = false;
    }
}

MenuItem* PopupMenu::GetItemAt(uint32_t index)
{
    return index < items_.GetCount() ? static_cast<MenuItem*>(items_.Get(index)) : nullptr;
}

PopupMenu* PopupMenu::GetSubmenuAt(uint32_t index)
{
    return index < submenus_.GetCount() ? static_cast<PopupMenu*>(submenus_.Get(index)) : nullptr;
}

bool PopupMenu::EnsureNativeMenu()
{
    if (!nativeMade_)
        nativeMade_ = CreatePopupMenu() != FALSE;
    return nativeMade_;
}

int32_t PopupMenu::NativeCount()
{
    const int count = m_hMenu ? GetMenuItemCount() : 0;
    return count > 0 ? count : 0;
}

bool PopupMenu::IsSubmenuEntry(int32_t position)
{
    return ::GetSubMenu(m_hMenu, position) != nullptr;
}

bool PopupMenu::ItemIndexAt(int32_t position, uint32_t* index)
{
    if (position < 0 || position >= NativeCount() || IsSubmenuEntry(position))
        return false;
    uint32_t before = 0;
    for (int32_t i = 0; i < position; ++i) {
        if (!IsSubmenuEntry(i))
            ++before;
    }
    if (before >= items_.GetCount())
        return false;
    *index = before;
    return true;
}

int32_t PopupMenu::PositionOfItem(uint32_t index)
{
    const int32_t count = NativeCount();
    uint32_t seen = 0;
    for (int32_t i = 0; i < count; ++i) {
        if (IsSubmenuEntry(i))
            continue;
        if (seen == index)
            return i;
        ++seen;
    }
    return -1;
}

int32_t PopupMenu::PositionOfSubmenu(HMENU submenu)
{
    const int32_t count = NativeCount();
    for (int32_t i = 0; submenu && i < count; ++i) {
        if (::GetSubMenu(m_hMenu, i) == submenu)
            return i;
    }
    return -1;
}

void PopupMenu::OnEvent(base::IObject* source, int32_t)
{
    if (!source || source != static_cast<base::IObject*>(localizer_))
        return;
    OnLanguageChanged();
}

void PopupMenu::OnLanguageChanged()
{
    for (uint32_t i = 0; i < items_.GetCount(); ++i) {
        MenuItem* item = GetItemAt(i);
        if (item->IsSeparator())
            continue;
        item->GetText();
        RewriteItemText(item);
        if (item->IsChecked())
            CheckMenuItem(Unsigned(item->GetCommandId()), MF_BYCOMMAND | MF_CHECKED);
        if (item->IsRadioChecked() && NativeCount() > 0) {
            const int32_t position = PositionOfItem(i);
            if (position >= 0)
                CheckMenuRadioItem(Unsigned(position), Unsigned(position), Unsigned(position), MF_BYPOSITION);
        }
    }
    for (uint32_t i = 0; i < submenus_.GetCount(); ++i)
        RewriteSubmenuEntry(GetSubmenuAt(i), nullptr);
}

void PopupMenu::RewriteItemText(MenuItem* item)
{
    // Only the string changes: a rewrite as a plain string entry would drop the check mark, the
    // radio mark and the greying while the item still holds them.
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(item->GetText());
    ::SetMenuItemInfoW(m_hMenu, Unsigned(item->GetCommandId()), FALSE, &info);
}

void PopupMenu::RewriteSubmenuEntry(PopupMenu* submenu, const UINT* state)
{
    const int32_t position = PositionOfSubmenu(submenu->m_hMenu);
    if (position < 0)
        return;
    // Changed in place: replacing a submenu entry may destroy the submenu's native menu.
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING | (state ? MIIM_STATE : 0);
    info.dwTypeData = const_cast<wchar_t*>(submenu->GetTitle());
    info.fState = state ? *state : 0;
    ::SetMenuItemInfoW(m_hMenu, Unsigned(position), TRUE, &info);
}

bool PopupMenu::AddItem(MenuItem* item)
{
    if (!item)
        return false;
    items_.Append(item);
    if (!EnsureNativeMenu())
        return false;
    if (item->IsSeparator())
        return AppendMenuW(MF_SEPARATOR, 0, nullptr) != FALSE;
    const UINT flags = MF_STRING | (item->IsChecked() ? MF_CHECKED : MF_UNCHECKED);
    return AppendMenuW(flags, Unsigned(item->GetCommandId()), item->GetText()) != FALSE;
}

bool PopupMenu::InsertItem(int32_t position, MenuItem* item)
{
    if (!item)
        return false;
    const int32_t count = NativeCount();
    if (position < 0 || position > count) {
        item->ReleaseToPool();
        return false;
    }
    if (position == count)
        return AddItem(item);
    // The item goes before the item entries that follow the position.
    uint32_t index = 0;
    for (int32_t i = 0; i < position; ++i) {
        if (!IsSubmenuEntry(i))
            ++index;
    }
    if (index > items_.GetCount())
        index = items_.GetCount();
    items_.InsertAt(index, item);
    if (item->IsSeparator())
        return InsertMenuW(Unsigned(position), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr) != FALSE;
    const UINT flags = MF_BYPOSITION | MF_STRING | (item->IsChecked() ? MF_CHECKED : MF_UNCHECKED);
    return InsertMenuW(Unsigned(position), flags, Unsigned(item->GetCommandId()), item->GetText()) != FALSE;
}

void PopupMenu::RemoveAll()
{
    for (int32_t i = NativeCount() - 1; i >= 0; --i) {
        // A submenu's native menu is destroyed by the submenu itself when it goes back.
        if (IsSubmenuEntry(i))
            ::RemoveMenu(m_hMenu, Unsigned(i), MF_BYPOSITION);
        else
            DeleteMenu(Unsigned(i), MF_BYPOSITION);
    }
    for (uint32_t i = items_.GetCount(); i > 0; --i)
        items_.DisposeAt(i - 1);
    for (uint32_t i = submenus_.GetCount(); i > 0; --i)
        submenus_.DisposeAt(i - 1);
}

bool PopupMenu::RemoveAt(int32_t position)
{
    uint32_t index = 0;
    if (!ItemIndexAt(position, &index))
        return false;
    DeleteMenu(Unsigned(position), MF_BYPOSITION);
    items_.DisposeAt(index);
    return true;
}

bool PopupMenu::RemoveCommand(int32_t commandId)
{
    int32_t position = -1;
    return IndexOfCommand(commandId, &position) && RemoveAt(position);
}

bool PopupMenu::RemoveTag(int64_t tag)
{
    int32_t position = -1;
    return IndexOfTag(tag, &position) && RemoveAt(position);
}

MenuItem* PopupMenu::FindItem(int32_t commandId)
{
    for (uint32_t i = 0; i < items_.GetCount(); ++i) {
        MenuItem* item = GetItemAt(i);
        if (!item->IsSeparator() && item->GetCommandId() == commandId)
            return item;
    }
    return nullptr;
}

bool PopupMenu::ContainsCommand(int32_t commandId)
{
    if (FindItem(commandId))
        return true;
    for (uint32_t i = 0; i < submenus_.GetCount(); ++i) {
        if (GetSubmenuAt(i)->ContainsCommand(commandId))
            return true;
    }
    return false;
}

bool PopupMenu::IndexOfCommand(int32_t commandId, int32_t* position)
{
    for (uint32_t i = 0; i < items_.GetCount(); ++i) {
        MenuItem* item = GetItemAt(i);
        if (item->IsSeparator() || item->GetCommandId() != commandId)
            continue;
        const int32_t found = PositionOfItem(i);
        if (found < 0)
            return false;
        if (position)
            *position = found;
        return true;
    }
    return false;
}

bool PopupMenu::IndexOfTag(int64_t tag, int32_t* position)
{
    for (uint32_t i = 0; i < items_.GetCount(); ++i) {
        if (GetItemAt(i)->GetTag() != tag)
            continue;
        const int32_t found = PositionOfItem(i);
        if (found < 0)
            return false;
        if (position)
            *position = found;
        return true;
    }
    return false;
}

bool PopupMenu::EnableSubmenu(IPopupMenu* submenu, bool enable)
{
    PopupMenu* own = dynamic_cast<PopupMenu*>(submenu);
    int32_t index = -1;
    if (!own || !submenus_.IndexOf(own, &index))
        return false;
    const UINT state = enable ? MFS_ENABLED : MFS_DISABLED;
    RewriteSubmenuEntry(own, &state);
    return true;
}

bool PopupMenu::EnableCommand(int32_t commandId, bool enable)
{
    if (FindItem(commandId)) {
        EnableMenuItem(Unsigned(commandId), MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
        return true;
    }
    for (uint32_t i = 0; i < submenus_.GetCount(); ++i) {
        if (GetSubmenuAt(i)->EnableCommand(commandId, enable))
            return true;
    }
    return false;
}

bool PopupMenu::AddSubmenu(IPopupMenu* submenu)
{
    PopupMenu* own = dynamic_cast<PopupMenu*>(submenu);
    if (!own || own == this)
        return false;
    submenus_.Append(own);
    if (!EnsureNativeMenu() || !own->EnsureNativeMenu())
        return false;
    return AppendMenuW(MF_POPUP, reinterpret_cast<UINT_PTR>(own->m_hMenu), own->GetTitle()) != FALSE;
}

void PopupMenu::SetLocalizer(lang::Localizer* localizer)
{
    if (localizer == localizer_)
        return;
    if (localizer_)
        localizer_->RemoveListener(this);
    localizer_ = localizer;
    if (localizer_)
        localizer_->AddListener(this);
}

bool PopupMenu::IsChecked(int32_t commandId)
{
    if (MenuItem* item = FindItem(commandId))
        return item->IsChecked();
    for (uint32_t i = 0; i < submenus_.GetCount(); ++i) {
        PopupMenu* submenu = GetSubmenuAt(i);
        if (submenu->ContainsCommand(commandId))
            return submenu->IsChecked(commandId);
    }
    return false;
}

bool PopupMenu::SetChecked(int32_t commandId, bool checked)
{
    if (MenuItem* item = FindItem(commandId)) {
        if (item->IsChecked() != checked) {
            item->SetChecked(checked);
            CheckMenuItem(Unsigned(commandId), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
        }
        return true;
    }
    for (uint32_t i = 0; i < submenus_.GetCount(); ++i) {
        if (GetSubmenuAt(i)->SetChecked(commandId, checked))
            return true;
    }
    return false;
}

bool PopupMenu::SetItemText(int32_t commandId, const wchar_t* text)
{
    if (MenuItem* item = FindItem(commandId)) {
        item->SetText(text);
        RewriteItemText(item);
        return true;
    }
    for (uint32_t i = 0; i < submenus_.GetCount(); ++i) {
        if (GetSubmenuAt(i)->SetItemText(commandId, text))
            return true;
    }
    return false;
}

bool PopupMenu::SetItemTextId(int32_t commandId, int32_t textId)
{
    if (MenuItem* item = FindItem(commandId)) {
        item->SetTextId(textId);
        RewriteItemText(item);
        return true;
    }
    for (uint32_t i = 0; i < submenus_.GetCount(); ++i) {
        if (GetSubmenuAt(i)->SetItemTextId(commandId, textId))
            return true;
    }
    return false;
}

void PopupMenu::RefreshTexts()
{
    for (uint32_t i = 0; i < items_.GetCount(); ++i) {
        MenuItem* item = GetItemAt(i);
        if (!item->IsSeparator())
            RewriteItemText(item);
    }
    for (uint32_t i = 0; i < submenus_.GetCount(); ++i)
        RewriteSubmenuEntry(GetSubmenuAt(i), nullptr);
}

const wchar_t* PopupMenu::GetTitle()
{
    if (titleTextId_ != kNoTextId)
        title_.Assign(localizer_ ? localizer_->GetText(titleTextId_) : L"");
    return title_.GetText();
}

int32_t PopupMenu::GetTitleTextId()
{
    return titleTextId_;
}

void PopupMenu::SetTitleTextId(int32_t textId)
{
    EnsureNativeMenu();
    titleTextId_ = textId;
    GetTitle();
}

void PopupMenu::SetTitle(const wchar_t* title)
{
    EnsureNativeMenu();
    title_.Assign(title ? title : L"");
}

void PopupMenu::ApplyRadioFlags(int32_t firstPosition, int32_t lastPosition, int32_t checkedPosition)
{
    uint32_t index = 0;
    MenuItem* checkedItem = checkedPosition >= 0 && ItemIndexAt(checkedPosition, &index) ? GetItemAt(index) : nullptr;
    const int32_t checkedId = checkedItem ? checkedItem->GetCommandId() : kNoCommand;
    // One walk over the entries, counting the items among them (a skin menu holds hundreds).
    index = 0;
    for (int32_t position = 0; position <= lastPosition && index < items_.GetCount(); ++position) {
        if (IsSubmenuEntry(position))
            continue;
        MenuItem* item = GetItemAt(index++);
        if (position >= firstPosition)
            item->SetRadioChecked(checkedItem && !item->IsSeparator() && item->GetCommandId() == checkedId);
    }
}

bool PopupMenu::CheckRadioRange(int32_t checked, int32_t first, int32_t last)
{
    uint32_t index = 0;
    if (first < 0 || first > checked || checked > last || last >= NativeCount() || !ItemIndexAt(checked, &index))
        return false;
    CheckMenuRadioItem(Unsigned(first), Unsigned(last), Unsigned(checked), MF_BYPOSITION);
    ApplyRadioFlags(first, last, checked);
    return true;
}

bool PopupMenu::CheckRadioAt(int32_t position)
{
    const int32_t count = NativeCount();
    uint32_t index = 0;
    if (position >= 0) {
        if (!ItemIndexAt(position, &index))
            return false;
        CheckMenuRadioItem(0, Unsigned(count - 1), Unsigned(position), MF_BYPOSITION);
        ApplyRadioFlags(0, count - 1, position);
        return true;
    }
    // No entry to mark: every radio mark comes off.
    for (uint32_t i = 0; i < items_.GetCount(); ++i) {
        MenuItem* item = GetItemAt(i);
        if (!item->IsRadioChecked())
            continue;
        item->SetRadioChecked(false);
        const int32_t at = PositionOfItem(i);
        if (at >= 0)
            CheckMenuItem(Unsigned(at), MF_BYPOSITION | MF_UNCHECKED);
    }
    return true;
}

bool PopupMenu::CheckRadioCommand(int32_t commandId)
{
    int32_t position = -1;
    return IndexOfCommand(commandId, &position) && CheckRadioAt(position);
}

bool PopupMenu::CheckRadioTag(int64_t tag)
{
    int32_t position = -1;
    return IndexOfTag(tag, &position) && CheckRadioAt(position);
}

int32_t PopupMenu::GetSelectedCommand()
{
    return selectedCommand_;
}

void PopupMenu::AddListener(events::IEventListener* listener)
{
    if (listener)
        listeners_.Append(listener);
}

void PopupMenu::SelectCommand(int32_t commandId)
{
    selectedCommand_ = commandId;
    events::TellListeners(listeners_, this, 0);
}

bool PopupMenu::ShowAtWith(UINT flags, int32_t x, int32_t y, IComponent* owner)
{
    HWND window = owner ? NativeWindowOf(owner) : nullptr;
    if (!m_hMenu || !window)
        return false;
    return TrackPopupMenu(flags, x, y, window) != FALSE;
}

bool PopupMenu::ShowAtBottomAligned(int32_t x, int32_t y, IComponent* owner)
{
    return ShowAtWith(TPM_NOANIMATION | TPM_BOTTOMALIGN | TPM_RIGHTBUTTON, x, y, owner);
}

bool PopupMenu::ShowAt(int32_t x, int32_t y, IComponent* owner)
{
    return ShowAtWith(TPM_NOANIMATION | TPM_RIGHTBUTTON, x, y, owner);
}

int32_t PopupMenu::GetEntryCount()
{
    return static_cast<int32_t>(items_.GetCount() + submenus_.GetCount());
}

} // namespace win
} // namespace gui
} // namespace s
