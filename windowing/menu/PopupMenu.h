#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/col/ArrayP.h"
#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/Menu.h"
#include "windowing/menu/IPopupMenu.h"

namespace s {
namespace gui {
namespace win {

// The toolkit's popup and context menu over a native popup menu, made on first need (a title,
// an item or a submenu). It owns its items and submenus and gives them back to their pools; it
// listens to its localizer and rewrites its entries in the new language, keeping their marks.
class PopupMenu : public IPopupMenu, public base::IObject, public thread::IPoolable, public CMenu {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_PopupMenu";

    PopupMenu();
    ~PopupMenu() override;

    static thread::EasyPooler* GetPool();
    static PopupMenu* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Leaves the localizer, gives every item and submenu back and destroys the native menu.
    void Reset() override;

    // A change of language from the menu's own localizer; other sources are ignored.
    void OnEvent(base::IObject* source, int32_t code) override;
    void OnLanguageChanged();

    bool AddItem(menuitem::MenuItem* item) override;
    bool InsertItem(int32_t position, menuitem::MenuItem* item) override;
    void RemoveAll() override;
    bool RemoveAt(int32_t position) override;
    bool RemoveCommand(int32_t commandId) override;
    bool RemoveTag(int64_t tag) override;
    menuitem::MenuItem* FindItem(int32_t commandId) override;
    bool ContainsCommand(int32_t commandId) override;
    bool IndexOfCommand(int32_t commandId, int32_t* position) override;
    bool IndexOfTag(int64_t tag, int32_t* position) override;
    bool EnableSubmenu(IPopupMenu* submenu, bool enable) override;
    bool EnableCommand(int32_t commandId, bool enable) override;
    bool AddSubmenu(IPopupMenu* submenu) override;
    void SetLocalizer(lang::Localizer* localizer) override;
    bool IsChecked(int32_t commandId) override;
    bool SetChecked(int32_t commandId, bool checked) override;
    bool SetItemText(int32_t commandId, const wchar_t* text) override;
    bool SetItemTextId(int32_t commandId, int32_t textId) override;
    void RefreshTexts() override;
    const wchar_t* GetTitle() override;
    int32_t GetTitleTextId() override;
    void SetTitleTextId(int32_t textId) override;
    void SetTitle(const wchar_t* title) override;
    bool CheckRadioRange(int32_t checked, int32_t first, int32_t last) override;
    bool CheckRadioAt(int32_t position) override;
    bool CheckRadioCommand(int32_t commandId) override;
    bool CheckRadioTag(int64_t tag) override;
    int32_t GetSelectedCommand() override;
    void AddListener(events::IEventListener* listener) override;
    void SelectCommand(int32_t commandId) override;
    bool ShowAtBottomAligned(int32_t x, int32_t y, IComponent* owner) override;
    bool ShowAt(int32_t x, int32_t y, IComponent* owner) override;
    int32_t GetEntryCount() override;

    // Own items and submenus in menu order; not to be changed from outside.
    uint32_t GetItemCount() { return items_.GetCount(); }
    menuitem::MenuItem* GetItemAt(uint32_t index);
    uint32_t GetSubmenuCount() { return submenus_.GetCount(); }
    PopupMenu* GetSubmenuAt(uint32_t index);

private:
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    bool EnsureNativeMenu();
    int32_t NativeCount();
    bool IsSubmenuEntry(int32_t position);
    // The list index of the item at a native position; false for a submenu or no entry.
    bool ItemIndexAt(int32_t position, uint32_t* index);
    // The native position of the item at a list index; -1 when the menus disagree.
    int32_t PositionOfItem(uint32_t index);
    int32_t PositionOfSubmenu(HMENU submenu);
    bool ShowAtWith(UINT flags, int32_t x, int32_t y, IComponent* owner);
    // The entry's text in place; its check and radio marks and its enabled state stay.
    void RewriteItemText(menuitem::MenuItem* item);
    void RewriteSubmenuEntry(PopupMenu* submenu, const UINT* state);
    void ApplyRadioFlags(int32_t firstPosition, int32_t lastPosition, int32_t checkedPosition);

    lang::Localizer* localizer_;
    bool nativeMade_;
    str::strbuffer::StrBuffer title_;
    int32_t titleTextId_;
    col::_array::ArrayP items_;
    col::_array::ArrayP submenus_;
    col::_array::ArrayP listeners_;
    int32_t selectedCommand_;
};

} // namespace win
} // namespace gui
} // namespace s
