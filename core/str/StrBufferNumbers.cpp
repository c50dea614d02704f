#include <cfloat>
#include <climits>
#include <cmath>

#include "core/col/Arrays.h"
#include "core/digest/Md5.h"
#include "core/str/NumberText.h"
#include "core/str/StrBuffer.h"

namespace s {
namespace str {
namespace strbuffer {

namespace {

// Every integer text fits in the room a number append reserves; "%f" may need more.
const uint32_t kNumberRoom = 256;
const uint32_t kHex64Width = 16;
const uint32_t kHex32Width = 8;
const uint32_t kHex16Width = 4;
const uint32_t kHexByteWidth = 2;

void FreeScratch(void* object)
{
    // Freed directly: the string pool may already be gone at process exit.
    delete static_cast<StrBuffer*>(object);
}

// Appends n fixed-width hex items, item i being value(i), in one reservation.
template <class ValueAt>
void AppendHexItems(StrBuffer* text, int64_t n, uint32_t width, ValueAt value)
{
    if (n <= 0)
        return;
    const uint32_t start = text->GetLength();
    const uint64_t end = start + static_cast<uint64_t>(n) * width;
    if (end >= StrBuffer::kWhole)
        return;
    text->EnsureCapacity(static_cast<uint32_t>(end));
    wchar_t* at = text->CharPtrAt(start);
    for (int64_t i = 0; i < n; ++i, at += width)
        numtext::WriteHex(at, value(i), width);
    text->SetLength(static_cast<uint32_t>(end));
}

// The number appenders write straight into the block after the text.
template <class Writer>
StrBuffer* AppendNumber(StrBuffer* text, uint32_t room, Writer write)
{
    const uint32_t start = text->GetLength();
    text->EnsureCapacity(start + room);
    text->SetLength(start + write(text->CharPtrAt(start)));
    return text;
}

// The number assigns format in the shared scratch text, one thread at a time, and copy the
// result over.
template <class Writer>
StrBuffer* AssignNumber(StrBuffer* text, uint32_t room, Writer write)
{
    text->SetLength(0);
    thread::ObjLocker& scratchLock = StrBuffer::FormatScratch();
    thread::ScopedLock hold(scratchLock);
    StrBuffer* scratch = static_cast<StrBuffer*>(scratchLock.object);
    if (!scratch) {
        // No scratch could be made: format on the stack instead.
        wchar_t local[numtext::kFixedRoom];
        write(local);
        return text->Assign(local);
    }
    scratch->ReserveExact(room);
    scratch->SetLength(write(scratch->GetBuffer()));
    if (scratch->GetLength() != 0)
        text->AssignStr(scratch);
    return text;
}

uint32_t RoomOfFixed()
{
    return numtext::kFixedRoom > kNumberRoom ? numtext::kFixedRoom : kNumberRoom;
}

float NarrowToFloat(double value)
{
    // Out of the float range a plain conversion is undefined; the conversion saturates to
    // infinity as a float reader would.
    if (value > FLT_MAX)
        return HUGE_VALF;
    if (value < -FLT_MAX)
        return -HUGE_VALF;
    return static_cast<float>(value);
}

} // namespace

void StrBuffer::AppendHex64s(const uint64_t* values, int32_t n)
{
    AppendHexItems(this, n, kHex64Width, [values](int64_t i) { return values[i]; });
}

void StrBuffer::AppendHex32s(const uint32_t* values, int32_t n)
{
    AppendHexItems(this, n, kHex32Width, [values](int64_t i) { return static_cast<uint64_t>(values[i]); });
}

void StrBuffer::AppendHex16s(const uint16_t* values, int32_t n)
{
    AppendHexItems(this, n, kHex16Width, [values](int64_t i) { return static_cast<uint64_t>(values[i]); });
}

void StrBuffer::AppendHexBytes(const uint8_t* values, int32_t n)
{
    AppendHexItems(this, n, kHexByteWidth, [values](int64_t i) { return static_cast<uint64_t>(values[i]); });
}

void StrBuffer::AppendHex64s(const uint64_t* values, int32_t n, SlotRepeat<2>)
{
    AppendHex64s(values, n);
}

void StrBuffer::AppendHex32s(const uint32_t* values, int32_t n, SlotRepeat<2>)
{
    AppendHex32s(values, n);
}

void StrBuffer::AppendHex16s(const uint16_t* values, int32_t n, SlotRepeat<2>)
{
    AppendHex16s(values, n);
}

void StrBuffer::AppendHexBytes(const uint8_t* values, int32_t n, SlotRepeat<2>)
{
    AppendHexBytes(values, n);
}

void StrBuffer::AppendHex32s(const uint32_t* values, int32_t n, SlotRepeat<3>)
{
    AppendHex32s(values, n);
}

void StrBuffer::AppendHex32Pairs(const uint64_t* values, int32_t n)
{
    // The halves as they lie in memory: on this little-endian machine the low half first.
    const uint32_t* halves = reinterpret_cast<const uint32_t*>(values);
    AppendHexItems(this, static_cast<int64_t>(n) * 2, kHex32Width,
                   [halves](int64_t i) { return static_cast<uint64_t>(halves[i]); });
}

StrBuffer* StrBuffer::DigestWith(digest::IDigester* digester, StrBuffer* out, bool append)
{
    digest::md5::Md5* pooled = digester ? nullptr : digest::md5::Md5::New();
    if (!digester)
        digester = pooled;
    if (!digester)
        return PrepareTarget(out, append);
    digest::UpdateAll(digester, chars_, static_cast<uint64_t>(length_) * sizeof(wchar_t));
    digester->Finish(nullptr);
    out = digester->ToHex(out, append);
    if (pooled)
        pooled->ReleaseToPool();
    return out;
}

int32_t StrBuffer::ToInt32()
{
    return static_cast<int32_t>(numtext::ParseInteger(GetText(), INT32_MIN, INT32_MAX));
}

int32_t StrBuffer::ToInt32(SlotRepeat<2>)
{
    return ToInt32();
}

int64_t StrBuffer::ToInt64()
{
    return numtext::ParseInteger(GetText(), INT64_MIN, INT64_MAX);
}

int64_t StrBuffer::ToInt64(SlotRepeat<2>)
{
    return ToInt64();
}

int32_t StrBuffer::ToInt32(SlotRepeat<3>)
{
    return ToInt32();
}

int32_t StrBuffer::ToInt32(SlotRepeat<4>)
{
    return ToInt32();
}

int32_t StrBuffer::ToInt32(SlotRepeat<5>)
{
    return ToInt32();
}

int64_t StrBuffer::ToInt64(SlotRepeat<3>)
{
    return ToInt64();
}

float StrBuffer::ToFloat()
{
    return NarrowToFloat(numtext::ParseDouble(GetText()));
}

double StrBuffer::ToDouble()
{
    return static_cast<double>(ToFloat());
}

bool StrBuffer::IsHex()
{
    if (length_ == 0)
        return false;
    for (uint32_t i = 0; i < length_; ++i)
        if (numtext::HexValue(chars_[i]) < 0)
            return false;
    return true;
}

uint32_t StrBuffer::HexDigitAt(uint32_t i)
{
    if (i >= length_)
        return 0;
    const int32_t value = numtext::HexValue(chars_[i]);
    return value < 0 ? 0u : static_cast<uint32_t>(value);
}

col::_array::ArrayU08* StrBuffer::HexToBytes(ArrayU08* out, bool append)
{
    if (!out)
        out = ArrayU08::New();
    if (!out)
        return nullptr;
    if (!append)
        out->SetCount(0);
    const uint32_t pairs = length_ / 2;
    const uint32_t count = out->GetCount();
    out->ReserveExact(count + pairs);
    uint8_t* bytes = static_cast<uint8_t*>(out->GetData()) + count;
    for (uint32_t i = 0; i < pairs; ++i)
        bytes[i] = static_cast<uint8_t>(HexDigitAt(2 * i) * 16 + HexDigitAt(2 * i + 1));
    out->SetCount(count + pairs);
    return out;
}

bool StrBuffer::IsInteger()
{
    if (length_ == 0)
        return false;
    uint32_t i = chars_[0] == L'-' && length_ > 1 ? 1 : 0;
    for (; i < length_; ++i)
        if (chars_[i] < L'0' || chars_[i] > L'9')
            return false;
    return true;
}

StrBuffer* StrBuffer::AppendInt64(int64_t value)
{
    return AppendNumber(this, kNumberRoom, [value](wchar_t* at) { return numtext::WriteInt64(at, value); });
}

StrBuffer* StrBuffer::AppendUInt32(uint32_t value)
{
    return AppendNumber(this, kNumberRoom, [value](wchar_t* at) { return numtext::WriteUInt64(at, value); });
}

StrBuffer* StrBuffer::AppendUInt16(uint16_t value)
{
    return AppendUInt32(value);
}

StrBuffer* StrBuffer::AppendUInt8(uint8_t value)
{
    return AppendUInt32(value);
}

StrBuffer* StrBuffer::AppendInt64(int64_t value, SlotRepeat<2>)
{
    return AppendInt64(value);
}

StrBuffer* StrBuffer::AppendInt32(int32_t value)
{
    return AppendInt64(value);
}

StrBuffer* StrBuffer::AppendInt16(int16_t value)
{
    return AppendInt64(value);
}

StrBuffer* StrBuffer::AppendInt8(int8_t value)
{
    return AppendInt64(value);
}

StrBuffer* StrBuffer::AppendFloat(float value)
{
    return AppendDouble(value);
}

StrBuffer* StrBuffer::AppendDouble(double value)
{
    return AppendNumber(this, RoomOfFixed(), [value](wchar_t* at) { return numtext::WriteFixed(at, value); });
}

StrBuffer* StrBuffer::AssignInt64(int64_t value)
{
    return AssignNumber(this, kNumberRoom, [value](wchar_t* at) { return numtext::WriteInt64(at, value); });
}

StrBuffer* StrBuffer::AssignUInt32(uint32_t value)
{
    return AssignNumber(this, kNumberRoom, [value](wchar_t* at) { return numtext::WriteUInt64(at, value); });
}

StrBuffer* StrBuffer::AssignUInt16(uint16_t value)
{
    return AssignUInt32(value);
}

StrBuffer* StrBuffer::AssignUInt8(uint8_t value)
{
    return AssignUInt32(value);
}

StrBuffer* StrBuffer::AssignInt64(int64_t value, SlotRepeat<2>)
{
    return AssignInt64(value);
}

StrBuffer* StrBuffer::AssignInt32(int32_t value)
{
    return AssignInt64(value);
}

StrBuffer* StrBuffer::AssignInt16(int16_t value)
{
    return AssignInt64(value);
}

StrBuffer* StrBuffer::AssignInt8(int8_t value)
{
    return AssignInt64(value);
}

StrBuffer* StrBuffer::AssignFloat(float value)
{
    return AssignDouble(value);
}

StrBuffer* StrBuffer::AssignDouble(double value)
{
    return AssignNumber(this, RoomOfFixed(), [value](wchar_t* at) { return numtext::WriteFixed(at, value); });
}

thread::ObjLocker& StrBuffer::FormatScratch()
{
    static thread::ObjLocker scratch(New(), &FreeScratch, nullptr);
    return scratch;
}

} // namespace strbuffer
} // namespace str
} // namespace s
