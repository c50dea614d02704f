#include "storage/reg/RegRoot.h"

#include <cwchar>

namespace s {
namespace reg {
namespace win {

namespace {

const wchar_t kUsersNtPath[] = L"\\Registry\\User";
// Stands in for the identifier when it cannot be read: no hive has this name.
const wchar_t kUnknownUser[] = L"<unknown user>";
// "\Registry\User\" and an identifier text of up to the 128 characters the lookup allows.
const size_t kCurrentUserPathSize = 16 + 128;

wchar_t currentUserNtPath[kCurrentUserPathSize] = L"\\Registry\\User\\<unknown user>";

RegRoot roots[] = {
    {HKEY_CLASSES_ROOT, L"HKEY_CLASSES_ROOT", L"\\Registry\\Machine\\SOFTWARE\\Classes"},
    {HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", currentUserNtPath},
    {HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", L"\\Registry\\Machine"},
    {HKEY_USERS, L"HKEY_USERS", kUsersNtPath},
    {HKEY_CURRENT_CONFIG, L"HKEY_CURRENT_CONFIG",
     L"\\Registry\\Machine\\System\\CurrentControlSet\\Hardware Profiles\\Current"},
};

} // namespace

const RegRoot* FindRegRoot(HKEY root)
{
    for (const RegRoot& entry : roots) {
        if (entry.handle == root)
            return &entry;
    }
    return nullptr;
}

void SetCurrentUserNtRoot(const wchar_t* sidText)
{
    const wchar_t* user = sidText && *sidText ? sidText : kUnknownUser;
    std::swprintf(currentUserNtPath, kCurrentUserPathSize, L"%ls\\%ls", kUsersNtPath, user);
}

} // namespace win
} // namespace reg
} // namespace s
