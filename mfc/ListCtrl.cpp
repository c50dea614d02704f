#include "mfc/ListCtrl.h"

BOOL CListCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CWnd::Create(WC_LISTVIEWW, L"", style, rect, parent, id);
}

int CListCtrl::InsertColumn(int column, const wchar_t* caption, int format, int width, int subItem)
{
    LVCOLUMNW record = {};
    record.mask = LVCF_TEXT | LVCF_FMT;
    record.fmt = format;
    record.pszText = const_cast<wchar_t*>(caption ? caption : L"");
    if (width != -1) {
        record.mask |= LVCF_WIDTH;
        record.cx = width;
    }
    if (subItem != -1) {
        record.mask |= LVCF_SUBITEM;
        record.iSubItem = subItem;
    }
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&record)));
}
