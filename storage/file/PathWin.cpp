#include "storage/file/PathWin.h"

#include <windows.h>

#include <shlobj.h>

#include "core/str/AsciiFold.h"
#include "storage/file/FileInputStream.h"
#include "storage/file/FileOutputStream.h"
#include "storage/file/Pooled.h"

namespace s {
namespace file {
namespace win {

typedef str::strbuffer::StrBuffer StrBuffer;

namespace {

const wchar_t kSeparator = L'\\';
const wchar_t kLongPrefix[] = L"\\\\?\\";
const wchar_t kLongUncPrefix[] = L"\\\\?\\UNC\\";
// A text in the system's own namespaces ("\\?\", "\\.\") is passed on as it is.
const wchar_t kDevicePrefix[] = L"\\\\.\\";
const uint32_t kNamespacePrefixLength = 4;
const wchar_t kParentStep[] = L"..\\";
const uint32_t kRootSeparators = 4;
const DWORD kDirectoryBit = FILE_ATTRIBUTE_DIRECTORY;

inline bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

inline bool EndsWithSeparator(StrBuffer& text)
{
    const uint32_t n = text.GetLength();
    return n != 0 && text.CharAt(n - 1) == kSeparator;
}

inline void TrimTrailingSeparators(StrBuffer& text)
{
    while (EndsWithSeparator(text))
        text.SetLength(text.GetLength() - 1);
}

inline void AppendRange(StrBuffer& out, StrBuffer& from, uint32_t start, uint32_t end)
{
    if (end > start)
        out.AppendCharsFrom(from.GetBuffer(), end - start, start);
}

// The server name of a server path: the characters from index 2 up to the next backslash.
void ServerRange(StrBuffer& fullPath, uint32_t* start, uint32_t* end)
{
    const uint32_t length = fullPath.GetLength();
    *start = *end = 0;
    if (length <= 2)
        return;
    uint32_t at = 0;
    *start = 2;
    *end = fullPath.IndexOfChar(kSeparator, &at, 2) ? at : length;
}

bool EqualFolded(const wchar_t* a, uint32_t aLength, const wchar_t* b, uint32_t bLength)
{
    if (aLength != bLength)
        return false;
    for (uint32_t i = 0; i < aLength; ++i) {
        if (str::ToLowerAscii(a[i]) != str::ToLowerAscii(b[i]))
            return false;
    }
    return true;
}

int32_t CompareTexts(StrBuffer& a, StrBuffer& b)
{
    const uint32_t aLength = a.GetLength(), bLength = b.GetLength();
    const uint32_t n = aLength < bLength ? aLength : bLength;
    for (uint32_t i = 0; i < n; ++i) {
        const int32_t x = static_cast<uint16_t>(str::ToLowerAscii(a.CharAt(i)));
        const int32_t y = static_cast<uint16_t>(str::ToLowerAscii(b.CharAt(i)));
        if (x != y)
            return x - y;
    }
    return aLength == bLength ? 0 : (aLength < bLength ? -1 : 1);
}

// A text that names its own volume: a drive, or a server path (two separators, then a name).
bool IsAbsoluteText(const wchar_t* text, uint32_t length)
{
    if (length >= 2 && text[1] == L':')
        return true;
    return length >= 3 && IsSeparator(text[0]) && text[1] == text[0] && !IsSeparator(text[2]);
}

typedef Pooled<StrBuffer> PooledText;

} // namespace

PathWin::PathWin()
    : statRecord_(), sizeOnDisk_(-1), statLoaded_(false), isSet_(false), isStream_(false), streamSize_(-1),
      attributesLoaded_(false), attributes_(0), fileSystemKind_(-1)
{
}

PathWin::~PathWin() {}

int32_t PathWin::CompareTo(base::IComparable* other, base::IComparator* comparator)
{
    return fullPath_.CompareTo(other, comparator);
}

int32_t PathWin::CompareToIgnoreCase(base::IComparable* other, base::IComparator* comparator)
{
    return fullPath_.CompareToIgnoreCase(other, comparator);
}

bool PathWin::Equals(base::IComparable* other, base::IComparator* comparator)
{
    return fullPath_.Equals(other, comparator);
}

bool PathWin::EqualsIgnoreCase(base::IComparable* other, base::IComparator* comparator)
{
    return fullPath_.EqualsIgnoreCase(other, comparator);
}

uint32_t PathWin::HashCode()
{
    return fullPath_.HashCode();
}

uint32_t PathWin::HashCodeIgnoreCase()
{
    return fullPath_.HashCodeIgnoreCase();
}

const wchar_t* PathWin::GetClassName()
{
    return L"s_file_win_PathWin";
}

PathWin* PathWin::NewInstance()
{
    return New();
}

void PathWin::DebugDump()
{
    // Composes every derived text once, which exercises the getters without any output.
    PooledText texts;
    if (!texts)
        return;
    GetFullPathStr(texts.get(), true);
    GetFolderStr(texts.get(), true);
    GetFileNameStr(texts.get(), true);
    GetTitleStr(texts.get(), true);
    GetExtensionStr(texts.get(), true);
    GetExtensionNoDotStr(texts.get(), true);
}

void PathWin::Clear()
{
    givenText_.ClearText();
    DropDerived();
}

void PathWin::DropDerived()
{
    scratchText_.ClearText();
    drive_.ClearText();
    rootText_.ClearText();
    directory_.ClearText();
    systemText_.ClearText();
    extension_.ClearText();
    fullPath_.ClearText();
    title_.ClearText();
    sizeOnDisk_ = -1;
    statLoaded_ = false;
    isSet_ = false;
    isStream_ = false;
    streamSize_ = -1;
    attributesLoaded_ = false;
    attributes_ = 0;
    fileSystemKind_ = -1;
}

// The text is taken before anything is cleared: it may be one of this path's own texts.
PathWin* PathWin::SetFromStr(StrBuffer* text)
{
    if (text)
        givenText_.AssignStr(text);
    else
        givenText_.ClearText();
    DropDerived();
    return TakeGivenText();
}

PathWin* PathWin::SetFromText(const wchar_t* text)
{
    givenText_.Assign(text);
    DropDerived();
    return TakeGivenText();
}

PathWin* PathWin::TakeGivenText()
{
    // The system reads a path up to its first NUL: so does every query and derived text.
    uint32_t nul = 0;
    if (givenText_.IndexOfChar(0, &nul, 0))
        givenText_.SetLength(nul);
    if (givenText_.GetLength() == 0)
        return this;
    isSet_ = true;
    wchar_t* chars = givenText_.GetBuffer();
    for (uint32_t i = 0, n = givenText_.GetLength(); i < n; ++i) {
        if (chars[i] == L'/')
            chars[i] = kSeparator;
    }
    fullPath_.AssignStr(&givenText_);
    Split();
    return this;
}

void PathWin::Split()
{
    TrimTrailingSeparators(fullPath_);
    const uint32_t length = fullPath_.GetLength();
    const uint32_t driveEnd = (length >= 2 && fullPath_.CharAt(1) == L':') ? 2 : 0;
    uint32_t lastSeparator = 0;
    const uint32_t nameStart = (fullPath_.LastIndexOfChar(kSeparator, &lastSeparator, StrBuffer::kFromEnd) &&
                                lastSeparator >= driveEnd)
                                   ? lastSeparator + 1
                                   : driveEnd;
    uint32_t dot = 0;
    const uint32_t extensionStart =
        (fullPath_.LastIndexOfChar(L'.', &dot, StrBuffer::kFromEnd) && dot >= nameStart) ? dot : length;
    if (nameStart - driveEnd > kMaxPartLength || extensionStart - nameStart > kMaxPartLength ||
        length - extensionStart > kMaxPartLength) {
        Clear();
        return;
    }
    AppendRange(drive_, fullPath_, 0, driveEnd);
    AppendRange(directory_, fullPath_, driveEnd, nameStart);
    AppendRange(title_, fullPath_, nameStart, extensionStart);
    AppendRange(extension_, fullPath_, extensionStart, length);
    uint32_t at = 0;
    isStream_ = extension_.GetLength() != 0 ? extension_.IndexOfChar(L':', &at, 0)
                                            : (title_.GetLength() != 0 && title_.IndexOfChar(L':', &at, 0));
    systemText_.ClearText();
    if (length < kLongFormLength || fullPath_.StartsWith(kLongPrefix, kNamespacePrefixLength) ||
        fullPath_.StartsWith(kDevicePrefix, kNamespacePrefixLength))
        return;
    if (length > 2 && fullPath_.CharAt(0) == kSeparator && fullPath_.CharAt(1) == kSeparator) {
        systemText_.Append(kLongUncPrefix);
        AppendRange(systemText_, fullPath_, 2, length);
    } else {
        systemText_.Append(kLongPrefix);
        systemText_.AppendStr(&fullPath_);
    }
}

bool PathWin::IsAbsolute()
{
    return isSet_ && (HasDrive() || IsUnc());
}

bool PathWin::Exists()
{
    // Asked of the system every time: creating or deleting the file changes the answer.
    return isSet_ && GetFileAttributesW(GetSystemText()) != INVALID_FILE_ATTRIBUTES;
}

uint32_t PathWin::GetAttributes()
{
    if (attributesLoaded_)
        return attributes_;
    if (isStream_) {
        // A stream's own attributes come from its open handle.
        attributes_ = 0;
        HANDLE handle =
            CreateFileW(GetSystemText(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            BY_HANDLE_FILE_INFORMATION info;
            if (GetFileInformationByHandle(handle, &info))
                attributes_ = info.dwFileAttributes;
            CloseHandle(handle);
        }
    } else {
        attributes_ = GetFileAttributesW(GetSystemText());
    }
    attributesLoaded_ = true;
    return attributes_;
}

bool PathWin::HasAttribute(uint32_t bit)
{
    // A missing path reports a word with every bit set; it has none of the attributes.
    const uint32_t word = GetAttributes();
    return word != INVALID_FILE_ATTRIBUTES && (word & bit) != 0;
}

bool PathWin::IsDirectory()
{
    return HasAttribute(kDirectoryBit);
}

bool PathWin::IsFile()
{
    const uint32_t word = GetAttributes();
    return word != INVALID_FILE_ATTRIBUTES && (word & kDirectoryBit) == 0;
}

bool PathWin::IsUnc()
{
    return fullPath_.GetLength() > 2 && fullPath_.CharAt(0) == kSeparator && fullPath_.CharAt(1) == kSeparator &&
           fullPath_.CharAt(2) != kSeparator;
}

const wchar_t* PathWin::GetServerName()
{
    uint32_t start = 0, end = 0;
    ServerRange(fullPath_, &start, &end);
    scratchText_.ClearText();
    AppendRange(scratchText_, fullPath_, start, end);
    return scratchText_.GetText();
}

bool PathWin::IsDriveOnly()
{
    return fullPath_.GetLength() == 2 && fullPath_.CharAt(1) == L':';
}

bool PathWin::HasDrive()
{
    return fullPath_.GetLength() >= 2 && fullPath_.CharAt(1) == L':';
}

wchar_t PathWin::GetDriveLetter()
{
    return fullPath_.GetLength() != 0 ? fullPath_.CharAt(0) : 0;
}

bool PathWin::IsSameVolume(const wchar_t* text)
{
    PathWin* other = CreateFromText(text);
    if (!other)
        return false;
    bool same = false;
    if (HasDrive() && other->HasDrive()) {
        // Drive letters name the same volume in either case.
        same = str::ToLowerAscii(GetDriveLetter()) == str::ToLowerAscii(other->GetDriveLetter());
    } else if (IsUnc() && other->IsUnc()) {
        uint32_t start = 0, end = 0, otherStart = 0, otherEnd = 0;
        ServerRange(fullPath_, &start, &end);
        ServerRange(other->fullPath_, &otherStart, &otherEnd);
        same = EqualFolded(fullPath_.CharPtrAt(start), end - start, other->fullPath_.CharPtrAt(otherStart),
                           otherEnd - otherStart);
    }
    other->ReleaseToPool();
    return same;
}

void PathWin::ComposeBase(StrBuffer* base, bool baseIsFolder)
{
    if (baseIsFolder || (Exists() && IsDirectory())) {
        base->AssignStr(&fullPath_);
        base->AppendChar(kSeparator);
    } else {
        GetFolderStr(base, false);
    }
}

const wchar_t* PathWin::MakeRelative(const wchar_t* text, bool baseIsFolder)
{
    if (!text || !IsSameVolume(text))
        return text;
    PooledText baseText, relative;
    if (!baseText || !relative)
        return text;
    StrBuffer& base = *baseText.get();
    ComposeBase(&base, baseIsFolder);
    const uint32_t baseLength = base.GetLength();
    const uint32_t textLength = static_cast<uint32_t>(wcslen(text));
    uint32_t common = 0;
    while (common < baseLength && common < textLength &&
           str::ToLowerAscii(base.CharAt(common)) == str::ToLowerAscii(text[common]))
        ++common;
    // Names that share only their first letters differ as whole names: the split falls just
    // after the last separator both texts share.
    while (common > 0 && !IsSeparator(base.CharAt(common - 1)))
        --common;
    uint32_t levels = 0;
    for (uint32_t i = common; i < baseLength; ++i) {
        if (IsSeparator(base.CharAt(i)))
            ++levels;
    }
    StrBuffer& out = *relative.get();
    for (uint32_t i = 0; i < levels; ++i)
        out.Append(kParentStep);
    out.Append(text + common);
    // Composed aside: the argument may be this path's own scratch text.
    scratchText_.AssignStr(&out);
    return scratchText_.GetText();
}

const wchar_t* PathWin::MakeAbsolute(const wchar_t* text, bool baseIsFolder)
{
    if (!text)
        return text;
    const uint32_t textLength = static_cast<uint32_t>(wcslen(text));
    if (IsAbsoluteText(text, textLength))
        return text;
    PooledText baseText;
    if (!baseText)
        return text;
    StrBuffer& base = *baseText.get();
    ComposeBase(&base, baseIsFolder);
    // Only leading ".." segments climb; one further in stays part of the name for the system.
    uint32_t levels = 0, position = 0;
    while (position + 3 <= textLength && text[position] == L'.' && text[position + 1] == L'.' &&
           IsSeparator(text[position + 2])) {
        ++levels;
        position += 3;
    }
    uint32_t limit = base.GetLength() - 1;
    for (uint32_t i = 0; i < levels; ++i) {
        uint32_t found = 0;
        if (!base.LastIndexOfAnyChar(L"\\/", 2, &found, limit))
            return text;
        limit = found;
    }
    if (levels != 0 && limit <= 1)
        return text;
    base.SetLength(limit + 1);
    base.Append(text + position);
    scratchText_.AssignStr(&base);
    return scratchText_.GetText();
}

const wchar_t* PathWin::GetSystemText()
{
    return systemText_.GetLength() != 0 ? systemText_.GetText() : fullPath_.GetText();
}

const wchar_t* PathWin::GetRootText()
{
    if (rootText_.GetLength() != 0)
        return rootText_.GetText();
    if (drive_.GetLength() != 0) {
        rootText_.AssignStr(&drive_);
        rootText_.AppendChar(kSeparator);
        return rootText_.GetText();
    }
    rootText_.AssignStr(IsDirectory() ? &fullPath_ : &directory_);
    uint32_t at = 0, seen = 0;
    for (uint32_t from = 0; seen < kRootSeparators && rootText_.IndexOfChar(kSeparator, &at, from); from = at + 1)
        ++seen;
    if (seen == kRootSeparators)
        rootText_.SetLength(at + 1);
    return rootText_.GetText();
}

bool PathWin::CreateDirectory(bool notify)
{
    if (!isSet_)
        return false;
    bool made = ::CreateDirectoryW(GetSystemText(), nullptr) != 0;
    if (!made && GetLastError() != ERROR_ALREADY_EXISTS && CreateParentDirectory())
        made = ::CreateDirectoryW(GetSystemText(), nullptr) != 0;
    if (made && notify)
        SHChangeNotify(SHCNE_MKDIR, SHCNF_PATHW, fullPath_.GetText(), nullptr);
    return made;
}

bool PathWin::CreateParentDirectory()
{
    PathWin* parent = GetParent();
    if (!parent)
        return false;
    bool ready = parent->Exists();
    // A parent no shorter than the path itself (a drive, a bare root) cannot be made from above.
    if (!ready && parent->GetLength() < GetLength())
        ready = parent->CreateDirectory(false);
    parent->ReleaseToPool();
    return ready;
}

StrBuffer* PathWin::GetFullPathStr(StrBuffer* out, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (out)
        out->AppendStr(&fullPath_);
    return out;
}

StrBuffer* PathWin::GetFullPathSlashStr(StrBuffer* out, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (!out)
        return out;
    if (!append)
        out->EnsureCapacity(fullPath_.GetLength() + 1);
    out->AppendStr(&fullPath_);
    out->AppendChar(kSeparator);
    return out;
}

const wchar_t* PathWin::GetFullPathSlashText()
{
    return GetFullPathSlashStr(&scratchText_, false)->GetText();
}

StrBuffer* PathWin::GetFolderStr(StrBuffer* out, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (!out)
        return out;
    // Composed whole, whatever its length: a folder just under the split's bound keeps its text
    // (a shortened one would name the root).
    out->AppendStr(&drive_);
    out->AppendStr(&directory_);
    if (!EndsWithSeparator(*out))
        out->AppendChar(kSeparator);
    return out;
}

const wchar_t* PathWin::GetFolderText()
{
    return GetFolderStr(&scratchText_, false)->GetText();
}

StrBuffer* PathWin::GetFolderNoSlashStr(StrBuffer* out, bool append)
{
    out = GetFolderStr(out, append);
    if (out)
        TrimTrailingSeparators(*out);
    return out;
}

const wchar_t* PathWin::GetFolderNoSlashText()
{
    return GetFolderNoSlashStr(&scratchText_, false)->GetText();
}

StrBuffer* PathWin::GetFileNameStr(StrBuffer* out, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (out)
        out->AppendStr(&title_)->AppendStr(&extension_);
    return out;
}

const wchar_t* PathWin::GetFileNameText()
{
    return GetFileNameStr(&scratchText_, false)->GetText();
}

StrBuffer* PathWin::GetTitleStr(StrBuffer* out, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (out)
        out->AppendStr(&title_);
    return out;
}

const wchar_t* PathWin::GetTitleText()
{
    return GetTitleStr(&scratchText_, false)->GetText();
}

StrBuffer* PathWin::GetExtensionStr(StrBuffer* out, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (out)
        out->AppendStr(&extension_);
    return out;
}

const wchar_t* PathWin::GetExtensionText()
{
    return GetExtensionStr(&scratchText_, false)->GetText();
}

StrBuffer* PathWin::GetExtensionNoDotStr(StrBuffer* out, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (out && extension_.GetLength() > 1)
        AppendRange(*out, extension_, 1, extension_.GetLength());
    return out;
}

const wchar_t* PathWin::GetExtensionNoDotText()
{
    return GetExtensionNoDotStr(&scratchText_, false)->GetText();
}

PathWin* PathWin::SiblingFrom(StrBuffer* text)
{
    PathWin* path = New();
    if (path)
        path->SetFromStr(text);
    return path;
}

PathWin* PathWin::GetParent()
{
    PooledText folder;
    if (!folder)
        return nullptr;
    return SiblingFrom(GetFolderStr(folder.get(), false));
}

PathWin* PathWin::GetParentIfAny()
{
    if (IsDriveOnly())
        return nullptr;
    PathWin* parent = GetParent();
    if (parent && !parent->IsSet()) {
        parent->ReleaseToPool();
        return nullptr;
    }
    return parent;
}

PathWin* PathWin::GetChild(const wchar_t* name)
{
    PooledText child;
    if (!child)
        return nullptr;
    child.get()->AssignStr(&fullPath_);
    child.get()->AppendChar(kSeparator);
    child.get()->Append(name);
    return SiblingFrom(child.get());
}

StrBuffer* PathWin::AppendFolderOf(StrBuffer* out)
{
    return out->AppendStr(&drive_)->AppendStr(&directory_);
}

PathWin* PathWin::SetSibling(StrBuffer* text)
{
    PathWin* path = SiblingFrom(text);
    if (path && !path->IsSet()) {
        path->ReleaseToPool();
        return nullptr;
    }
    return path;
}

PathWin* PathWin::WithExtension(const wchar_t* extension)
{
    PooledText text;
    if (!text || !isSet_)
        return nullptr;
    AppendFolderOf(text.get())->AppendStr(&title_)->Append(extension);
    return SetSibling(text.get());
}

PathWin* PathWin::WithNameSuffix(const wchar_t* suffix)
{
    PooledText text;
    if (!text || !isSet_)
        return nullptr;
    AppendFolderOf(text.get())->AppendStr(&title_);
    if (Exists() && IsDirectory())
        text.get()->AppendStr(&extension_)->Append(suffix);
    else
        text.get()->Append(suffix)->AppendStr(&extension_);
    return SetSibling(text.get());
}

PathWin* PathWin::UniqueSibling(bool spaced)
{
    PathWin* candidate = SiblingFrom(&fullPath_);
    if (!candidate || !candidate->Exists())
        return candidate;
    const bool folder = IsDirectory();
    PooledText text;
    if (!text) {
        candidate->ReleaseToPool();
        return nullptr;
    }
    for (int64_t n = 1; candidate && candidate->Exists(); ++n) {
        candidate->ReleaseToPool();
        text.get()->ClearText();
        StrBuffer* name = AppendFolderOf(text.get())->AppendStr(&title_);
        if (folder)
            name->AppendStr(&extension_);
        name->Append(spaced ? L" (" : L"");
        name->AppendInt64(n);
        name->Append(spaced ? L")" : L"");
        if (!folder)
            name->AppendStr(&extension_);
        candidate = SetSibling(name);
    }
    return candidate;
}

PathWin* PathWin::GetUniqueSibling()
{
    return UniqueSibling(true);
}

PathWin* PathWin::GetUniqueSiblingNumbered()
{
    return UniqueSibling(false);
}

FileInputStream* PathWin::OpenInputStream()
{
    FileInputStream* stream = FileInputStream::New();
    if (!stream)
        return nullptr;
    stream->Clear();
    if (isSet_)
        stream->Attach(CreateFileW(GetSystemText(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN | FILE_ATTRIBUTE_NORMAL, nullptr));
    return stream;
}

FileOutputStream* PathWin::OpenOutputStream(bool append)
{
    if (isSet_)
        CreateParentDirectory();
    FileOutputStream* stream = FileOutputStream::New();
    if (!stream)
        return nullptr;
    stream->Clear();
    if (isSet_)
        stream->Attach(CreateFileW(GetSystemText(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr),
                       append);
    return stream;
}

bool PathWin::HasExtension(const wchar_t* extension)
{
    if (!extension)
        return false;
    return EqualFolded(extension_.GetText(), extension_.GetLength(), extension,
                       static_cast<uint32_t>(wcslen(extension)));
}

void PathWin::ReleaseToPool()
{
    GetPool()->Give(this);
}

thread::EasyPooler* PathWin::GetPool()
{
    return &thread::PoolOf<PathWin>();
}

PathWin* PathWin::New()
{
    return thread::TakeFromPool<PathWin>();
}

PathWin* PathWin::CreateFromText(const wchar_t* text)
{
    PathWin* path = New();
    if (path)
        path->SetFromText(text);
    return path;
}

PathWin* PathWin::CreateShortcutFilePath(const wchar_t* folder, const wchar_t* name)
{
    PooledText text;
    if (!text)
        return nullptr;
    text.get()->Assign(folder)->AppendChar(kSeparator);
    text.get()->Append(name)->Append(L".lnk");
    PathWin* path = New();
    if (path)
        path->SetFromStr(text.get());
    return path;
}

int32_t PathWin::CompareByExtension(PathWin* a, PathWin* b)
{
    return CompareTexts(a->extension_, b->extension_);
}

int32_t PathWin::CompareByFullPath(PathWin* a, PathWin* b)
{
    return CompareTexts(a->fullPath_, b->fullPath_);
}

} // namespace win
} // namespace file
} // namespace s
