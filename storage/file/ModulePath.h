#pragma once
#include <windows.h>

namespace s {
namespace file {
namespace win {

class PathWin;

// The whole path of a loaded module (null: the running executable), however long: a path cut at
// 260 characters would name another folder. A pooled path the caller gives back; null when the
// system does not know the module.
PathWin* GetModulePath(HMODULE module);

} // namespace win
} // namespace file
} // namespace s
