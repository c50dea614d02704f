#include "storage/file/PathArray.h"

#include "core/col/Arrays.h"
#include "core/col/MergeSort.h"
#include "core/map/MapTable.h"
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "storage/file/Extension.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"

namespace s {
namespace file {
namespace win {

typedef str::strbuffer::StrBuffer StrBuffer;
typedef str::strarray::StrArray StrArray;
typedef col::_array::ArrayP ArrayP;
typedef col::_array::ArrayS32 ArrayS32;

namespace {

// The size classes: each bound with its label.
const int64_t kSizeBounds[] = {1024LL, 10240LL, 102400LL, 1048576LL, 10485760LL, 104857600LL, 1073741824LL};
const wchar_t* const kSizeLabels[] = {L"1024",     L"10240",     L"102400",    L"1048576",
                                      L"10485760", L"104857600", L"1073741824"};
const int32_t kSizeClasses = sizeof kSizeBounds / sizeof kSizeBounds[0];

int32_t ByFullPath(void* a, void* b, void*)
{
    return PathWin::CompareByFullPath(static_cast<PathWin*>(a), static_cast<PathWin*>(b));
}

int32_t ByExtension(void* a, void* b, void*)
{
    return PathWin::CompareByExtension(static_cast<PathWin*>(a), static_cast<PathWin*>(b));
}

ArrayP* NewGrouping()
{
    return ArrayP::NewWithCleaner(Extension::GetPool());
}

// Only keys that at least two paths share stay: the smallest groups go from the end.
void TrimSingles(ArrayP* groups)
{
    while (groups->GetCount() != 0) {
        const uint32_t last = groups->GetCount() - 1;
        if (static_cast<Extension*>(groups->Get(last))->GetMemberCount() >= 2)
            break;
        groups->DisposeAt(last);
    }
}

bool HoldsIgnoreCase(StrArray* keys, uint32_t before, StrBuffer* key)
{
    for (uint32_t i = 0; i < before; ++i) {
        if (keys->Get(i)->EqualsIgnoreCase(key))
            return true;
    }
    return false;
}

} // namespace

PathArray::PathArray() : directoryFlags_(nullptr), scratchText_(StrBuffer::New())
{
    paths_.SetCleaner(PathWin::GetPool());
}

PathArray::~PathArray()
{
    // Deleted outright: at exit the pools may already be gone.
    for (uint32_t i = 0; i < paths_.GetCount(); ++i)
        delete static_cast<PathWin*>(paths_.Get(i));
    paths_.SetCleaner(nullptr);
    paths_.SetCount(0);
    delete directoryFlags_;
    delete scratchText_;
}

const wchar_t* PathArray::GetClassName()
{
    return L"s_file_win_PathArray";
}

base::IObject* PathArray::NewInstance()
{
    return New();
}

void PathArray::ReleaseToPool()
{
    GetPool()->Give(this);
}

void PathArray::Reset()
{
    FreeAll();
    ReleaseDirectoryFlags();
    if (scratchText_)
        scratchText_->FreeAll();
}

thread::EasyPooler* PathArray::GetPool()
{
    return &thread::PoolOf<PathArray>();
}

PathArray* PathArray::New()
{
    return thread::TakeFromPool<PathArray>();
}

void PathArray::ReleaseDirectoryFlags()
{
    if (directoryFlags_) {
        directoryFlags_->ReleaseToPool();
        directoryFlags_ = nullptr;
    }
}

void PathArray::Clear()
{
    if (paths_.GetCount() != 0)
        paths_.SetCount(0);
    ReleaseDirectoryFlags();
}

void PathArray::FreeAll()
{
    if (paths_.GetCount() != 0)
        paths_.FreeAll();
    ReleaseDirectoryFlags();
}

void PathArray::DebugDump()
{
    for (uint32_t i = 0; i < paths_.GetCount(); ++i)
        GetAt(i)->DebugDump();
}

void PathArray::InsertAt(uint32_t index, PathWin* path)
{
    paths_.InsertAt(index, path);
}

void PathArray::InsertTextAt(uint32_t index, const wchar_t* text)
{
    PathWin* path = PathWin::CreateFromText(text);
    if (path)
        InsertAt(index, path);
}

PathWin* PathArray::TakeAt(uint32_t index)
{
    return static_cast<PathWin*>(paths_.RemoveAt(index));
}

void PathArray::RemoveAt(uint32_t index)
{
    paths_.DisposeAt(index);
}

void PathArray::RemoveLast()
{
    if (paths_.GetCount() != 0)
        RemoveAt(paths_.GetCount() - 1);
}

void PathArray::SortByPath()
{
    col::SortArray(&paths_, &ByFullPath, nullptr);
}

void PathArray::SortByExtension()
{
    col::SortArray(&paths_, &ByExtension, nullptr);
}

ArrayP* PathArray::GroupByExtension()
{
    SortByExtension();
    ArrayP* groups = NewGrouping();
    Pooled<StrBuffer> extension;
    if (!groups || !extension)
        return groups;
    Extension* current = nullptr;
    for (uint32_t i = 0; i < paths_.GetCount(); ++i) {
        PathWin* path = GetAt(i);
        path->GetExtensionStr(extension.get(), false);
        if (!current || !current->GetLabel()->EqualsIgnoreCase(extension.get())) {
            current = Extension::NewWithLabel(extension.get());
            if (!current)
                break;
            groups->Append(current);
        }
        current->AddMember(path);
    }
    return groups;
}

ArrayP* PathArray::GroupByWords(bool dropStopWord, bool withExtension)
{
    ArrayP* groups = NewGrouping();
    Pooled<map::MapTable> byLabel;
    Pooled<StrBuffer> title, extension;
    if (!groups || !byLabel || !title || !extension)
        return groups;
    byLabel->SetIgnoreCase(true);
    for (uint32_t i = 0; i < paths_.GetCount(); ++i) {
        PathWin* path = GetAt(i);
        Pooled<StrArray> keys(path->GetTitleStr(title.get(), false)->SplitWords(dropStopWord));
        if (!keys)
            continue;
        if (withExtension) {
            path->GetExtensionNoDotStr(extension.get(), false);
            if (extension->GetLength() != 0 && !HoldsIgnoreCase(keys.get(), keys->GetCount(), extension.get()))
                keys->AddText(extension->GetText());
        }
        for (uint32_t k = 0; k < keys->GetCount(); ++k) {
            StrBuffer* key = keys->Get(k);
            // A word twice in one name puts the path in its group once.
            if (HoldsIgnoreCase(keys.get(), k, key))
                continue;
            Extension* group = reinterpret_cast<Extension*>(static_cast<uintptr_t>(byLabel->Get(key)));
            if (!group) {
                group = Extension::NewWithLabel(key);
                if (!group)
                    continue;
                groups->Append(group);
                byLabel->Put(group->GetLabel()->HashCodeIgnoreCase(), group->GetLabel(),
                             static_cast<uint64_t>(reinterpret_cast<uintptr_t>(group)));
            }
            group->AddMember(path);
        }
    }
    col::SortArray(groups, &Extension::CompareByMemberCount, nullptr, true);
    TrimSingles(groups);
    return groups;
}

ArrayP* PathArray::GroupByKey(bool dropStopWord)
{
    return GroupByWords(dropStopWord, false);
}

ArrayP* PathArray::GroupByKeyAndExtension(bool dropStopWord)
{
    return GroupByWords(dropStopWord, true);
}

ArrayP* PathArray::GroupBySize(bool atLeast)
{
    ArrayP* groups = NewGrouping();
    Pooled<StrBuffer> label;
    if (!groups || !label)
        return groups;
    Extension* classes[kSizeClasses] = {};
    for (uint32_t i = 0; i < paths_.GetCount(); ++i) {
        PathWin* path = GetAt(i);
        const int64_t size = path->GetSize(false, false, nullptr, nullptr, false);
        int32_t c = -1;
        if (atLeast) {
            for (int32_t b = kSizeClasses - 1; b >= 0 && c < 0; --b) {
                if (size >= kSizeBounds[b])
                    c = b;
            }
        } else {
            for (int32_t b = 0; b < kSizeClasses && c < 0; ++b) {
                if (size < kSizeBounds[b])
                    c = b;
            }
        }
        if (c < 0)
            continue;
        if (!classes[c]) {
            label->Assign(kSizeLabels[c]);
            classes[c] = Extension::NewWithLabel(label.get());
            if (!classes[c])
                continue;
            groups->Append(classes[c]);
        }
        classes[c]->AddMember(path);
    }
    // Each class gathers the members that the classes beyond it held before this step.
    uint32_t direct[kSizeClasses] = {};
    for (int32_t c = 0; c < kSizeClasses; ++c)
        direct[c] = classes[c] ? classes[c]->GetMemberCount() : 0;
    if (atLeast) {
        for (int32_t c = 0; c < kSizeClasses - 1; ++c) {
            for (int32_t from = c + 1; classes[c] && from < kSizeClasses; ++from) {
                for (uint32_t m = 0; m < direct[from]; ++m)
                    classes[c]->AddMember(classes[from]->GetMember(m));
            }
        }
    } else {
        for (int32_t c = kSizeClasses - 1; c > 0; --c) {
            for (int32_t from = c - 1; classes[c] && from >= 0; --from) {
                for (uint32_t m = 0; m < direct[from]; ++m)
                    classes[c]->AddMember(classes[from]->GetMember(m));
            }
        }
    }
    col::SortArray(groups, &Extension::CompareByLabelIgnoreCase, nullptr, true);
    return groups;
}

ArrayP* PathArray::GroupBySizeClass()
{
    return GroupBySize(false);
}

ArrayP* PathArray::GroupBySizeClassAtLeast()
{
    return GroupBySize(true);
}

bool PathArray::IndexOfIgnoreCase(PathWin* path, uint32_t* index)
{
    Pooled<StrBuffer> text;
    if (!path || !text)
        return false;
    path->GetFullPathStr(text.get(), false);
    for (uint32_t i = 0; i < paths_.GetCount(); ++i) {
        if (GetAt(i)->EqualsIgnoreCase(text.get())) {
            if (index)
                *index = i;
            return true;
        }
    }
    return false;
}

bool PathArray::IndexOfText(const wchar_t* text, uint32_t* index)
{
    Pooled<PathWin> path(PathWin::CreateFromText(text));
    return path && IndexOfIgnoreCase(path.get(), index);
}

bool PathArray::IndexOf(PathWin* path, uint32_t* index)
{
    Pooled<StrBuffer> text;
    if (!path || !text)
        return false;
    path->GetFullPathStr(text.get(), false);
    for (uint32_t i = 0; i < paths_.GetCount(); ++i) {
        if (GetAt(i)->Equals(text.get())) {
            if (index)
                *index = i;
            return true;
        }
    }
    return false;
}

void PathArray::ExpandFolders(bool recursive)
{
    const uint32_t count = paths_.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        PathWin* folder = GetAt(i);
        if (!folder->IsDirectory())
            continue;
        PathArray* entries = folder->ListEntriesInto(true, false, nullptr);
        if (!entries)
            continue;
        if (recursive)
            entries->ExpandFolders(true);
        for (uint32_t e = 0; e < entries->GetCount(); ++e)
            Add(entries->GetAt(e));
        entries->Clear();
        entries->ReleaseToPool();
    }
}

StrBuffer* PathArray::JoinNulSeparated(StrBuffer* target, bool append)
{
    target = StrBuffer::PrepareTarget(target, append);
    if (!target)
        return target;
    for (uint32_t i = 0; i < paths_.GetCount(); ++i) {
        if (i != 0)
            target->AppendChar(0);
        target->Append(GetAt(i)->GetText());
    }
    target->AppendChar(0);
    return target;
}

const wchar_t* PathArray::GetNulSeparated()
{
    if (!scratchText_)
        return L"\0";
    return JoinNulSeparated(scratchText_, false)->GetText();
}

ArrayS32* PathArray::FreshFlags()
{
    ReleaseDirectoryFlags();
    directoryFlags_ = ArrayS32::New();
    return directoryFlags_;
}

void PathArray::RecordDirectoryFlags()
{
    ArrayS32* flags = FreshFlags();
    if (!flags)
        return;
    for (uint32_t i = 0; i < paths_.GetCount(); ++i)
        flags->Append(GetAt(i)->IsDirectory() ? 1 : 0);
}

bool PathArray::WasDirectory(uint32_t index)
{
    return directoryFlags_ && index < directoryFlags_->GetCount() && directoryFlags_->Get(index) != 0;
}

PathArray* PathArray::TakeDirectories(PathArray* target)
{
    if (!target)
        target = New();
    if (!target)
        return target;
    for (uint32_t i = paths_.GetCount(); i-- > 0;) {
        if (GetAt(i)->IsDirectory())
            target->Add(TakeAt(i));
    }
    return target;
}

void PathArray::AssignTexts(uint32_t count, const wchar_t* const* texts)
{
    FreeAll();
    for (uint32_t i = 0; i < count; ++i)
        AddText(texts[i]);
}

StrArray* PathArray::GetFileNames()
{
    StrArray* names = StrArray::New();
    if (!names)
        return names;
    for (uint32_t i = 0; i < paths_.GetCount(); ++i) {
        StrBuffer* name = GetAt(i)->GetFileNameStr(nullptr, false);
        if (name)
            names->Add(name);
    }
    return names;
}

PathArray* PathArray::RelocateTo(const wchar_t* folder)
{
    PathArray* relocated = New();
    Pooled<StrBuffer> text;
    if (!relocated || !text)
        return relocated;
    ArrayS32* flags = directoryFlags_ ? relocated->FreshFlags() : nullptr;
    for (uint32_t i = 0; i < paths_.GetCount(); ++i) {
        text->Assign(folder)->AppendChar(L'\\');
        text->Append(GetAt(i)->GetFileNameText());
        relocated->AddText(text->GetText());
        if (flags)
            flags->Append(WasDirectory(i) ? 1 : 0);
    }
    return relocated;
}

PathArray* PathArray::GetShortcutPathsIn(const wchar_t* folder)
{
    PathArray* links = New();
    if (!links)
        return links;
    ArrayS32* flags = links->FreshFlags();
    for (uint32_t i = 0; i < paths_.GetCount(); ++i) {
        PathWin* path = GetAt(i);
        const wchar_t letter[2] = {path->GetDriveLetter(), 0};
        PathWin* link = PathWin::CreateShortcutFilePath(folder, path->IsDriveOnly() ? letter : path->GetFileNameText());
        if (!link)
            continue;
        links->Add(link);
        if (flags)
            flags->Append(0);
    }
    return links;
}

void PathArray::MakeNamesUnique()
{
    for (uint32_t i = 0; i < paths_.GetCount(); ++i) {
        PathWin* path = GetAt(i);
        if (!path->Exists())
            continue;
        PathWin* unique = path->GetUniqueSibling();
        if (!unique)
            continue;
        path->ReleaseToPool();
        paths_.Set(i, unique);
    }
}

PathWin* PathArray::GetAt(uint32_t index)
{
    return static_cast<PathWin*>(paths_.Get(index));
}

PathArray* PathArray::AddText(const wchar_t* text)
{
    PathWin* path = PathWin::CreateFromText(text);
    if (path)
        paths_.Append(path);
    return this;
}

PathArray* PathArray::Add(PathWin* path)
{
    if (path)
        paths_.Append(path);
    return this;
}

} // namespace win
} // namespace file
} // namespace s
