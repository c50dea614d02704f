#include <climits>
#include <cstring>
#include <cwchar>

#include "core/col/Arrays.h"
#include "core/str/CodePageUse.h"
#include "core/str/StrBuffer.h"

namespace s {
namespace str {
namespace strbuffer {

namespace {

using col::_array::ArrayU08;
using system::codepage::CodePage;

const UINT kUtf8CodePage = 65001;
const int32_t kNulTerminated = -1;
// Worst cases of the reservations: a UTF-16 unit is at most three bytes of UTF-8 or of most
// code pages, plus room for a terminator.
const uint32_t kBytesPerUnit = 3;
const uint32_t kEndRoom = 2;

// How the byte run ends.
enum class Ending {
    CountedZero,     // one 0 byte, counted
    ZeroIfConverted, // a 0 byte after the bytes, not counted, only when something was converted
    ZeroAlways,      // a 0 byte after the bytes, not counted
};

ArrayU08* TakeBytes(ArrayU08* out, bool append)
{
    if (!out)
        return ArrayU08::New();
    if (!append)
        out->SetCount(0);
    return out;
}

// Room for extra more bytes in one step; false when that cannot be addressed.
bool MakeRoom(ArrayU08* out, bool append, uint64_t extra)
{
    const uint64_t need = out->GetCount() + extra;
    if (need >= UINT32_MAX)
        return false;
    if (append)
        out->EnsureCapacity(static_cast<uint32_t>(need));
    else
        out->ReserveExact(static_cast<uint32_t>(need));
    return true;
}

void End(ArrayU08* out, Ending ending, bool converted)
{
    if (ending == Ending::CountedZero) {
        out->Append(0);
        return;
    }
    if (ending == Ending::ZeroIfConverted && !converted)
        return;
    if (out->GetCapacity() == out->GetCount())
        out->Grow();
    static_cast<uint8_t*>(out->GetData())[out->GetCount()] = 0;
}

int32_t Room(ArrayU08* out)
{
    const uint32_t room = out->GetCapacity() - out->GetCount();
    return room > static_cast<uint32_t>(INT_MAX) ? INT_MAX : static_cast<int32_t>(room);
}

// Converts the text into out after its count; the bytes converted.
int32_t EncodeInto(UINT codePage, const wchar_t* text, uint32_t length, ArrayU08* out)
{
    if (length == 0 || length > static_cast<uint32_t>(INT_MAX))
        return 0;
    const int32_t units = static_cast<int32_t>(length);
    const uint32_t count = out->GetCount();
    char* to = reinterpret_cast<char*>(out->GetData()) + count;
    int32_t n = WideCharToMultiByte(codePage, 0, text, units, to, Room(out), nullptr, nullptr);
    if (n == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        // GB18030 and the ISO-2022 family may need more than three bytes per unit: ask for the
        // size rather than lose the text.
        const int32_t need = WideCharToMultiByte(codePage, 0, text, units, nullptr, 0, nullptr, nullptr);
        if (need > 0 && static_cast<uint64_t>(count) + need + kEndRoom < UINT32_MAX) {
            out->EnsureCapacity(count + static_cast<uint32_t>(need) + kEndRoom);
            to = reinterpret_cast<char*>(out->GetData()) + count;
            n = WideCharToMultiByte(codePage, 0, text, units, to, Room(out), nullptr, nullptr);
        }
    }
    if (n > 0)
        out->SetCount(count + static_cast<uint32_t>(n));
    return n;
}

ArrayU08* Encode(UINT codePage, StrBuffer* text, ArrayU08* out, bool append, Ending ending)
{
    out = TakeBytes(out, append);
    if (!out)
        return nullptr;
    const uint32_t length = text->GetLength();
    int32_t n = 0;
    if (MakeRoom(out, append, static_cast<uint64_t>(length) * kBytesPerUnit + kEndRoom))
        n = EncodeInto(codePage, text->GetBuffer(), length, out);
    End(out, ending, n > 0);
    return out;
}

// The raw UTF-16 storage, in either byte order.
ArrayU08* EncodeUtf16(StrBuffer* text, bool bigEndian, ArrayU08* out, bool append, Ending ending)
{
    out = TakeBytes(out, append);
    if (!out)
        return nullptr;
    const uint32_t length = text->GetLength();
    const uint64_t bytes = static_cast<uint64_t>(length) * sizeof(wchar_t);
    if (MakeRoom(out, append, bytes + kEndRoom) && length != 0) {
        if (bigEndian) {
            const wchar_t* units = text->GetBuffer();
            for (uint32_t i = 0; i < length; ++i) {
                out->Append(static_cast<uint8_t>(units[i] >> 8));
                out->Append(static_cast<uint8_t>(units[i] & 0xFF));
            }
        } else {
            out->AppendRaw(text->GetBuffer(), static_cast<uint32_t>(bytes), 0);
        }
    }
    End(out, ending, length != 0);
    return out;
}

ArrayU08* EncodeWith(CodePage* cp, StrBuffer* text, ArrayU08* out, bool append, Ending ending)
{
    const CodePageUse use = ResolveCodePage(cp);
    if (use.form == CodePageUse::kUtf16)
        return EncodeUtf16(text, false, out, append, ending);
    if (use.form == CodePageUse::kUtf16Be)
        return EncodeUtf16(text, true, out, append, ending);
    if (use.form == CodePageUse::kNone) {
        // No code page converts nothing; the ending still applies.
        out = TakeBytes(out, append);
        if (out)
            End(out, ending, false);
        return out;
    }
    return Encode(use.number, text, out, append, ending);
}

// The byte count of a NUL-terminated run, clipped to what a signed count can say.
int32_t TerminatedBytes(const char* bytes)
{
    const size_t n = std::strlen(bytes);
    return n > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int32_t>(n);
}

int32_t TerminatedWideBytes(const char* bytes)
{
    const size_t n = std::wcslen(reinterpret_cast<const wchar_t*>(bytes));
    return n > static_cast<size_t>(INT_MAX / 2) ? INT_MAX - 1 : static_cast<int32_t>(n * 2);
}

// Decodes bytes of a code page after the text (or in place of it); the characters added.
int32_t Decode(StrBuffer* text, UINT codePage, const char* bytes, bool append, int32_t count)
{
    if (!append)
        text->SetLength(0);
    if (!bytes)
        return 0;
    if (count == kNulTerminated)
        count = TerminatedBytes(bytes);
    if (count <= 0)
        return 0;
    // Every byte gives at most one UTF-16 unit, so count units always suffice; twice that is
    // reserved where it can be addressed.
    const uint32_t length = text->GetLength();
    uint64_t need = length + static_cast<uint64_t>(count) * 2;
    if (need >= StrBuffer::kWhole)
        need = length + static_cast<uint64_t>(count);
    if (need >= StrBuffer::kWhole)
        return 0;
    if (append)
        text->EnsureCapacity(static_cast<uint32_t>(need));
    else
        text->ReserveExact(static_cast<uint32_t>(need));
    const int32_t n = MultiByteToWideChar(codePage, 0, bytes, count, text->CharPtrAt(length), count);
    if (n <= 0)
        return 0;
    text->SetLength(length + static_cast<uint32_t>(n));
    return n;
}

} // namespace

ArrayU08* StrBuffer::ToUtf8BytesZ(ArrayU08* out, bool append)
{
    return Encode(kUtf8CodePage, this, out, append, Ending::CountedZero);
}

ArrayU08* StrBuffer::ToUtf8Bytes(ArrayU08* out, bool append)
{
    return Encode(kUtf8CodePage, this, out, append, Ending::ZeroIfConverted);
}

ArrayU08* StrBuffer::ToOemBytesZ(ArrayU08* out, bool append)
{
    return Encode(GetOEMCP(), this, out, append, Ending::CountedZero);
}

ArrayU08* StrBuffer::ToOemBytes(ArrayU08* out, bool append)
{
    return Encode(GetOEMCP(), this, out, append, Ending::ZeroIfConverted);
}

ArrayU08* StrBuffer::ToCodePageBytesZ(CodePage* cp, ArrayU08* out, bool append)
{
    return EncodeWith(cp, this, out, append, Ending::CountedZero);
}

ArrayU08* StrBuffer::ToCodePageBytes(CodePage* cp, ArrayU08* out, bool append)
{
    return EncodeWith(cp, this, out, append, Ending::ZeroAlways);
}

int32_t StrBuffer::FromUtf8(const char* bytes, bool append, int32_t count)
{
    return Decode(this, kUtf8CodePage, bytes, append, count);
}

int32_t StrBuffer::FromOem(const char* bytes, bool append, int32_t count)
{
    return Decode(this, GetOEMCP(), bytes, append, count);
}

int32_t StrBuffer::FromCodePage(CodePage* cp, const char* bytes, bool append, int32_t count)
{
    const CodePageUse use = ResolveCodePage(cp);
    const bool utf16 = use.form == CodePageUse::kUtf16;
    if (!utf16 && use.form != CodePageUse::kUtf16Be) {
        if (use.form == CodePageUse::kNone) {
            if (!append)
                ClearText();
            return 0;
        }
        return Decode(this, use.number, bytes, append, count);
    }
    if (!append)
        length_ = 0;
    if (!bytes)
        return 0;
    if (count == kNulTerminated)
        count = TerminatedWideBytes(bytes);
    if (count <= 0)
        return 0;
    const uint32_t room = static_cast<uint32_t>(count);
    if (static_cast<uint64_t>(length_) + room >= kWhole)
        return 0;
    if (append)
        EnsureCapacity(length_ + room);
    else
        ReserveExact(room);
    const uint32_t units = room / 2;
    if (utf16) {
        std::memcpy(chars_ + length_, bytes, units * sizeof(wchar_t));
        length_ += units;
        return static_cast<int32_t>(units);
    }
    const unsigned char* from = reinterpret_cast<const unsigned char*>(bytes);
    for (uint32_t i = 0; i < units; ++i)
        chars_[length_ + i] = static_cast<wchar_t>(from[2 * i] << 8 | from[2 * i + 1]);
    length_ += units;
    return static_cast<int32_t>(units);
}

} // namespace strbuffer
} // namespace str
} // namespace s
