#include "windowing/dialogs/FileDialogEx.h"

#include <dlgs.h>
#include <shlwapi.h>

#include <cwchar>
#include <string>

namespace s {
namespace gui {
namespace dialogs {
namespace win {

namespace {

// The string at the index (from 0) of a NUL-separated list closed by an empty string; null
// beyond its end.
const wchar_t* StringAt(const wchar_t* list, int64_t index)
{
    if (!list || index < 0)
        return nullptr;
    for (const wchar_t* at = list; *at; at += std::wcslen(at) + 1) {
        if (index-- == 0)
            return at;
    }
    return nullptr;
}

// The extension of the pattern's first entry (".png" of "*.png;*.apng"); empty when it has none
// a file can carry, as for "*" and "*.*".
std::wstring PlainExtension(const wchar_t* pattern)
{
    std::wstring first(pattern);
    first = first.substr(0, first.find(L';'));
    const std::wstring extension = PathFindExtensionW(first.c_str());
    if (extension.size() < 2 || extension.find_first_of(L"*?") != std::wstring::npos)
        return std::wstring();
    return extension;
}

} // namespace

void FileDialogEx::OnTypeChange()
{
    if (m_bOpenFileDialog)
        return;
    std::wstring name = GetFileTitle();
    if (name.empty())
        return;
    // Each type is a pair of strings, name then pattern; the index counts types from 1.
    const wchar_t* pattern = StringAt(m_ofn.lpstrFilter, 2 * static_cast<int64_t>(m_ofn.nFilterIndex) - 1);
    if (!pattern)
        return;
    const std::wstring extension = PlainExtension(pattern);
    if (extension.empty())
        return;
    name += extension;
    SetControlText(cmb13, name.c_str());
}

} // namespace win
} // namespace dialogs
} // namespace gui
} // namespace s
