#pragma once
#include <cstdint>

#include "storage/events/IEventListener.h"

namespace s {
namespace lang {
class Localizer;
}
namespace gui {

class IComponent;
namespace menuitem {
class MenuItem;
}

// A popup menu of items and submenus whose texts follow the language. Positions are positions
// in the native menu, where submenus count as entries; an item's place in the menu is found
// from its position by counting the entries before it that are not submenus, and a position
// outside the menu changes nothing. Operations "searched in submenus" look at the menu's own
// items first, then at each submenu in turn. A chosen command is told to the listeners with the
// menu as source and code 0. No lock: one thread builds, changes and shows a menu at a time.
class IPopupMenu : public events::IEventListener {
public:
    // Appends the item, which the menu owns from then on (also when it could not be shown).
    virtual bool AddItem(menuitem::MenuItem* item) = 0;
    // The same at a position up to the entry count (which appends); false, with the item given
    // back to its pool, for a position outside.
    virtual bool InsertItem(int32_t position, menuitem::MenuItem* item) = 0;
    // Every entry out; items and submenus back to their pools.
    virtual void RemoveAll() = 0;
    // The item at the position out and back to its pool; false for a submenu or no entry.
    virtual bool RemoveAt(int32_t position) = 0;
    virtual bool RemoveCommand(int32_t commandId) = 0;
    virtual bool RemoveTag(int64_t tag) = 0;
    // Own items only.
    virtual menuitem::MenuItem* FindItem(int32_t commandId) = 0;
    // Searched in submenus.
    virtual bool ContainsCommand(int32_t commandId) = 0;
    // The native position of the first own item with the id or tag; position may be null.
    virtual bool IndexOfCommand(int32_t commandId, int32_t* position) = 0;
    virtual bool IndexOfTag(int64_t tag, int32_t* position) = 0;
    virtual bool EnableSubmenu(IPopupMenu* submenu, bool enable) = 0;
    // Searched in submenus; true when found.
    virtual bool EnableCommand(int32_t commandId, bool enable) = 0;
    // Appends the submenu under its title; the menu owns it from then on.
    virtual bool AddSubmenu(IPopupMenu* submenu) = 0;
    virtual void SetLocalizer(lang::Localizer* localizer) = 0;
    // Searched in submenus; false when no item has the id.
    virtual bool IsChecked(int32_t commandId) = 0;
    virtual bool SetChecked(int32_t commandId, bool checked) = 0;
    // An item with a text id keeps showing that id's text. Searched in submenus.
    virtual bool SetItemText(int32_t commandId, const wchar_t* text) = 0;
    virtual bool SetItemTextId(int32_t commandId, int32_t textId) = 0;
    // Every entry rewritten in the current language.
    virtual void RefreshTexts() = 0;
    virtual const wchar_t* GetTitle() = 0;
    virtual int32_t GetTitleTextId() = 0;
    virtual void SetTitleTextId(int32_t textId) = 0;
    virtual void SetTitle(const wchar_t* title) = 0;
    // The radio mark on the checked position, taken off the other entries from first to last.
    virtual bool CheckRadioRange(int32_t checked, int32_t first, int32_t last) = 0;
    // The radio mark on the position alone; -1 takes every radio mark off.
    virtual bool CheckRadioAt(int32_t position) = 0;
    virtual bool CheckRadioCommand(int32_t commandId) = 0;
    virtual bool CheckRadioTag(int64_t tag) = 0;
    // The command last chosen, -1 before any.
    virtual int32_t GetSelectedCommand() = 0;
    virtual void AddListener(events::IEventListener* listener) = 0;
    // Stores the command and tells the listeners with code 0.
    virtual void SelectCommand(int32_t commandId) = 0;
    // Shows the menu at a screen point for the owner's native window, its bottom edge there or
    // its top edge there; returns when the menu closes (the chosen command comes as WM_COMMAND).
    virtual bool ShowAtBottomAligned(int32_t x, int32_t y, IComponent* owner) = 0;
    virtual bool ShowAt(int32_t x, int32_t y, IComponent* owner) = 0;
    // Own items and submenus.
    virtual int32_t GetEntryCount() = 0;
};

} // namespace gui
} // namespace s
