// The value reads and writes of RegDir.
#include <cstring>

#include "core/col/Arrays.h"
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "storage/reg/NtRegistryApi.h"
#include "storage/reg/RegDir.h"
#include "storage/reg/RegDirShared.h"

namespace s {
namespace reg {
namespace win {

namespace {

// A value read offers at least this much at first; a record that does not fit grows the buffer.
const uint32_t kValueReadOffer = 16384;
const uint32_t kValueReadRoom = 1026;
// Characters of the expansion buffer, terminator included, before an expansion asks for more.
const uint32_t kExpansionChars = 520;
// Zero bytes kept after the value data, so that any data reads as a terminated text.
const uint32_t kTextGuardBytes = 3;

RegSharedBuffer& ValueReadBuffer()
{
    static RegSharedBuffer shared;
    return shared;
}

} // namespace

bool RegDir::ReadValue(const wchar_t* name, uint32_t* type, uint32_t* length, uint32_t wantedType)
{
    *type = 0;
    *length = 0;
    if (!OpenIfNeeded() || !SetValueName(name))
        return false;

    RegSharedBuffer& shared = ValueReadBuffer();
    thread::ScopedLock hold(shared.locker);
    const NtRegistryApi& nt = GetNtRegistryApi();
    uint32_t offer = shared.GetCapacity() > kValueReadOffer ? shared.GetCapacity() : kValueReadOffer;
    NTSTATUS status;
    ULONG needed = 0;
    for (;;) {
        uint8_t* buffer = shared.Reserve(offer);
        offer = shared.GetCapacity();
        status = nt.NtQueryValueKey(key_, &valueName_, kKeyValueFullInformation, buffer, offer, &needed);
        if (status != kStatusBufferOverflow && status != kStatusBufferTooSmall)
            break;
        offer = GrownOffer(offer, needed, kValueReadRoom);
    }
    if (!NT_SUCCESS(status))
        return false;

    const uint8_t* record = static_cast<const uint8_t*>(shared.bytes.GetData());
    const KeyValueFullInformation* info = reinterpret_cast<const KeyValueFullInformation*>(record);
    if (static_cast<uint64_t>(info->dataOffset) + info->dataLength > offer)
        return false;
    *type = info->type;
    *length = info->dataLength;
    if (wantedType != kAnyType && info->type != wantedType)
        return false;

    valueData_->EnsureCapacity(info->dataLength + kTextGuardBytes);
    uint8_t* data = static_cast<uint8_t*>(valueData_->GetData());
    std::memcpy(data, record + info->dataOffset, info->dataLength);
    std::memset(data + info->dataLength, 0, kTextGuardBytes);
    valueData_->SetCount(info->dataLength);
    return true;
}

uint32_t RegDir::GetValueSize(const wchar_t* name)
{
    uint32_t type = 0;
    uint32_t length = 0;
    return ReadValue(name, &type, &length, kAnyType) ? length : 0;
}

bool RegDir::ReadFixed(const wchar_t* name, void* out, uint32_t size)
{
    uint32_t type = 0;
    uint32_t length = 0;
    if (!ReadValue(name, &type, &length, kAnyType) || length != size)
        return false;
    std::memcpy(out, valueData_->GetData(), size);
    return true;
}

uint8_t RegDir::GetUInt8(const wchar_t* name, uint8_t defaultValue)
{
    uint32_t value = 0;
    return ReadFixed(name, &value, 4) ? static_cast<uint8_t>(value) : defaultValue;
}

uint16_t RegDir::GetUInt16(const wchar_t* name, uint16_t defaultValue)
{
    uint32_t value = 0;
    return ReadFixed(name, &value, 4) ? static_cast<uint16_t>(value) : defaultValue;
}

uint32_t RegDir::GetUInt32(const wchar_t* name, uint32_t defaultValue)
{
    uint32_t value = 0;
    return ReadFixed(name, &value, 4) ? value : defaultValue;
}

uint64_t RegDir::GetUInt64(const wchar_t* name, uint64_t defaultValue)
{
    uint64_t value = 0;
    return ReadFixed(name, &value, 8) ? value : defaultValue;
}

int8_t RegDir::GetInt8(const wchar_t* name, int8_t defaultValue)
{
    uint32_t value = 0;
    return ReadFixed(name, &value, 4) ? static_cast<int8_t>(value & 0xFF) : defaultValue;
}

int16_t RegDir::GetInt16(const wchar_t* name, int16_t defaultValue)
{
    uint32_t value = 0;
    return ReadFixed(name, &value, 4) ? static_cast<int16_t>(value & 0xFFFF) : defaultValue;
}

int32_t RegDir::GetInt32(const wchar_t* name, int32_t defaultValue)
{
    int32_t value = 0;
    return ReadFixed(name, &value, 4) ? value : defaultValue;
}

int64_t RegDir::GetInt64(const wchar_t* name, int64_t defaultValue)
{
    int64_t value = 0;
    return ReadFixed(name, &value, 8) ? value : defaultValue;
}

float RegDir::GetFloat(const wchar_t* name, float defaultValue)
{
    float value = 0;
    return ReadFixed(name, &value, 4) ? value : defaultValue;
}

double RegDir::GetDouble(const wchar_t* name, double defaultValue)
{
    double value = 0;
    return ReadFixed(name, &value, 8) ? value : defaultValue;
}

bool RegDir::GetBool(const wchar_t* name, bool defaultValue)
{
    uint32_t value = 0;
    return ReadFixed(name, &value, 4) ? value != 0 : defaultValue;
}

const wchar_t* RegDir::GetString(const wchar_t* name, const wchar_t* defaultValue, bool* expandable, bool expand)
{
    if (expandable)
        *expandable = false;
    uint32_t type = 0;
    uint32_t length = 0;
    if (!ReadValue(name, &type, &length, kAnyType))
        return defaultValue;
    if (length == 0)
        return L"";
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return defaultValue;
    // The data is followed by zero bytes, so it reads up to its first NUL or its end; the odd
    // last byte of an odd length is half a character and goes.
    uint8_t* data = static_cast<uint8_t*>(valueData_->GetData());
    if (length % sizeof(wchar_t))
        data[length - 1] = 0;
    const wchar_t* text = reinterpret_cast<const wchar_t*>(data);
    if (type == REG_SZ)
        return text;
    if (expandable)
        *expandable = true;
    if (!expand)
        return text;

    uint32_t room = kExpansionChars;
    for (;;) {
        expansion_->EnsureCapacity(room * sizeof(wchar_t));
        wchar_t* expanded = static_cast<wchar_t*>(expansion_->GetData());
        const DWORD needed = ExpandEnvironmentStringsW(text, expanded, room);
        if (needed == 0)
            return text;
        // A longer expansion only reports what it needs: ask again with that much room.
        if (needed <= room)
            return expanded;
        room = needed;
    }
}

IRegDir::StrArray* RegDir::GetMultiString(const wchar_t* name)
{
    StrArray* strings = StrArray::New();
    if (!strings)
        return nullptr;
    uint32_t type = 0;
    uint32_t length = 0;
    const uint32_t kSmallestParsed = 4;
    if (ReadValue(name, &type, &length, REG_MULTI_SZ) && length >= kSmallestParsed) {
        strings->ParseMultiString(valueData_);
        if (strings->GetCount() == 1 && strings->Get(0)->GetLength() == 0)
            strings->Clear();
    }
    return strings;
}

IRegDir::ArrayU08* RegDir::GetBytes(const wchar_t* name, ArrayU08* array)
{
    uint32_t type = 0;
    uint32_t length = 0;
    if (!ReadValue(name, &type, &length, kAnyType))
        return nullptr;
    ArrayU08* target = array ? array : ArrayU08::NewWithCapacity(length);
    if (!target)
        return nullptr;
    target->SetCount(length);
    if (length)
        std::memcpy(target->GetData(), valueData_->GetData(), length);
    return target;
}

void RegDir::DeleteValue(const wchar_t* name)
{
    uint32_t type = 0;
    uint32_t length = 0;
    // Read with the read handle; only a value that is there asks for the right to delete it.
    if (ReadValue(name, &type, &length, kAnyType) && OpenWith(kKeyWrite))
        GetNtRegistryApi().NtDeleteValueKey(key_, &valueName_);
}

void RegDir::WriteValue(const wchar_t* name, uint32_t type, const void* data, uint32_t size)
{
    // Makes the key, or opens a key only read so far for writing.
    Create();
    if (!key_ || (access_ & kKeyWrite) != kKeyWrite || !SetValueName(name))
        return;
    GetNtRegistryApi().NtSetValueKey(key_, &valueName_, 0, type, const_cast<void*>(data), size);
}

void RegDir::SetUInt8(const wchar_t* name, uint8_t value)
{
    SetUInt32(name, value);
}

void RegDir::SetUInt16(const wchar_t* name, uint16_t value)
{
    SetUInt32(name, value);
}

void RegDir::SetUInt32(const wchar_t* name, uint32_t value)
{
    WriteValue(name, REG_DWORD, &value, sizeof value);
}

void RegDir::SetUInt64(const wchar_t* name, uint64_t value)
{
    WriteValue(name, REG_BINARY, &value, sizeof value);
}

void RegDir::SetInt8(const wchar_t* name, int8_t value)
{
    SetInt32(name, value);
}

void RegDir::SetInt16(const wchar_t* name, int16_t value)
{
    SetInt32(name, value);
}

void RegDir::SetInt32(const wchar_t* name, int32_t value)
{
    WriteValue(name, REG_DWORD, &value, sizeof value);
}

void RegDir::SetInt64(const wchar_t* name, int64_t value)
{
    WriteValue(name, REG_BINARY, &value, sizeof value);
}

void RegDir::SetFloat(const wchar_t* name, float value)
{
    WriteValue(name, REG_BINARY, &value, sizeof value);
}

void RegDir::SetDouble(const wchar_t* name, double value)
{
    WriteValue(name, REG_BINARY, &value, sizeof value);
}

void RegDir::SetBool(const wchar_t* name, bool value)
{
    SetUInt32(name, value ? 1u : 0u);
}

void RegDir::SetString(const wchar_t* name, const wchar_t* value)
{
    const wchar_t* text = value ? value : L"";
    WriteValue(name, REG_SZ, text, static_cast<uint32_t>((wcslen(text) + 1) * sizeof(wchar_t)));
}

void RegDir::SetExpandString(const wchar_t* name, const wchar_t* value)
{
    const wchar_t* text = value ? value : L"";
    WriteValue(name, REG_EXPAND_SZ, text, static_cast<uint32_t>((wcslen(text) + 1) * sizeof(wchar_t)));
}

void RegDir::SetMultiString(const wchar_t* name, StrArray* values)
{
    const uint32_t count = values ? values->GetCount() : 0;
    bool hasEmpty = false;
    for (uint32_t i = 0; i < count; ++i)
        hasEmpty = hasEmpty || values->Get(i)->GetLength() == 0;
    // An empty string inside the form would end it and lose every string after it, so the
    // strings are written without the empty ones.
    StrArray* kept = nullptr;
    if (hasEmpty || !values) {
        kept = StrArray::New();
        if (!kept)
            return;
        for (uint32_t i = 0; i < count; ++i) {
            if (values->Get(i)->GetLength())
                kept->AddText(values->Get(i)->GetText());
        }
    }
    ArrayU08* bytes = (kept ? kept : values)->ToMultiString(nullptr);
    if (kept)
        kept->ReleaseToPool();
    if (!bytes)
        return;
    WriteValue(name, REG_MULTI_SZ, bytes->GetData(), bytes->GetCount());
    bytes->ReleaseToPool();
}

void RegDir::SetBytes(const wchar_t* name, ArrayU08* bytes)
{
    WriteValue(name, REG_BINARY, bytes ? bytes->GetData() : nullptr, bytes ? bytes->GetCount() : 0);
}

} // namespace win
} // namespace reg
} // namespace s
