#include "core/str/StrArray.h"

#include <cstring>

#include "core/col/Arrays.h"
#include "core/str/StrBuffer.h"

namespace s {
namespace str {
namespace strarray {

namespace {

const uint32_t kEmptyMultiStringBytes = 4;
const wchar_t kLineEnd[] = L"\r\n";

} // namespace

StrArray::StrArray()
{
    items_.SetCleaner(StrBuffer::GetPool());
}

StrArray::~StrArray()
{
    const uint32_t count = items_.GetCount();
    void** slots = items_.GetSlots();
    for (uint32_t i = 0; i < count; ++i) {
        delete static_cast<StrBuffer*>(slots[i]);
        slots[i] = nullptr;
    }
    items_.SetCount(0);
}

const wchar_t* StrArray::GetClassName()
{
    return L"s_str_strarray_StrArray";
}

StrArray* StrArray::NewInstance()
{
    return New();
}

void StrArray::ReleaseToPool()
{
    GetPool()->Give(this);
}

void StrArray::Reset()
{
    Clear();
}

thread::EasyPooler* StrArray::GetPool()
{
    return &thread::PoolOf<StrArray>();
}

StrArray* StrArray::New()
{
    return thread::TakeFromPool<StrArray>();
}

void StrArray::Clear()
{
    if (items_.GetCount() != 0)
        items_.FreeAll();
}

StrArray* StrArray::AddText(const wchar_t* text)
{
    StrBuffer* item = StrBuffer::New();
    if (item) {
        item->Assign(text);
        items_.Append(item);
    }
    return this;
}

void StrArray::ParseUnits(const wchar_t* units)
{
    if (units[0] == 0 && units[1] == 0)
        return;
    uint32_t at = 0;
    do {
        StrBuffer* item = StrBuffer::New();
        if (!item)
            return;
        item->Assign(units + at);
        items_.Append(item);
        at += item->GetLength() + 1;
    } while (units[at] != 0);
}

void StrArray::ParseMultiString(ArrayU08* bytes)
{
    Clear();
    if (!bytes)
        return;
    const uint32_t units = bytes->GetCount() / 2;
    const wchar_t* text = static_cast<const wchar_t*>(bytes->GetData());
    // The closing double NUL bounds every string read below.
    bool closed = false;
    for (uint32_t i = units; i >= 2 && !closed; --i)
        closed = text[i - 2] == 0 && text[i - 1] == 0;
    if (closed)
        ParseUnits(text);
}

void StrArray::ParseMultiText(const wchar_t* text)
{
    Clear();
    if (text)
        ParseUnits(text);
}

col::_array::ArrayU08* StrArray::ToMultiString(ArrayU08* out)
{
    if (!out)
        out = ArrayU08::New();
    if (!out)
        return nullptr;
    out->SetCount(0);
    const uint32_t count = items_.GetCount();
    if (count == 0) {
        out->EnsureCapacity(kEmptyMultiStringBytes);
        std::memset(out->GetData(), 0, kEmptyMultiStringBytes);
        out->SetCount(kEmptyMultiStringBytes);
        return out;
    }
    uint32_t need = sizeof(wchar_t);
    for (uint32_t i = 0; i < count; ++i)
        need += Get(i)->GetLength() * sizeof(wchar_t) + sizeof(wchar_t);
    out->EnsureCapacity(need);
    for (uint32_t i = 0; i < count; ++i) {
        StrBuffer* item = Get(i);
        out->AppendRaw(item->GetText(), item->GetLength() * sizeof(wchar_t) + sizeof(wchar_t), 0);
    }
    out->Append(0);
    out->Append(0);
    return out;
}

col::_array::ArrayU08* StrArray::ToUtf8Lines()
{
    StrBuffer* joined = StrBuffer::New();
    if (!joined)
        return nullptr;
    const uint32_t count = items_.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        if (i != 0)
            joined->Append(kLineEnd);
        joined->AppendStr(Get(i));
    }
    ArrayU08* out = joined->ToUtf8Bytes(nullptr, false);
    joined->ReleaseToPool();
    return out;
}

} // namespace strarray
} // namespace str
} // namespace s
