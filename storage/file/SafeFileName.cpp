#include "storage/file/SafeFileName.h"

#include <cwchar>
#include <cwctype>

namespace s {
namespace file {

namespace {

const wchar_t kForbidden[] = L"\\/:*?\"<>|";
const wchar_t kReplacement = L'_';
const wchar_t* const kDeviceNames[] = {L"CON", L"PRN", L"AUX", L"NUL", L"COM1", L"COM2", L"COM3", L"COM4", L"COM5",
                                       L"COM6", L"COM7", L"COM8", L"COM9", L"LPT1", L"LPT2", L"LPT3", L"LPT4",
                                       L"LPT5", L"LPT6", L"LPT7", L"LPT8", L"LPT9"};

bool IsDeviceName(const std::wstring& name)
{
    // "NUL.gif" still names the device: the part before the first dot counts.
    std::wstring stem = name.substr(0, name.find(L'.'));
    for (wchar_t& c : stem)
        c = static_cast<wchar_t>(std::towupper(c));
    for (const wchar_t* device : kDeviceNames) {
        if (stem == device)
            return true;
    }
    return false;
}

} // namespace

std::wstring SafeFileName(const wchar_t* name)
{
    std::wstring safe = name ? name : L"";
    for (wchar_t& c : safe) {
        if (c < 32 || std::wcschr(kForbidden, c))
            c = kReplacement;
    }
    for (size_t i = safe.size(); i > 0 && (safe[i - 1] == L'.' || safe[i - 1] == L' '); --i)
        safe[i - 1] = kReplacement;
    if (safe.empty() || IsDeviceName(safe))
        safe.insert(safe.begin(), kReplacement);
    return safe;
}

} // namespace file
} // namespace s
