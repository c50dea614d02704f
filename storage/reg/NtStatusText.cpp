#include "storage/reg/NtStatusText.h"

#include <cwchar>

#include "core/str/StrBuffer.h"

namespace s {
namespace reg {
namespace win {

namespace {
const wchar_t kNoMessage[] = L"No NT Error Data was returned??";
const size_t kHeadChars = 48;
} // namespace

str::strbuffer::StrBuffer* FormatNtError(NTSTATUS status, str::strbuffer::StrBuffer* out, bool append)
{
    str::strbuffer::StrBuffer* target = str::strbuffer::StrBuffer::PrepareTarget(out, append);
    if (!target)
        return nullptr;

    const unsigned int code = static_cast<unsigned int>(status);
    wchar_t head[kHeadChars];
    std::swprintf(head, kHeadChars, L"Error( %u [0x%8XL] ) - ", code, code);
    target->Append(head);

    HMODULE ntdll = LoadLibraryW(L"NTDLL.DLL");
    wchar_t* message = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_FROM_HMODULE |
                                      FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                  ntdll, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                  reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    if (length && message) {
        // Only the line end goes: a message that has none keeps all of its text.
        while (length && (message[length - 1] == L'\n' || message[length - 1] == L'\r'))
            --length;
        target->AppendChars(message, length);
    } else {
        target->Append(kNoMessage);
    }
    if (message)
        LocalFree(message);
    if (ntdll)
        FreeLibrary(ntdll);
    return target;
}

} // namespace win
} // namespace reg
} // namespace s
