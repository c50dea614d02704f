#include "storage/reg/SidText.h"

#include <cwchar>

#include "core/base/ApplicationBox.h"
#include "core/str/StrBuffer.h"
#include "storage/reg/NtRegistryApi.h"
#include "storage/reg/NtStatusText.h"

namespace s {
namespace reg {
namespace win {

namespace {

const wchar_t kLookupCaption[] = L"CNtRegistry: Message...";
const ULONG kTokenQuery = 8;
const ULONG kHeapZeroMemory = 8;
// The text block of the lookup: identifiers of up to eight sub-authorities fit.
const uint32_t kSidTextBytes = 256;
const uint32_t kSidTextChars = kSidTextBytes / sizeof(wchar_t);
// Bytes the text form may need: a fixed part and one part per sub-authority.
const uint32_t kSidTextFixedBytes = 56;
const uint32_t kSidTextBytesPerSubAuthority = 24;

wchar_t currentUserSid[kSidTextChars];

// The application's box, passed in by the layer that owns it.
void ShowMessageBox(const wchar_t* text, const wchar_t* caption)
{
    base::ShowApplicationBox(nullptr, text, caption, MB_ICONERROR);
}

LookupFailureBox failureBox = &ShowMessageBox;

void ReportLookupFailure(NTSTATUS status)
{
    str::strbuffer::StrBuffer* text = FormatNtError(status);
    if (!text)
        return;
    failureBox(text->GetText(), kLookupCaption);
    text->ReleaseToPool();
}

// Gives back what the lookup opened and allocated, however it ends.
class LookupResources {
public:
    explicit LookupResources(const NtRegistryApi& nt) : nt_(nt), heap_(GetProcessHeap()) {}
    ~LookupResources()
    {
        if (text)
            nt_.RtlFreeHeap(heap_, 0, text);
        if (userInfo)
            nt_.RtlFreeHeap(heap_, 0, userInfo);
        if (token)
            nt_.NtClose(token);
    }
    void* Allocate(ULONG bytes) { return nt_.RtlAllocateHeap(heap_, kHeapZeroMemory, bytes); }

    HANDLE token = nullptr;
    void* userInfo = nullptr;
    wchar_t* text = nullptr;

private:
    LookupResources(const LookupResources&) = delete;
    LookupResources& operator=(const LookupResources&) = delete;

    const NtRegistryApi& nt_;
    HANDLE heap_;
};

} // namespace

bool SidToText(PSID sid, wchar_t* text, uint32_t* size)
{
    if (!sid || !IsValidSid(sid))
        return false;
    const DWORD subAuthorities = *GetSidSubAuthorityCount(sid);
    const uint32_t required = kSidTextFixedBytes + kSidTextBytesPerSubAuthority * subAuthorities;
    if (*size < required) {
        *size = required;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return false;
    }

    const size_t room = *size / sizeof(wchar_t);
    const BYTE* authority = GetSidIdentifierAuthority(sid)->Value;
    // Revision 1 always: every identifier text starts "S-1-".
    int n = std::swprintf(text, room, L"S-%lu-", 1ul);
    if (authority[0] || authority[1]) {
        n += std::swprintf(text + n, room - n, L"0x%02hx%02hx%02hx%02hx%02hx%02hx",
                           static_cast<unsigned short>(authority[0]), static_cast<unsigned short>(authority[1]),
                           static_cast<unsigned short>(authority[2]), static_cast<unsigned short>(authority[3]),
                           static_cast<unsigned short>(authority[4]), static_cast<unsigned short>(authority[5]));
    } else {
        const unsigned long value = static_cast<unsigned long>(authority[5]) |
                                    static_cast<unsigned long>(authority[4]) << 8 |
                                    static_cast<unsigned long>(authority[3]) << 16 |
                                    static_cast<unsigned long>(authority[2]) << 24;
        n += std::swprintf(text + n, room - n, L"%lu", value);
    }
    for (DWORD i = 0; i < subAuthorities; ++i)
        n += std::swprintf(text + n, room - n, L"-%lu", static_cast<unsigned long>(*GetSidSubAuthority(sid, i)));
    return true;
}

const wchar_t* GetCurrentUserSidText()
{
    currentUserSid[0] = L'\0';
    const NtRegistryApi& nt = GetNtRegistryApi();
    LookupResources held(nt);

    NTSTATUS status = nt.NtOpenProcessToken(GetCurrentProcess(), kTokenQuery, &held.token);
    if (!NT_SUCCESS(status)) {
        held.token = nullptr;
        ReportLookupFailure(status);
        return currentUserSid;
    }
    ULONG size = 0;
    status = nt.NtQueryInformationToken(held.token, kTokenUser, nullptr, 0, &size);
    held.userInfo = size ? held.Allocate(size) : nullptr;
    if (!held.userInfo) {
        ReportLookupFailure(status);
        return currentUserSid;
    }
    status = nt.NtQueryInformationToken(held.token, kTokenUser, held.userInfo, size, &size);
    if (!NT_SUCCESS(status)) {
        ReportLookupFailure(status);
        return currentUserSid;
    }
    held.text = static_cast<wchar_t*>(held.Allocate(kSidTextBytes));
    if (!held.text) {
        ReportLookupFailure(kStatusNoMemory);
        return currentUserSid;
    }
    uint32_t textSize = kSidTextBytes;
    if (!SidToText(static_cast<TOKEN_USER*>(held.userInfo)->User.Sid, held.text, &textSize)) {
        ReportLookupFailure(static_cast<NTSTATUS>(GetLastError()));
        return currentUserSid;
    }
    wcsncpy(currentUserSid, held.text, kSidTextChars - 1);
    currentUserSid[kSidTextChars - 1] = L'\0';
    return currentUserSid;
}

LookupFailureBox SetLookupFailureBox(LookupFailureBox box)
{
    LookupFailureBox previous = failureBox;
    failureBox = box ? box : &ShowMessageBox;
    return previous;
}

} // namespace win
} // namespace reg
} // namespace s
