#include "measurement/win/AnsiText.h"

#include <windows.h>

#include <cstring>

namespace s {
namespace system {
namespace win {

void AssignAnsi(str::strbuffer::StrBuffer* out, const char* bytes, uint32_t size)
{
    out->Assign(L"");
    const int length = static_cast<int>(strnlen(bytes, size));
    if (length == 0)
        return;
    const int chars = MultiByteToWideChar(CP_ACP, 0, bytes, length, nullptr, 0);
    if (chars <= 0)
        return;
    out->EnsureCapacity(static_cast<uint32_t>(chars) + 1);
    MultiByteToWideChar(CP_ACP, 0, bytes, length, out->GetBuffer(), chars);
    out->SetLength(static_cast<uint32_t>(chars));
}

} // namespace win
} // namespace system
} // namespace s
