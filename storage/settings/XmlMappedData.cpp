#include "storage/settings/XmlMappedData.h"

#include <windows.h>

#include <cwchar>

#include "core/col/Arrays.h"
#include "core/str/NumberText.h"
#include "core/str/StrBuffer.h"
#include "storage/file/PathWin.h"
#include "storage/xml/Escape.h"
#include "storage/xml/Node.h"
#include "storage/xml/WritableName.h"

namespace s {
namespace xml {

namespace {

const wchar_t kRootName[] = L"savedata";
const wchar_t kBackupSuffix[] = L".bak";
// The reader refuses elements nested deeper than the node's bound, the root being the first
// level: the store makes no section that a reload would lose.
const uint32_t kMaxSectionLevels = Node::kMaxDepth - 1;
// A file held by another writer for its replace is free again within moments.
const DWORD kBusyFileWaitMs = 2000;
const DWORD kBusyFileStepMs = 10;

inline bool IsSeparator(wchar_t c)
{
    return c == L'/' || c == L'\\';
}

inline uint32_t TextLength(const wchar_t* text)
{
    return text ? static_cast<uint32_t>(std::wcslen(text)) : 0;
}

// A section the writer can make: every level a name the reader reads back as itself (a path
// that ends with a separator has no further level), and no more levels than the reader takes.
bool IsWritableSection(const wchar_t* section)
{
    uint32_t levels = 0;
    for (const wchar_t* piece = section; *piece;) {
        const wchar_t* end = piece;
        while (*end && !IsSeparator(*end))
            ++end;
        if (!IsWritableName(piece, static_cast<uint32_t>(end - piece)) || ++levels > kMaxSectionLevels)
            return false;
        if (*end == 0)
            break;
        piece = end + 1;
    }
    return true;
}

// A value name the writer can store: the empty name is the section's text, any other must read
// back as itself.
bool IsWritableValueName(const wchar_t* name)
{
    return name && (*name == 0 || IsWritableName(name, TextLength(name)));
}

// Waits a short while for a file another writer holds without sharing, as a save holds it
// while it replaces the file; true when it can be opened for reading now.
bool WaitUntilReadable(file::win::PathWin* path)
{
    for (DWORD waited = 0;; waited += kBusyFileStepMs) {
        HANDLE handle = CreateFileW(path->GetSystemText(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
            return true;
        }
        if (GetLastError() != ERROR_SHARING_VIOLATION || waited >= kBusyFileWaitMs)
            return false;
        Sleep(kBusyFileStepMs);
    }
}

// The record a getter reads: the first of that name in the section, or null.
AttrRecord* FindValue(Node* element, const wchar_t* name)
{
    return element ? element->GetAttributes()->Find(name) : nullptr;
}

} // namespace

MappedData::MappedData()
    : path_(nullptr),
      scratch_(StrBuffer::New()),
      section_(StrBuffer::New()),
      document_(nullptr),
      current_(nullptr),
      autoSave_(0),
      keepUnreadFile_(false)
{
}

MappedData::~MappedData()
{
    // The pools may be gone at exit: everything is freed here directly.
    delete path_;
    delete document_;
    delete scratch_;
    delete section_;
}

const wchar_t* MappedData::GetClassName()
{
    return L"s_xml_MappedData";
}

base::IObject* MappedData::NewInstance()
{
    return New();
}

void MappedData::ReleaseToPool()
{
    GetPool()->Give(this);
}

void MappedData::Reset()
{
    if (path_) {
        path_->ReleaseToPool();
        path_ = nullptr;
    }
    if (scratch_)
        scratch_->FreeAll();
    if (section_)
        section_->FreeAll();
    if (document_) {
        document_->ReleaseToPool();
        document_ = nullptr;
    }
    current_ = nullptr;
    keepUnreadFile_ = false;
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

MappedData* MappedData::OpenFile(const wchar_t* pathText)
{
    MappedData* store = New();
    if (!store)
        return nullptr;
    store->SetFile(PathWin::CreateFromText(pathText), true);
    if (!store->document_) {
        store->document_ = Node::New();
        if (!store->document_) {
            store->ReleaseToPool();
            return nullptr;
        }
        store->document_->SetName(kRootName, StrBuffer::kWhole);
    }
    store->section_->Clear();
    store->current_ = store->document_;
    return store;
}

bool MappedData::SetFile(PathWin* path, bool load)
{
    if (path_ && path_ != path)
        path_->ReleaseToPool();
    path_ = path;
    keepUnreadFile_ = false;
    if (!load || !path_ || !path_->Exists())
        return false;
    WaitUntilReadable(path_);
    Node* loaded = Node::New();
    if (!loaded)
        return false;
    // Settings the store could not read (a locked or damaged file) must not vanish with the
    // next save: that save keeps the file aside first.
    keepUnreadFile_ = !loaded->LoadFile(path_);
    // A damaged or cut-off file still gives every value that stands complete before the
    // damage; the rest read as their defaults. A file without a root element leaves the
    // document as it was (the caller's defaults).
    if (!loaded->GetName()) {
        loaded->ReleaseToPool();
        return false;
    }
    if (document_)
        document_->ReleaseToPool();
    document_ = loaded;
    section_->Clear();
    current_ = document_;
    return true;
}

void MappedData::SetDocument(Node* root)
{
    if (path_) {
        path_->ReleaseToPool();
        path_ = nullptr;
    }
    keepUnreadFile_ = false;
    if (document_ && document_ != root)
        document_->ReleaseToPool();
    document_ = root;
    section_->Clear();
    current_ = document_;
}

bool MappedData::Save()
{
    if (!path_ || !document_)
        return false;
    if (keepUnreadFile_ && !KeepUnreadFile())
        return false;
    return document_->SaveFile(path_);
}

bool MappedData::KeepUnreadFile()
{
    StrBuffer* backup = StrBuffer::FromText(path_->GetText());
    if (!backup)
        return false;
    backup->Append(kBackupSuffix);
    const bool kept = !path_->Exists() || path_->Copy(backup->GetText(), true);
    backup->ReleaseToPool();
    if (kept)
        keepUnreadFile_ = false;
    return kept;
}

void MappedData::SaveIfAutoSave(const wchar_t*, const wchar_t*, const void*)
{
    if (autoSave_)
        Save();
}

bool MappedData::Walk(const wchar_t* section, bool create)
{
    if (!section)
        section = L"";
    const uint32_t length = TextLength(section);
    // Callers read and write many values of one section in a row: the tree is walked only
    // when the section changes.
    if (section_->GetLength() == length && section_->StartsWithIgnoreCase(section, static_cast<int32_t>(length))) {
        if (current_)
            return true;
        if (!create)
            return false;
    }
    section_->Assign(section);
    current_ = document_;
    if (!document_ || length == 0)
        return current_ != nullptr;
    // A section the reader could not find again is refused whole, before any level is made.
    if (create && !IsWritableSection(section)) {
        current_ = nullptr;
        return false;
    }

    Node* element = document_;
    current_ = nullptr;
    const wchar_t* piece = section;
    for (;;) {
        const wchar_t* end = piece;
        while (*end && !IsSeparator(*end))
            ++end;
        // A path that ends with a separator has no further piece.
        if (*end == 0 && end == piece)
            break;
        const uint32_t n = static_cast<uint32_t>(end - piece);
        Node* child = element->FindChildNode(piece, n);
        if (!child) {
            if (!create)
                return false;
            child = static_cast<Node*>(element->AddChild(piece, n));
            if (!child)
                return false;
        }
        element = child;
        if (*end == 0)
            break;
        piece = end + 1;
    }
    current_ = element;
    return true;
}

void MappedData::SetSection(const wchar_t* section)
{
    Walk(section, true);
}

bool MappedData::SelectSection(const wchar_t* section)
{
    return Walk(section, false);
}

void MappedData::RemoveSection(const wchar_t* section)
{
    if (!section || !*section)
        return;
    const wchar_t* leaf = section;
    for (const wchar_t* p = section; *p; ++p) {
        if (IsSeparator(*p))
            leaf = p + 1;
    }
    StrBuffer* parent = StrBuffer::New();
    if (!parent)
        return;
    if (leaf != section)
        parent->AppendChars(section, static_cast<uint32_t>(leaf - 1 - section));
    const bool found = SelectSection(parent->GetText());
    parent->ReleaseToPool();
    if (!found)
        return;
    uint32_t index;
    if (current_->FindChildIndex(leaf, &index, StrBuffer::kWhole)) {
        current_->RemoveChildAt(index);
        SaveIfAutoSave(nullptr, nullptr, nullptr);
    }
}

template <class T>
T MappedData::GetWith(const wchar_t* section, const wchar_t* name, T (Node::*getter)(const wchar_t*, T),
                      T defaultValue)
{
    return SelectSection(section) ? (current_->*getter)(name, defaultValue) : defaultValue;
}

bool MappedData::HasValue(const wchar_t* section, const wchar_t* name)
{
    return SelectSection(section) && FindValue(current_, name) != nullptr;
}

uint8_t MappedData::GetUInt8(const wchar_t* section, const wchar_t* name, uint8_t defaultValue)
{
    return GetWith(section, name, &Node::GetUInt8Attribute, defaultValue);
}

uint16_t MappedData::GetUInt16(const wchar_t* section, const wchar_t* name, uint16_t defaultValue)
{
    return GetWith(section, name, &Node::GetUInt16Attribute, defaultValue);
}

uint32_t MappedData::GetUInt32(const wchar_t* section, const wchar_t* name, uint32_t defaultValue)
{
    return GetWith(section, name, &Node::GetUInt32Attribute, defaultValue);
}

uint64_t MappedData::GetUInt64(const wchar_t* section, const wchar_t* name, uint64_t defaultValue)
{
    return GetWith(section, name, &Node::GetUInt64Attribute, defaultValue);
}

int8_t MappedData::GetInt8(const wchar_t* section, const wchar_t* name, int8_t defaultValue)
{
    return GetWith(section, name, &Node::GetInt8Attribute, defaultValue);
}

int16_t MappedData::GetInt16(const wchar_t* section, const wchar_t* name, int16_t defaultValue)
{
    return GetWith(section, name, &Node::GetInt16Attribute, defaultValue);
}

int32_t MappedData::GetInt32(const wchar_t* section, const wchar_t* name, int32_t defaultValue)
{
    return GetWith(section, name, &Node::GetInt32Attribute, defaultValue);
}

int64_t MappedData::GetInt64(const wchar_t* section, const wchar_t* name, int64_t defaultValue)
{
    return GetWith(section, name, &Node::GetInt64Attribute, defaultValue);
}

float MappedData::GetFloat(const wchar_t* section, const wchar_t* name, float defaultValue)
{
    return static_cast<float>(GetDouble(section, name, defaultValue));
}

double MappedData::GetDouble(const wchar_t* section, const wchar_t* name, double defaultValue)
{
    if (!SelectSection(section))
        return defaultValue;
    AttrRecord* record = FindValue(current_, name);
    return record ? str::numtext::ParseDouble(record->value) : defaultValue;
}

bool MappedData::GetBool(const wchar_t* section, const wchar_t* name, bool defaultValue)
{
    return GetWith(section, name, &Node::GetBoolAttribute, defaultValue);
}

const wchar_t* MappedData::GetString(const wchar_t* section, const wchar_t* name, const wchar_t* defaultValue,
                                     bool* expandable, bool)
{
    if (expandable)
        *expandable = false;
    if (!SelectSection(section))
        return defaultValue;
    AttrRecord* record = FindValue(current_, name);
    if (!record) {
        if (!defaultValue)
            return nullptr;
        return scratch_->Assign(defaultValue)->GetText();
    }
    if (record->nameLength == 0)
        UnescapeText(scratch_, record->value, false, record->valueLength);
    else
        UnescapeAttributeValue(scratch_, record->value, false, record->valueLength);
    return scratch_->GetText();
}

const void* MappedData::GetNullValue(const wchar_t*, const wchar_t*, const void*)
{
    return nullptr;
}

MappedData::ArrayU08* MappedData::GetBytes(const wchar_t* section, const wchar_t* name, ArrayU08* out)
{
    if (!out)
        out = ArrayU08::New();
    if (!out || !SelectSection(section))
        return out;
    AttrRecord* record = FindValue(current_, name);
    if (!record) {
        out->SetCount(0);
        return out;
    }
    UnescapeAttributeValue(scratch_, record->value, false, record->valueLength);
    return scratch_->HexToBytes(out, false);
}

void MappedData::RemoveValue(const wchar_t* section, const wchar_t* name)
{
    if (!SelectSection(section))
        return;
    current_->GetAttributes()->RemoveFirst(name);
    SaveIfAutoSave(nullptr, nullptr, nullptr);
}

template <class T, class V>
void MappedData::SetWith(const wchar_t* section, const wchar_t* name, void (Node::*setter)(const wchar_t*, T),
                         V value)
{
    if (!IsWritableValueName(name))
        return;
    SetSection(section);
    if (!current_)
        return;
    current_->GetAttributes()->RemoveFirst(name);
    (current_->*setter)(name, value);
    SaveIfAutoSave(nullptr, nullptr, nullptr);
}

void MappedData::SetUInt8(const wchar_t* section, const wchar_t* name, uint8_t value)
{
    SetWith(section, name, &Node::SetUInt8Attribute, value);
}

void MappedData::SetUInt16(const wchar_t* section, const wchar_t* name, uint16_t value)
{
    SetWith(section, name, &Node::SetUInt16Attribute, value);
}

void MappedData::SetUInt32(const wchar_t* section, const wchar_t* name, uint32_t value)
{
    SetWith(section, name, &Node::SetUInt32Attribute, value);
}

void MappedData::SetUInt64(const wchar_t* section, const wchar_t* name, uint64_t value)
{
    SetWith(section, name, &Node::SetUInt64Attribute, value);
}

void MappedData::SetInt8(const wchar_t* section, const wchar_t* name, int8_t value)
{
    SetWith(section, name, &Node::SetInt8Attribute, value);
}

void MappedData::SetInt16(const wchar_t* section, const wchar_t* name, int16_t value)
{
    SetWith(section, name, &Node::SetInt16Attribute, value);
}

void MappedData::SetInt32(const wchar_t* section, const wchar_t* name, int32_t value)
{
    SetWith(section, name, &Node::SetInt32Attribute, value);
}

void MappedData::SetInt64(const wchar_t* section, const wchar_t* name, int64_t value)
{
    SetWith(section, name, &Node::SetInt64Attribute, value);
}

void MappedData::SetFloat(const wchar_t* section, const wchar_t* name, float value)
{
    SetWith(section, name, &Node::SetFloatAttribute, value);
}

void MappedData::SetDouble(const wchar_t* section, const wchar_t* name, double value)
{
    SetWith(section, name, &Node::SetDoubleAttribute, value);
}

void MappedData::SetBool(const wchar_t* section, const wchar_t* name, bool value)
{
    SetWith(section, name, &Node::SetInt32Attribute, value ? 1 : 0);
}

void MappedData::SetString(const wchar_t* section, const wchar_t* name, const wchar_t* value)
{
    SetWith(section, name, &Node::SetAttribute, value);
}

void MappedData::SetExpandString(const wchar_t* section, const wchar_t* name, const wchar_t* value)
{
    SetString(section, name, value);
}

void MappedData::SetBytes(const wchar_t* section, const wchar_t* name, ArrayU08* value)
{
    if (!IsWritableValueName(name))
        return;
    SetSection(section);
    if (!current_)
        return;
    current_->GetAttributes()->RemoveFirst(name);
    current_->SetUInt8ArrayAttribute(name, value ? static_cast<const uint8_t*>(value->GetData()) : nullptr,
                                     value ? value->GetCount() : 0);
    SaveIfAutoSave(nullptr, nullptr, nullptr);
}

} // namespace xml
} // namespace s
