#pragma once
#include <string>

namespace s {
namespace file {

// A name that the system takes as one file name in a folder and as nothing else: characters a
// file name may not hold become "_", trailing dots and blanks too (the system would drop them,
// which could turn a name into ".." or nothing), and an empty name or a device name ("NUL",
// "COM1.txt") gains a leading "_".
std::wstring SafeFileName(const wchar_t* name);

} // namespace file
} // namespace s
