#include "windowing/dialogs/FileOpener.h"

#include <cwchar>

namespace s {
namespace gui {
namespace dialogs {
namespace win {

namespace {

const wchar_t kSeparator[] = L"|";

const wchar_t* OrEmpty(const wchar_t* text)
{
    return text ? text : L"";
}

// A filter part the dialog can read back as one piece.
bool UsablePart(const wchar_t* text)
{
    return text && *text && !std::wcschr(text, L'|');
}

} // namespace

FileOpener::FileOpener() : openMode_(true), followLinks_(true), multiSelect_(false) {}

FileOpener::~FileOpener() {}

thread::EasyPooler* FileOpener::GetPool()
{
    return &thread::PoolOf<FileOpener>();
}

FileOpener* FileOpener::New()
{
    return thread::TakeFromPool<FileOpener>();
}

const wchar_t* FileOpener::GetClassName()
{
    return kClassName;
}

base::IObject* FileOpener::NewInstance()
{
    return New();
}

void FileOpener::ReleaseToPool()
{
    GetPool()->Give(this);
}

void FileOpener::Reset()
{
    openMode_ = true;
    path_.Clear();
    initialFolder_.Clear();
    fileName_.Clear();
    defaultExtension_.Clear();
    filter_.Clear();
    followLinks_ = true;
    multiSelect_ = false;
}

void FileOpener::SetOpenMode(bool multiSelect, bool followLinks)
{
    openMode_ = true;
    multiSelect_ = multiSelect;
    followLinks_ = followLinks;
}

void FileOpener::SetSaveMode()
{
    openMode_ = false;
}

void FileOpener::SetInitialFolder(const wchar_t* folder)
{
    initialFolder_.Assign(OrEmpty(folder));
}

void FileOpener::SetFileName(const wchar_t* name)
{
    fileName_.Assign(OrEmpty(name));
}

void FileOpener::SetDefaultExtension(const wchar_t* extension)
{
    defaultExtension_.Assign(OrEmpty(extension));
}

bool FileOpener::AddFilter(const wchar_t* name, const wchar_t* pattern)
{
    if (!UsablePart(name) || !UsablePart(pattern))
        return false;
    const size_t added = std::wcslen(name) + std::wcslen(pattern) + 2;
    if (added > kMaxFilterLength - filter_.GetLength())
        return false;
    filter_.Append(name)->Append(kSeparator)->Append(pattern)->Append(kSeparator);
    return true;
}

str::strarray::StrArray* FileOpener::GetPaths()
{
    return &paths_;
}

const wchar_t* FileOpener::GetPath()
{
    return path_.GetText();
}

} // namespace win
} // namespace dialogs
} // namespace gui
} // namespace s
