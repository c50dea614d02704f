#pragma once
#include <windows.h>

namespace s {
namespace reg {
namespace win {

// A predefined root key with its Win32 name and the NT path it stands for.
struct RegRoot {
    HKEY handle;
    const wchar_t* name;
    const wchar_t* ntPath;
};

// The record of one of the five predefined roots; null for any other handle value. The current
// user's NT path names the user's hive once the native layer has been loaded.
const RegRoot* FindRegRoot(HKEY root);

// Points the current user's root at the hive of the user with this identifier text. An empty
// text (the identifier could not be read) leaves a path that names no hive.
void SetCurrentUserNtRoot(const wchar_t* sidText);

} // namespace win
} // namespace reg
} // namespace s
