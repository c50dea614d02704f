#pragma once
#include <windows.h>

// Holder of one native menu. A menu it made or was given with Attach is destroyed only by
// DestroyMenu; the destructor destroys what it still holds.
class CMenu {
public:
    CMenu();
    virtual ~CMenu();

    BOOL CreatePopupMenu();
    BOOL Attach(HMENU menu);
    HMENU Detach();
    BOOL DestroyMenu();

    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    BOOL AppendMenuW(UINT flags, UINT_PTR idOrSubmenu, const wchar_t* text);
    BOOL InsertMenuW(UINT position, UINT flags, UINT_PTR idOrSubmenu, const wchar_t* text);
    BOOL ModifyMenuW(UINT position, UINT flags, UINT_PTR idOrSubmenu, const wchar_t* text);
    BOOL DeleteMenu(UINT position, UINT flags);
    // The previous state, or (UINT)-1 when the entry does not exist.
    UINT CheckMenuItem(UINT idOrPosition, UINT flags);
    BOOL CheckMenuRadioItem(UINT first, UINT last, UINT checked, UINT flags);
    UINT EnableMenuItem(UINT idOrPosition, UINT flags);
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    // Shows the menu at a screen point for the owner and returns when it closes.
    BOOL TrackPopupMenu(UINT flags, int x, int y, HWND owner, const RECT* ignored = nullptr);

    HMENU m_hMenu;

private:
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
};
