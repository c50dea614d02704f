#include "storage/archive/dll/win/Archive.h"

#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/io/StreamCopy.h"
#include "core/str/StrBuffer.h"
#include "measurement/win/OsVersion.h"
#include "storage/file/PathWin.h"
#include "storage/archive/dll/win/Entry.h"
#include "storage/archive/dll/win/ModuleImage.h"

namespace s {
namespace archive {
namespace dll {
namespace win {

namespace {

using str::strbuffer::StrBuffer;

// Mapped as an image for its resources only; systems before 6.0 know just the data-file flag.
const DWORD kResourceLoadFlags = LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE;
const DWORD kOldResourceLoadFlags = LOAD_LIBRARY_AS_DATAFILE;

bool FileSize(const wchar_t* path, uint64_t* size)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data))
        return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    *size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

bool IsVistaOrLater()
{
    system::win::OsVersionInfo& version = system::win::GetOsVersion();
    if (!version.done)
        system::win::LoadOsVersion();
    return version.isVistaOrLater;
}

// A text key against an entry's text, whole; a key below 0x10000 is a number and no text.
bool TextMatches(str::strbuffer::StrBuffer* entryText, const wchar_t* key, bool ignoreCase)
{
    if (IS_INTRESOURCE(key))
        return false;
    return ignoreCase ? entryText->MatchesIgnoreCaseAt(0, key, 0, -1) : entryText->MatchesAt(0, key, 0, -1);
}

template <class Match>
bool FindFirst(col::_array::ArrayP* entries, Match match, uint32_t* index)
{
    const uint32_t count = entries->GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        if (match(static_cast<Entry*>(entries->Get(i)))) {
            *index = i;
            return true;
        }
    }
    return false;
}

bool HasCode(Entry* entry, uint32_t typeCode)
{
    return entry->IsTypeCode() && entry->GetTypeCode() == typeCode;
}

bool HasId(Entry* entry, uint32_t id)
{
    return entry->IsNameId() && entry->GetNameId() == id;
}

const wchar_t* AsResourceId(uint32_t id)
{
    return MAKEINTRESOURCEW(id);
}

} // namespace

Archive::Archive()
    : sourcePath_(nullptr), size_(0), entries_(new col::_array::ArrayP()), module_(nullptr)
{
    entries_->SetCleaner(Entry::GetPool());
}

Archive::~Archive()
{
    ReleaseModule();
    // Deleted directly, not given back: the entry pool may already be gone at process exit.
    const uint32_t count = entries_->GetCount();
    for (uint32_t i = 0; i < count; ++i)
        delete static_cast<Entry*>(entries_->Get(i));
    entries_->SetCleaner(nullptr);
    delete entries_;
    delete sourcePath_;
    sourcePath_ = nullptr;
}

const wchar_t* Archive::GetClassName()
{
    return L"s_archive_dll_win_Archive";
}

base::IObject* Archive::NewInstance()
{
    return thread::TakeFromPool<Archive>();
}

void Archive::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Archive::Reset()
{
    Close();
}

uint32_t Archive::GetEntryCount()
{
    return entries_->GetCount();
}

archive::IEntry* Archive::GetEntry(uint32_t index)
{
    return EntryAt(index);
}

Entry* Archive::EntryAt(uint32_t index)
{
    return static_cast<Entry*>(entries_->Get(index));
}

const wchar_t* Archive::GetSourceText()
{
    return sourcePath_ ? sourcePath_->GetText() : L"";
}

bool Archive::LoadModule()
{
    module_ = LoadLibraryExW(sourcePath_->GetSystemText(), nullptr, kResourceLoadFlags);
    if (!module_ && GetLastError() == ERROR_INVALID_PARAMETER)
        module_ = LoadLibraryExW(sourcePath_->GetSystemText(), nullptr, kOldResourceLoadFlags);
    // The system's resource calls trust the directory they walk: a damaged one is refused here.
    if (module_ && !ModuleImage(module_).ResourceTreeFits())
        ReleaseModule();
    return module_ != nullptr;
}

void Archive::ReleaseSourcePath()
{
    if (sourcePath_) {
        sourcePath_->ReleaseToPool();
        sourcePath_ = nullptr;
    }
}

void Archive::ReleaseModule()
{
    if (module_) {
        FreeLibrary(module_);
        module_ = nullptr;
    }
}

bool Archive::Open(file::IPath* path)
{
    if (!path || !path->Exists())
        return false;
    if (sourcePath_ || module_)
        Close();
    sourcePath_ = file::win::PathWin::CreateFromText(path->GetText());
    if (!sourcePath_)
        return false;
    uint64_t size = 0;
    size_ = FileSize(sourcePath_->GetSystemText(), &size) ? size : 0;
    if (LoadModule() && EnumResourceTypesW(module_, &Archive::OnType, reinterpret_cast<LONG_PTR>(this)))
        return true;
    ReleaseSourcePath();
    ReleaseModule();
    size_ = 0;
    return false;
}

BOOL CALLBACK Archive::OnType(HMODULE module, LPWSTR type, LONG_PTR self)
{
    // Every type is listed, whatever one of them answers.
    EnumResourceNamesW(module, type, &Archive::OnName, self);
    return TRUE;
}

BOOL CALLBACK Archive::OnName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR self)
{
    Archive* archive = reinterpret_cast<Archive*>(self);
    // From 6.0 on the system picks the language when a resource is loaded: one entry per name.
    if (IsVistaOrLater())
        archive->AddEntry(type, name, 0);
    else
        EnumResourceLanguagesW(module, type, name, &Archive::OnLanguage, self);
    return TRUE;
}

BOOL CALLBACK Archive::OnLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR self)
{
    reinterpret_cast<Archive*>(self)->AddEntry(type, name, language);
    return TRUE;
}

void Archive::AddEntry(LPCWSTR type, LPCWSTR name, WORD language)
{
    Entry* entry = Entry::New();
    if (!entry)
        return;
    entry->SetType(type);
    entry->SetName(name);
    entry->SetHandle(FindResourceExW(module_, type, name, language));
    entry->SetSize(entry->GetHandle() ? SizeofResource(module_, entry->GetHandle()) : 0);
    entry->SetLanguage(static_cast<uint16_t>(language & 0x3FF));
    entry->SetSubLanguage(static_cast<uint16_t>((language >> 10) & 0x3F));
    entries_->Append(entry);
}

void Archive::Close()
{
    ReleaseSourcePath();
    ReleaseModule();
    size_ = 0;
    entries_->FreeAll();
}

bool Archive::ReadEntry(archive::IEntry* entry, io::IOutputStream* out)
{
    Entry* resource = dynamic_cast<Entry*>(entry);
    if (!resource || !resource->GetHandle() || !module_ || !out)
        return false;
    HGLOBAL loaded = LoadResource(module_, resource->GetHandle());
    const uint8_t* bytes = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    if (!bytes)
        return false;
    uint64_t left = resource->GetSize();
    // A size or data address that reaches beyond the mapping would copy unmapped memory.
    if (!ModuleImage(module_).Contains(bytes, left))
        return false;
    while (left != 0) {
        uint32_t done = 0;
        // A stream that refuses bytes, or takes none, ends the read as a failure.
        if (!out->Write(bytes, static_cast<uint32_t>(left), &done) || done == 0 || done > left)
            return false;
        bytes += done;
        left -= done;
    }
    return true;
}

bool Archive::FindByName(const wchar_t* name, uint32_t* index)
{
    return FindFirst(entries_, [&](Entry* e) { return e->IsNameText() && TextMatches(e->GetNameStr(), name, false); },
                     index);
}

bool Archive::FindById(uint32_t id, uint32_t* index)
{
    return FindFirst(entries_, [&](Entry* e) { return HasId(e, id); }, index);
}

bool Archive::FindByNameIgnoreCase(const wchar_t* name, uint32_t* index)
{
    return FindFirst(entries_, [&](Entry* e) { return e->IsNameText() && TextMatches(e->GetNameStr(), name, true); },
                     index);
}

bool Archive::FindNthOfType(uint32_t typeCode, uint32_t n, uint32_t* index)
{
    uint32_t seen = 0;
    return FindFirst(entries_, [&](Entry* e) { return HasCode(e, typeCode) && seen++ == n; }, index);
}

bool Archive::FindByTypeNameAndName(const wchar_t* type, const wchar_t* name, uint32_t* index)
{
    return FindFirst(entries_,
                     [&](Entry* e) {
                         return e->IsTypeText() && e->IsNameText() && TextMatches(e->GetTypeStr(), type, false) &&
                                TextMatches(e->GetNameStr(), name, false);
                     },
                     index);
}

bool Archive::FindByTypeNameAndId(const wchar_t* type, uint32_t id, uint32_t* index)
{
    return FindFirst(entries_,
                     [&](Entry* e) { return e->IsTypeText() && HasId(e, id) && TextMatches(e->GetTypeStr(), type, false); },
                     index);
}

bool Archive::FindByTypeAndName(uint32_t typeCode, const wchar_t* name, uint32_t* index)
{
    return FindFirst(entries_,
                     [&](Entry* e) {
                         return HasCode(e, typeCode) && e->IsNameText() && TextMatches(e->GetNameStr(), name, false);
                     },
                     index);
}

bool Archive::FindByTypeAndId(uint32_t typeCode, uint32_t id, uint32_t* index)
{
    return FindFirst(entries_, [&](Entry* e) { return HasCode(e, typeCode) && HasId(e, id); }, index);
}

bool Archive::FindByTypeNameAndNameIgnoreCase(const wchar_t* type, const wchar_t* name, uint32_t* index)
{
    return FindFirst(entries_,
                     [&](Entry* e) {
                         return e->IsTypeText() && e->IsNameText() && TextMatches(e->GetTypeStr(), type, true) &&
                                TextMatches(e->GetNameStr(), name, true);
                     },
                     index);
}

bool Archive::FindByTypeAndNameIgnoreCase(uint32_t typeCode, const wchar_t* name, uint32_t* index)
{
    return FindFirst(entries_,
                     [&](Entry* e) {
                         return HasCode(e, typeCode) && e->IsNameText() && TextMatches(e->GetNameStr(), name, true);
                     },
                     index);
}

bool Archive::UpdateResource(const void* data, uint32_t count, const wchar_t* type, const wchar_t* name,
                             uint16_t language)
{
    if (!IsOpen() || !sourcePath_)
        return false;
    const bool known = FindResourceExW(module_, type, name, language) != nullptr;
    // The file must not be mapped while it is written.
    ReleaseModule();
    bool written = false;
    HANDLE update = BeginUpdateResourceW(sourcePath_->GetSystemText(), FALSE);
    if (update) {
        if (::UpdateResourceW(update, type, name, language, const_cast<void*>(data), count))
            written = EndUpdateResourceW(update, FALSE) != FALSE;
        else
            EndUpdateResourceW(update, TRUE);
    }
    uint64_t size = 0;
    if (FileSize(sourcePath_->GetSystemText(), &size))
        size_ = size;
    LoadModule();
    // Only a resource that now exists gets an entry of its own.
    if (written && !known && data) {
        Entry* entry = Entry::New();
        if (entry) {
            entry->SetType(type);
            entry->SetName(name);
            entry->SetLanguage(static_cast<uint16_t>(language & 0x3FF));
            entry->SetSubLanguage(static_cast<uint16_t>(language >> 10));
            entry->SetSize(count);
            entries_->Append(entry);
        }
    }
    RefindEntries();
    return written && IsOpen();
}

void Archive::RefindEntries()
{
    const uint32_t count = entries_->GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        Entry* entry = EntryAt(i);
        HRSRC handle = nullptr;
        // Without a module a search would fall through to the running program's own resources.
        if (module_) {
            const wchar_t* type = entry->IsTypeText() ? entry->GetTypeText() : AsResourceId(entry->GetRtType());
            const wchar_t* name = entry->IsNameText() ? entry->GetNameText() : AsResourceId(entry->GetNameId());
            handle = FindResourceExW(module_, type, name, entry->GetLanguageId());
        }
        entry->SetHandle(handle);
        entry->SetSize(handle ? SizeofResource(module_, handle) : 0);
    }
}

thread::EasyPooler* Archive::GetPool()
{
    return &thread::PoolOf<Archive>();
}

Archive* Archive::OpenModule(file::IPath* path)
{
    Archive* archive = thread::TakeFromPool<Archive>();
    if (archive)
        archive->Open(path);
    return archive;
}

StrBuffer* Archive::ReadTextResource(Archive* archive, const wchar_t* type, uint32_t id)
{
    uint32_t index = 0;
    if (!archive || !archive->FindByTypeNameAndId(type, id, &index))
        return nullptr;
    col::_array::ArrayU08* bytes = col::_array::ArrayU08::New();
    if (!bytes)
        return nullptr;
    StrBuffer* text = nullptr;
    if (archive->ReadEntry(archive->EntryAt(index), bytes)) {
        bytes->SeekToStart();
        text = StrBuffer::New();
        if (text)
            text->FromUtf8(static_cast<const char*>(bytes->GetData()), false, static_cast<int32_t>(bytes->GetCount()));
    }
    bytes->ReleaseToPool();
    return text;
}

} // namespace win
} // namespace dll
} // namespace archive
} // namespace s
