#include "mfc/HeaderCtrl.h"

int CHeaderCtrl::GetItemCount() const
{
    if (!m_hWnd)
        return 0;
    const LRESULT count = ::SendMessageW(m_hWnd, HDM_GETITEMCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

BOOL CHeaderCtrl::GetItemRect(int index, RECT* rect) const
{
    if (!m_hWnd || !rect)
        return FALSE;
    return ::SendMessageW(m_hWnd, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)) != 0;
}

BOOL CHeaderCtrl::GetItem(int index, HDITEMW* item) const
{
    if (!m_hWnd || !item)
        return FALSE;
    return ::SendMessageW(m_hWnd, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)) != 0;
}
