#include "mfc/Edit.h"

BOOL CEdit::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CWnd::Create(L"EDIT", L"", style, rect, parent, id);
}

BOOL CEdit::SetReadOnly(BOOL readOnly)
{
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly, 0));
}

void CEdit::SetPasswordChar(wchar_t character)
{
    SendMessage(EM_SETPASSWORDCHAR, character, 0);
}

void CEdit::SetSel(int start, int end)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}
