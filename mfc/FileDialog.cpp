#include "mfc/FileDialog.h"

#include <shlwapi.h>

#include <cwchar>

#include "mfc/CommonDialogs.h"
#include "mfc/Wnd.h"

namespace {

const wchar_t kDialogProperty[] = L"PulsegridFileDialog";

// The length of the text at the place, or -1 when it is not closed before the end.
ptrdiff_t BoundedLength(const wchar_t* text, const wchar_t* end)
{
    for (const wchar_t* at = text; at < end; ++at) {
        if (!*at)
            return at - text;
    }
    return -1;
}

// True when the strings from the start end with an empty one inside the capacity: a multiple
// choice the system wrote whole.
bool ClosedList(const wchar_t* start, const wchar_t* end)
{
    const wchar_t* at = start;
    while (at < end) {
        const ptrdiff_t length = BoundedLength(at, end);
        if (length < 0)
            return false;
        if (length == 0)
            return true;
        at += length + 1;
    }
    return false;
}

bool IsFullPath(const std::wstring& name)
{
    return (name.size() > 1 && name[1] == L':') || (name.size() > 1 && name[0] == L'\\' && name[1] == L'\\');
}

} // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, const wchar_t* defaultExtension, const wchar_t* fileName, DWORD flags,
                         const wchar_t* filter, CWnd* parent)
    : m_bOpenFileDialog(openFileDialog), hook_(nullptr)
{
    ZeroMemory(&m_ofn, sizeof(m_ofn));
    ZeroMemory(fileName_, sizeof(fileName_));
    if (fileName)
        lstrcpynW(fileName_, fileName, MAX_PATH);
    if (defaultExtension)
        defaultExtension_ = defaultExtension;
    if (filter) {
        filter_ = filter;
        for (wchar_t& c : filter_) {
            if (c == L'|')
                c = L'\0';
        }
    }
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = parent ? parent->GetSafeHwnd() : nullptr;
    m_ofn.lpstrFile = fileName_;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    // A filter needs its closing pair of NULs; the string's own terminator is the second.
    m_ofn.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLEHOOK;
    m_ofn.lpfnHook = &CFileDialog::HookProcedure;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
}

CFileDialog::~CFileDialog() {}

INT_PTR CFileDialog::DoModal()
{
    const AfxCommonDialogFunctions functions = AfxGetCommonDialogFunctions();
    const BOOL chosen = m_bOpenFileDialog ? functions.getOpenFileName(&m_ofn) : functions.getSaveFileName(&m_ofn);
    hook_ = nullptr;
    if (!chosen || !m_ofn.lpstrFile)
        return IDCANCEL;
    // A result that runs past the buffer is no result: never a partial list.
    const wchar_t* end = m_ofn.lpstrFile + m_ofn.nMaxFile;
    const bool whole = (m_ofn.Flags & OFN_ALLOWMULTISELECT) ? ClosedList(m_ofn.lpstrFile, end)
                                                            : BoundedLength(m_ofn.lpstrFile, end) > 0;
    return whole ? IDOK : IDCANCEL;
}

POSITION CFileDialog::GetStartPosition() const
{
    return reinterpret_cast<POSITION>(m_ofn.lpstrFile);
}

std::wstring CFileDialog::GetNextPathName(POSITION& position) const
{
    const wchar_t* start = m_ofn.lpstrFile;
    const wchar_t* end = start ? start + m_ofn.nMaxFile : nullptr;
    const wchar_t* at = reinterpret_cast<const wchar_t*>(position);
    position = nullptr;
    if (!at || at < start || at >= end)
        return std::wstring();
    const ptrdiff_t firstLength = BoundedLength(start, end);
    if (firstLength < 0)
        return std::wstring();
    if (at == start) {
        // One file: the first string is its path. Several: the folder, then one name each.
        if (!(m_ofn.Flags & OFN_ALLOWMULTISELECT) || start + firstLength + 1 >= end || !start[firstLength + 1])
            return std::wstring(start, firstLength);
        at = start + firstLength + 1;
    }
    const ptrdiff_t length = BoundedLength(at, end);
    if (length <= 0)
        return std::wstring();
    const std::wstring name(at, length);
    const wchar_t* next = at + length + 1;
    if (next < end && *next)
        position = reinterpret_cast<POSITION>(const_cast<wchar_t*>(next));
    if (IsFullPath(name))
        return name;
    std::wstring path(start, firstLength);
    if (path.empty() || path.back() != L'\\')
        path += L'\\';
    return path + name;
}

std::wstring CFileDialog::GetPathName() const
{
    if (!m_ofn.lpstrFile)
        return std::wstring();
    const ptrdiff_t length = BoundedLength(m_ofn.lpstrFile, m_ofn.lpstrFile + m_ofn.nMaxFile);
    return length < 0 ? std::wstring() : std::wstring(m_ofn.lpstrFile, length);
}

std::wstring CFileDialog::GetFileTitle() const
{
    wchar_t name[MAX_PATH] = {};
    HWND dialog = GetDialogWindow();
    if (dialog) {
        if (SendMessageW(dialog, CDM_GETSPEC, MAX_PATH, reinterpret_cast<LPARAM>(name)) < 0)
            name[0] = L'\0';
        name[MAX_PATH - 1] = L'\0';
    } else {
        const std::wstring path = GetPathName();
        if (m_ofn.nFileOffset < path.size())
            lstrcpynW(name, path.c_str() + m_ofn.nFileOffset, MAX_PATH);
    }
    PathRemoveExtensionW(name);
    return name;
}

void CFileDialog::SetControlText(int id, const wchar_t* text)
{
    HWND dialog = GetDialogWindow();
    if (dialog)
        SendMessageW(dialog, CDM_SETCONTROLTEXT, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(text ? text : L""));
}

void CFileDialog::OnTypeChange() {}

HWND CFileDialog::GetDialogWindow() const
{
    return hook_ ? GetParent(hook_) : nullptr;
}

UINT_PTR CALLBACK CFileDialog::HookProcedure(HWND hook, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const OPENFILENAMEW* record = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        CFileDialog* dialog = record ? reinterpret_cast<CFileDialog*>(record->lCustData) : nullptr;
        if (dialog) {
            dialog->hook_ = hook;
            SetPropW(hook, kDialogProperty, dialog);
        }
        return TRUE;
    }
    CFileDialog* dialog = static_cast<CFileDialog*>(GetPropW(hook, kDialogProperty));
    if (!dialog)
        return 0;
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->code == CDN_TYPECHANGE)
            dialog->OnTypeChange();
    } else if (message == WM_DESTROY) {
        RemovePropW(hook, kDialogProperty);
        dialog->hook_ = nullptr;
    }
    return 0;
}
