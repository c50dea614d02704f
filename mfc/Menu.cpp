#include "mfc/Menu.h"

CMenu::CMenu() : m_hMenu(nullptr) {}

CMenu::~CMenu()
{
    DestroyMenu();
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::Attach(HMENU menu)
{
    if (!menu || m_hMenu)
        return FALSE;
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenuW(UINT flags, UINT_PTR idOrSubmenu, const wchar_t* text)
{
    return m_hMenu && ::AppendMenuW(m_hMenu, flags, idOrSubmenu, text);
}

BOOL CMenu::InsertMenuW(UINT position, UINT flags, UINT_PTR idOrSubmenu, const wchar_t* text)
{
    return m_hMenu && ::InsertMenuW(m_hMenu, position, flags, idOrSubmenu, text);
}

BOOL CMenu::ModifyMenuW(UINT position, UINT flags, UINT_PTR idOrSubmenu, const wchar_t* text)
{
    return m_hMenu && ::ModifyMenuW(m_hMenu, position, flags, idOrSubmenu, text);
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags)
{
    return m_hMenu && ::DeleteMenu(m_hMenu, position, flags);
}

UINT CMenu::CheckMenuItem(UINT idOrPosition, UINT flags)
{
    return m_hMenu ? static_cast<UINT>(::CheckMenuItem(m_hMenu, idOrPosition, flags)) : static_cast<UINT>(-1);
}

BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT checked, UINT flags)
{
    return m_hMenu && ::CheckMenuRadioItem(m_hMenu, first, last, checked, flags);
}

UINT CMenu::EnableMenuItem(UINT idOrPosition, UINT flags)
{
    return m_hMenu ? static_cast<UINT>(::EnableMenuItem(m_hMenu, idOrPosition, flags)) : static_cast<UINT>(-1);
}

int CMenu::GetMenuItemCount() const
{
    return m_hMenu ? ::GetMenuItemCount(m_hMenu) : -1;
}

UINT CMenu::GetMenuItemID(int position) const
{
    return m_hMenu ? ::GetMenuItemID(m_hMenu, position) : static_cast<UINT>(-1);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, HWND owner, const RECT* ignored)
{
    return m_hMenu && ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner, ignored);
}
