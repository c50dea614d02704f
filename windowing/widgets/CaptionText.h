#pragma once
#include <string>

namespace s {
namespace gui {
namespace win {

// A caption as a native button control must be given it to show it as written: every "&"
// doubled, so that none becomes an accelerator.
std::wstring DoubledAmpersands(const wchar_t* text);

} // namespace win
} // namespace gui
} // namespace s
