#include "app/monitor/SkinImageFile.h"

#include <cwchar>
#include <cwctype>
#include <string>

#include "core/str/StrBuffer.h"
#include "storage/file/PathWin.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {

const wchar_t kExtension[] = L".gif";
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

std::wstring SafeFileName(const wchar_t* skinName)
{
    std::wstring name = skinName ? skinName : L"";
    for (wchar_t& c : name) {
        if (c < 32 || std::wcschr(kForbidden, c))
            c = kReplacement;
    }
    // The system drops trailing dots and blanks, which could turn "..", or empty a name.
    for (size_t i = name.size(); i > 0 && (name[i - 1] == L'.' || name[i - 1] == L' '); --i)
        name[i - 1] = kReplacement;
    if (name.empty() || IsDeviceName(name))
        name.insert(name.begin(), kReplacement);
    return name;
}

} // namespace

void SkinImagePath(const wchar_t* folder, const wchar_t* skinName, str::strbuffer::StrBuffer* out)
{
    if (!out)
        return;
    out->Assign(folder ? folder : L"");
    out->Append(SafeFileName(skinName).c_str())->Append(kExtension);
}

bool PrepareSkinImageFolder(const wchar_t* folder)
{
    file::win::PathWin* path = file::win::PathWin::CreateFromText(folder);
    if (!path)
        return false;
    const bool ready = (path->Exists() && path->IsDirectory()) || path->CreateDirectory(false);
    path->ReleaseToPool();
    return ready;
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
