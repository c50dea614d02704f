#include "storage/reg/RegMappedData.h"

#include <cwchar>

#include "core/col/Arrays.h"
#include "core/str/StrBuffer.h"
#include "storage/reg/NtRegistryApi.h"
#include "storage/reg/RegDir.h"

namespace s {
namespace reg {

namespace {

const wchar_t kProgramKeyParent[] = L"Software\\Zorv\\";
const wchar_t kSaveDataLeaf[] = L"\\SaveData";
const wchar_t kSeparator = L'\\';

} // namespace

MappedData::MappedData()
    : scratch_(StrBuffer::New()), section_(StrBuffer::New()), base_(nullptr), sectionKey_(nullptr), autoSave_(0)
{
}

MappedData::~MappedData()
{
    // The pools may be gone at exit: everything is freed here directly.
    delete base_;
    delete sectionKey_;
    delete scratch_;
    delete section_;
}

const wchar_t* MappedData::GetClassName()
{
    return L"s_reg_MappedData";
}

base::IObject* MappedData::NewInstance()
{
    return New();
}

void MappedData::ReleaseToPool()
{
    GetPool()->Give(this);
}

void MappedData::ReleaseKeys()
{
    if (sectionKey_) {
        sectionKey_->ReleaseToPool();
        sectionKey_ = nullptr;
    }
    if (base_) {
        base_->ReleaseToPool();
        base_ = nullptr;
    }
}

void MappedData::Reset()
{
    if (scratch_)
        scratch_->FreeAll();
    if (section_)
        section_->FreeAll();
    ReleaseKeys();
    autoSave_ = 0;
}

thread::EasyPooler* MappedData::GetPool()
{
    return &thread::PoolOf<MappedData>();
}

MappedData* MappedData::New()
{
    MappedData* store = thread::TakeFromPool<MappedData>();
    if (store && (!store->scratch_ || !store->section_)) {
        store->ReleaseToPool();
        return nullptr;
    }
    return store;
}

MappedData* MappedData::OpenUserKey(const wchar_t* keyPath)
{
    MappedData* store = New();
    if (store && !store->base_) {
        win::RegDir* key = win::RegDir::OpenNew(HKEY_CURRENT_USER, keyPath);
        if (key)
            store->AttachKey(key);
    }
    return store;
}

MappedData* MappedData::OpenProgramSettings(const wchar_t* programTitle)
{
    StrBuffer* path = StrBuffer::New();
    if (!path)
        return nullptr;
    path->Append(kProgramKeyParent)->Append(programTitle ? programTitle : L"")->Append(kSaveDataLeaf);
    MappedData* store = OpenUserKey(path->GetText());
    path->ReleaseToPool();
    return store;
}

NTSTATUS MappedData::AttachKey(win::RegDir* key)
{
    ReleaseKeys();
    base_ = key;
    section_->Clear();
    if (!base_)
        return win::kStatusInvalidParameter;
    sectionKey_ = win::RegDir::New();
    if (!sectionKey_)
        return win::kStatusNoMemory;
    return sectionKey_->Open(base_->GetRoot(), base_->GetSubPath());
}

void MappedData::UseSection(const wchar_t* section)
{
    const wchar_t* text = section ? section : L"";
    const uint32_t length = static_cast<uint32_t>(wcslen(text));
    if (sectionKey_ && section_->GetLength() == length && section_->StartsWithIgnoreCase(text, length))
        return;
    section_->Assign(text);
    if (sectionKey_) {
        sectionKey_->ReleaseToPool();
        sectionKey_ = nullptr;
    }
    if (!base_)
        return;
    scratch_->Assign(base_->GetSubPath());
    if (length) {
        scratch_->AppendChar(kSeparator);
        scratch_->AppendStr(section_);
    }
    sectionKey_ = win::RegDir::OpenNew(base_->GetRoot(), scratch_->GetText());
}

bool MappedData::SectionExists()
{
    if (!sectionKey_)
        return false;
    if (sectionKey_->IsOpen())
        return sectionKey_->Reopen();
    // Not there when last asked; another store may have made it since.
    scratch_->Assign(sectionKey_->GetSubPath());
    return NT_SUCCESS(sectionKey_->SetSubPath(scratch_->GetText()));
}

bool MappedData::SelectSection(const wchar_t* section)
{
    UseSection(section);
    const bool exists = SectionExists();
    return exists || (sectionKey_ && !section_->GetLength());
}

void MappedData::SetSection(const wchar_t* section)
{
    UseSection(section);
    if (sectionKey_ && !SectionExists())
        sectionKey_->Create();
}

win::RegDir* MappedData::ReadSection(const wchar_t* section)
{
    return SelectSection(section) ? sectionKey_ : nullptr;
}

win::RegDir* MappedData::WriteSection(const wchar_t* section)
{
    SetSection(section);
    return sectionKey_;
}

void MappedData::RemoveSection(const wchar_t* section)
{
    if (!section || !*section || !base_)
        return;
    UseSection(section);
    if (!SectionExists())
        return;
    sectionKey_->DeleteTree(true);
    sectionKey_->ReleaseToPool();
    sectionKey_ = nullptr;
}

bool MappedData::Save()
{
    return base_ != nullptr;
}

void MappedData::SaveIfAutoSave(const wchar_t*, const wchar_t*, const void*) {}

bool MappedData::HasValue(const wchar_t* section, const wchar_t* name)
{
    win::RegDir* key = ReadSection(section);
    uint32_t type = 0;
    uint32_t length = 0;
    return key && key->ReadValue(name, &type, &length, IRegDir::kAnyType);
}

uint8_t MappedData::GetUInt8(const wchar_t* section, const wchar_t* name, uint8_t defaultValue)
{
    win::RegDir* key = ReadSection(section);
    return key ? key->GetUInt8(name, defaultValue) : defaultValue;
}

uint16_t MappedData::GetUInt16(const wchar_t* section, const wchar_t* name, uint16_t defaultValue)
{
    win::RegDir* key = ReadSection(section);
    return key ? key->GetUInt16(name, defaultValue) : defaultValue;
}

uint32_t MappedData::GetUInt32(const wchar_t* section, const wchar_t* name, uint32_t defaultValue)
{
    win::RegDir* key = ReadSection(section);
    return key ? key->GetUInt32(name, defaultValue) : defaultValue;
}

uint64_t MappedData::GetUInt64(const wchar_t* section, const wchar_t* name, uint64_t defaultValue)
{
    win::RegDir* key = ReadSection(section);
    return key ? key->GetUInt64(name, defaultValue) : defaultValue;
}

int8_t MappedData::GetInt8(const wchar_t* section, const wchar_t* name, int8_t defaultValue)
{
    win::RegDir* key = ReadSection(section);
    return key ? key->GetInt8(name, defaultValue) : defaultValue;
}

int16_t MappedData::GetInt16(const wchar_t* section, const wchar_t* name, int16_t defaultValue)
{
    win::RegDir* key = ReadSection(section);
    return key ? key->GetInt16(name, defaultValue) : defaultValue;
}

int32_t MappedData::GetInt32(const wchar_t* section, const wchar_t* name, int32_t defaultValue)
{
    win::RegDir* key = ReadSection(section);
    return key ? key->GetInt32(name, defaultValue) : defaultValue;
}

int64_t MappedData::GetInt64(const wchar_t* section, const wchar_t* name, int64_t defaultValue)
{
    win::RegDir* key = ReadSection(section);
    return key ? key->GetInt64(name, defaultValue) : defaultValue;
}

float MappedData::GetFloat(const wchar_t* section, const wchar_t* name, float defaultValue)
{
    win::RegDir* key = ReadSection(section);
    return key ? key->GetFloat(name, defaultValue) : defaultValue;
}

double MappedData::GetDouble(const wchar_t* section, const wchar_t* name, double defaultValue)
{
    win::RegDir* key = ReadSection(section);
    return key ? key->GetDouble(name, defaultValue) : defaultValue;
}

bool MappedData::GetBool(const wchar_t* section, const wchar_t* name, bool defaultValue)
{
    win::RegDir* key = ReadSection(section);
    return key ? key->GetBool(name, defaultValue) : defaultValue;
}

const wchar_t* MappedData::GetString(const wchar_t* section, const wchar_t* name, const wchar_t* defaultValue,
                                     bool* expandable, bool expand)
{
    if (expandable)
        *expandable = false;
    win::RegDir* key = ReadSection(section);
    return key ? key->GetString(name, defaultValue, expandable, expand) : defaultValue;
}

const void* MappedData::GetNullValue(const wchar_t*, const wchar_t*, const void*)
{
    return nullptr;
}

map::IMappedData::ArrayU08* MappedData::GetBytes(const wchar_t* section, const wchar_t* name, ArrayU08* out)
{
    ArrayU08* array = out ? out : ArrayU08::New();
    win::RegDir* key = ReadSection(section);
    if (!key || !array)
        return array;
    ArrayU08* read = key->GetBytes(name, array);
    if (!read && !out)
        array->ReleaseToPool();
    return read;
}

void MappedData::RemoveValue(const wchar_t* section, const wchar_t* name)
{
    win::RegDir* key = ReadSection(section);
    if (key)
        key->DeleteValue(name);
}

void MappedData::SetUInt8(const wchar_t* section, const wchar_t* name, uint8_t value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetUInt8(name, value);
}

void MappedData::SetUInt16(const wchar_t* section, const wchar_t* name, uint16_t value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetUInt16(name, value);
}

void MappedData::SetUInt32(const wchar_t* section, const wchar_t* name, uint32_t value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetUInt32(name, value);
}

void MappedData::SetUInt64(const wchar_t* section, const wchar_t* name, uint64_t value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetUInt64(name, value);
}

void MappedData::SetInt8(const wchar_t* section, const wchar_t* name, int8_t value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetInt8(name, value);
}

void MappedData::SetInt16(const wchar_t* section, const wchar_t* name, int16_t value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetInt16(name, value);
}

void MappedData::SetInt32(const wchar_t* section, const wchar_t* name, int32_t value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetInt32(name, value);
}

void MappedData::SetInt64(const wchar_t* section, const wchar_t* name, int64_t value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetInt64(name, value);
}

void MappedData::SetFloat(const wchar_t* section, const wchar_t* name, float value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetFloat(name, value);
}

void MappedData::SetDouble(const wchar_t* section, const wchar_t* name, double value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetDouble(name, value);
}

void MappedData::SetBool(const wchar_t* section, const wchar_t* name, bool value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetBool(name, value);
}

void MappedData::SetString(const wchar_t* section, const wchar_t* name, const wchar_t* value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetString(name, value);
}

void MappedData::SetExpandString(const wchar_t* section, const wchar_t* name, const wchar_t* value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetExpandString(name, value);
}

void MappedData::SetBytes(const wchar_t* section, const wchar_t* name, ArrayU08* value)
{
    if (win::RegDir* key = WriteSection(section))
        key->SetBytes(name, value);
}

} // namespace reg
} // namespace s
