// The typed setters and getters of a node: the text forms in which numbers, booleans and arrays
// are stored as attribute values.
#include <cstdint>
#include <cstring>
#include <cwchar>

#include "core/str/NumberText.h"
#include "core/str/StrBuffer.h"
#include "storage/xml/Node.h"
#include "storage/xml/ScratchText.h"

namespace s {
namespace xml {

namespace numtext = str::numtext;

namespace {

// The scratch is never made smaller than this for a number, whatever the number needs less.
const uint32_t kNumberRoom = 256;
const uint32_t kHex64Digits = 16;
const uint32_t kHex32Digits = 8;
const uint32_t kHex16Digits = 4;
const uint32_t kHex8Digits = 2;

wchar_t* NumberRoom(StrBuffer* scratch)
{
    const uint32_t room = numtext::kFixedRoom > kNumberRoom ? numtext::kFixedRoom : kNumberRoom;
    if (scratch->GetCapacity() < room)
        scratch->ReserveExact(room);
    return scratch->GetBuffer();
}

// Each element as digits hex digits, one after the other, into the scratch; false when no room
// could be had.
template <class T>
bool FormatHexRun(StrBuffer* scratch, const T* values, uint32_t count, uint32_t digits)
{
    const uint64_t total = static_cast<uint64_t>(count) * digits;
    if (total >= StrBuffer::kWhole)
        return false;
    scratch->Clear();
    if (scratch->GetCapacity() < total)
        scratch->ReserveExact(static_cast<uint32_t>(total));
    if (total && scratch->GetCapacity() < total)
        return false;
    wchar_t* out = scratch->GetBuffer();
    for (uint32_t i = 0; i < count; ++i)
        numtext::WriteHex(out + static_cast<size_t>(i) * digits, static_cast<uint64_t>(values[i]), digits);
    scratch->SetLength(static_cast<uint32_t>(total));
    return true;
}

template <class Float, class Bits>
Bits BitsOf(Float value)
{
    Bits bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

int32_t ParseInt32(const wchar_t* text)
{
    return static_cast<int32_t>(numtext::ParseInteger(text, INT32_MIN, INT32_MAX));
}

// A "-" negates modulo 2^32; a magnitude beyond 32 bits gives the largest value.
uint32_t ParseUInt32(const wchar_t* text)
{
    const int64_t value = numtext::ParseInteger(text, INT64_MIN, INT64_MAX);
    if (value > static_cast<int64_t>(UINT32_MAX) || value < -static_cast<int64_t>(UINT32_MAX))
        return UINT32_MAX;
    return static_cast<uint32_t>(value);
}

int64_t ParseInt64(const wchar_t* text)
{
    return numtext::ParseInteger(text, INT64_MIN, INT64_MAX);
}

// The first record of that name read by parse and cut to T, else the default.
template <class T, class Parsed>
T ReadNumber(Attributes* list, const wchar_t* name, T defaultValue, Parsed (*parse)(const wchar_t*))
{
    AttrRecord* record = list->Find(name);
    return record ? static_cast<T>(parse(record->value)) : defaultValue;
}

// Appends a record of the elements as a run of fixed-width hex digits.
template <class T>
void AddHexRun(Attributes* list, const wchar_t* name, const T* values, uint32_t count, uint32_t digits)
{
    ScratchText scratch;
    if (FormatHexRun(scratch.Get(), values, count, digits))
        AddAttributeRaw(list, name, StrBuffer::kWhole, scratch.Get()->GetBuffer(), scratch.Get()->GetLength());
}

} // namespace

template <class Writer>
void Node::AddNumberRecord(const wchar_t* name, Writer write)
{
    ScratchText scratch;
    StrBuffer* text = scratch.Get();
    text->SetLength(write(NumberRoom(text)));
    AddScratchRecord(name, text);
}

void Node::AddScratchRecord(const wchar_t* name, StrBuffer* scratch)
{
    AddAttributeRaw(&attributes_, name, StrBuffer::kWhole, scratch->GetBuffer(), scratch->GetLength());
}

void Node::SetUInt64Attribute(const wchar_t* name, uint64_t value)
{
    SetInt64Attribute(name, static_cast<int64_t>(value));
}

void Node::SetUInt32Attribute(const wchar_t* name, uint32_t value)
{
    AddNumberRecord(name, [value](wchar_t* at) { return numtext::WriteUInt64(at, value); });
}

void Node::SetUInt16Attribute(const wchar_t* name, uint16_t value)
{
    SetUInt32Attribute(name, value);
}

void Node::SetUInt8Attribute(const wchar_t* name, uint8_t value)
{
    SetUInt32Attribute(name, value);
}

void Node::SetInt64Attribute(const wchar_t* name, int64_t value)
{
    AddNumberRecord(name, [value](wchar_t* at) { return numtext::WriteInt64(at, value); });
}

void Node::SetInt32Attribute(const wchar_t* name, int32_t value)
{
    SetInt64Attribute(name, value);
}

void Node::SetInt16Attribute(const wchar_t* name, int16_t value)
{
    SetInt64Attribute(name, value);
}

void Node::SetInt8Attribute(const wchar_t* name, int8_t value)
{
    SetInt64Attribute(name, value);
}

void Node::SetFloatAttribute(const wchar_t* name, float value)
{
    SetDoubleAttribute(name, value);
}

void Node::SetDoubleAttribute(const wchar_t* name, double value)
{
    AddNumberRecord(name, [value](wchar_t* at) { return numtext::WriteFixed(at, value); });
}

void Node::SetUInt64ArrayAttribute(const wchar_t* name, const uint64_t* values, uint32_t count)
{
    AddHexRun(&attributes_, name, values, count, kHex64Digits);
}

void Node::SetUInt32ArrayAttribute(const wchar_t* name, const uint32_t* values, uint32_t count)
{
    AddHexRun(&attributes_, name, values, count, kHex32Digits);
}

void Node::SetUInt16ArrayAttribute(const wchar_t* name, const uint16_t* values, uint32_t count)
{
    AddHexRun(&attributes_, name, values, count, kHex16Digits);
}

void Node::SetUInt8ArrayAttribute(const wchar_t* name, const uint8_t* values, uint32_t count)
{
    AddHexRun(&attributes_, name, values, count, kHex8Digits);
}

void Node::SetInt64ArrayAttribute(const wchar_t* name, const int64_t* values, uint32_t count)
{
    SetUInt64ArrayAttribute(name, reinterpret_cast<const uint64_t*>(values), count);
}

void Node::SetInt32ArrayAttribute(const wchar_t* name, const int32_t* values, uint32_t count)
{
    SetUInt32ArrayAttribute(name, reinterpret_cast<const uint32_t*>(values), count);
}

void Node::SetInt16ArrayAttribute(const wchar_t* name, const int16_t* values, uint32_t count)
{
    SetUInt16ArrayAttribute(name, reinterpret_cast<const uint16_t*>(values), count);
}

void Node::SetInt8ArrayAttribute(const wchar_t* name, const int8_t* values, uint32_t count)
{
    SetUInt8ArrayAttribute(name, reinterpret_cast<const uint8_t*>(values), count);
}

void Node::SetFloatArrayAttribute(const wchar_t* name, const float* values, uint32_t count)
{
    ScratchText scratch;
    StrBuffer* text = scratch.Get();
    if (static_cast<uint64_t>(count) * kHex32Digits >= StrBuffer::kWhole)
        return;
    text->Clear();
    text->EnsureCapacity(count * kHex32Digits);
    for (uint32_t i = 0; i < count; ++i) {
        wchar_t digits[kHex32Digits];
        numtext::WriteHex(digits, BitsOf<float, uint32_t>(values[i]), kHex32Digits);
        text->AppendChars(digits, kHex32Digits);
    }
    AddScratchRecord(name, text);
}

void Node::SetDoubleArrayAttribute(const wchar_t* name, const double* values, uint32_t count)
{
    ScratchText scratch;
    StrBuffer* text = scratch.Get();
    if (static_cast<uint64_t>(count) * kHex64Digits >= StrBuffer::kWhole)
        return;
    text->Clear();
    text->EnsureCapacity(count * kHex64Digits);
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t bits = BitsOf<double, uint64_t>(values[i]);
        wchar_t digits[kHex64Digits];
        // The low half first.
        numtext::WriteHex(digits, bits & 0xFFFFFFFFu, kHex32Digits);
        numtext::WriteHex(digits + kHex32Digits, bits >> 32, kHex32Digits);
        text->AppendChars(digits, kHex64Digits);
    }
    AddScratchRecord(name, text);
}

bool Node::GetBoolAttribute(const wchar_t* name, bool defaultValue)
{
    AttrRecord* record = attributes_.Find(name);
    if (!record)
        return defaultValue;
    return record->value[0] == L'1' || std::wcsncmp(record->value, L"true", 4) == 0;
}

int8_t Node::GetInt8Attribute(const wchar_t* name, int8_t defaultValue)
{
    return ReadNumber(&attributes_, name, defaultValue, &ParseInt32);
}

int16_t Node::GetInt16Attribute(const wchar_t* name, int16_t defaultValue)
{
    return ReadNumber(&attributes_, name, defaultValue, &ParseInt32);
}

int32_t Node::GetInt32Attribute(const wchar_t* name, int32_t defaultValue)
{
    return ReadNumber(&attributes_, name, defaultValue, &ParseInt32);
}

int64_t Node::GetInt64Attribute(const wchar_t* name, int64_t defaultValue)
{
    return ReadNumber(&attributes_, name, defaultValue, &ParseInt64);
}

uint8_t Node::GetUInt8Attribute(const wchar_t* name, uint8_t defaultValue)
{
    return ReadNumber(&attributes_, name, defaultValue, &ParseUInt32);
}

uint16_t Node::GetUInt16Attribute(const wchar_t* name, uint16_t defaultValue)
{
    return ReadNumber(&attributes_, name, defaultValue, &ParseUInt32);
}

uint32_t Node::GetUInt32Attribute(const wchar_t* name, uint32_t defaultValue)
{
    return ReadNumber(&attributes_, name, defaultValue, &ParseUInt32);
}

uint64_t Node::GetUInt64Attribute(const wchar_t* name, uint64_t defaultValue)
{
    return ReadNumber(&attributes_, name, defaultValue, &ParseInt64);
}

} // namespace xml
} // namespace s
