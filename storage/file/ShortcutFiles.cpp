#include "storage/file/ShortcutFiles.h"

#include <windows.h>

#include <intshcut.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "core/str/StrBuffer.h"
#include "storage/file/PathWin.h"
#include "storage/file/ShellServices.h"

namespace s {
namespace file {
namespace win {

typedef str::strbuffer::StrBuffer StrBuffer;
using system::win::ReleaseComObject;

namespace {

const CLSID kClsidShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kIidShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kIidPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const CLSID kClsidInternetShortcut = {0xFBF23B40, 0xE3F0, 0x101B, {0x84, 0x88, 0x00, 0xAA, 0x00, 0x3E, 0x56, 0xF8}};
const IID kIidUniformResourceLocatorW = {0xCABB0DA0, 0xDA57, 0x11CF, {0x99, 0x74, 0x00, 0x20, 0xAF, 0xD7, 0x97, 0x62}};

// Resolve without any window, update, search or link tracking.
const DWORD kResolveQuietly = SLR_NO_UI | SLR_NOUPDATE | SLR_NOSEARCH | SLR_NOTRACK;
const uint32_t kTargetChars = MAX_PATH;
const uint32_t kLongTextChars = 780;

HRESULT CreateShellObject(const CLSID& type, const IID& face, void** object)
{
    *object = nullptr;
    HRESULT result = CoCreateInstance(type, nullptr, CLSCTX_INPROC_SERVER, face, object);
    if (FAILED(result)) {
        CoInitialize(nullptr);
        result = CoCreateInstance(type, nullptr, CLSCTX_INPROC_SERVER, face, object);
    }
    return result;
}

bool Exists(const wchar_t* text)
{
    return GetFileAttributesW(text) != INVALID_FILE_ATTRIBUTES;
}

// The long name of the last component of text as the file system spells it; false when not found.
bool FindLongName(const wchar_t* text, StrBuffer* name)
{
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(text, &found);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    FindClose(find);
    name->Assign(found.cFileName);
    return true;
}

// The length of the root of a path and whether it is a server root; false for a drive form the
// conversion cannot use. Relative texts and a single leading backslash keep what they have.
bool RootOf(StrBuffer& t, uint32_t* rootLength, bool* server)
{
    const uint32_t length = t.GetLength();
    *server = false;
    if (length >= 2 && t.CharAt(1) == L':') {
        if (length == 2) {
            *rootLength = 2;
            return true;
        }
        if (t.CharAt(2) != L'\\')
            return false;
        *rootLength = 3;
        return true;
    }
    if (length >= 2 && t.CharAt(0) == L'\\' && t.CharAt(1) == L'\\') {
        uint32_t at = 0;
        if (!t.IndexOfChar(L'\\', &at, 2) || at + 1 >= length)
            return false;
        *server = true;
        *rootLength = at + 1;
        return true;
    }
    *rootLength = (length != 0 && t.CharAt(0) == L'\\') ? 1 : 0;
    return true;
}

} // namespace

bool CreateShortcutFile(const wchar_t* target, const wchar_t* link, const wchar_t* arguments)
{
    if (!target || !link)
        return false;
    PathWin* targetPath = PathWin::CreateFromText(target);
    if (!targetPath)
        return false;
    if (!targetPath->Exists()) {
        targetPath->ReleaseToPool();
        return false;
    }
    if (targetPath->IsShortcut()) {
        // A shortcut to a shortcut is the shortcut itself in a second place.
        const bool copied = targetPath->Copy(link, true);
        targetPath->ReleaseToPool();
        return copied;
    }
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CreateShellObject(kClsidShellLink, kIidShellLinkW, reinterpret_cast<void**>(&shellLink))) ||
        !shellLink) {
        targetPath->ReleaseToPool();
        return false;
    }
    bool saved = SUCCEEDED(shellLink->SetPath(target));
    PathWin* parent = targetPath->GetParent();
    if (saved && parent && parent->IsSet() && parent->Exists())
        saved = SUCCEEDED(shellLink->SetWorkingDirectory(parent->GetFullPathSlashText()));
    if (parent)
        parent->ReleaseToPool();
    targetPath->ReleaseToPool();
    if (saved && arguments)
        saved = SUCCEEDED(shellLink->SetArguments(arguments));
    IPersistFile* file = nullptr;
    if (saved)
        saved = SUCCEEDED(shellLink->QueryInterface(kIidPersistFile, reinterpret_cast<void**>(&file))) && file &&
                SUCCEEDED(file->Save(link, TRUE));
    ReleaseComObject(&file);
    ReleaseComObject(&shellLink);
    return saved;
}

StrBuffer* ResolveShortcutTarget(const wchar_t* link)
{
    StrBuffer* result = StrBuffer::New();
    if (!result || !link)
        return result;
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CreateShellObject(kClsidShellLink, kIidShellLinkW, reinterpret_cast<void**>(&shellLink))) ||
        !shellLink)
        return result;
    IPersistFile* file = nullptr;
    wchar_t target[kTargetChars + 1] = {};
    wchar_t description[kLongTextChars + 1] = {};
    WIN32_FIND_DATAW found;
    const bool read = SUCCEEDED(shellLink->QueryInterface(kIidPersistFile, reinterpret_cast<void**>(&file))) &&
                      file && SUCCEEDED(file->Load(link, STGM_READ)) &&
                      SUCCEEDED(shellLink->Resolve(nullptr, kResolveQuietly)) &&
                      SUCCEEDED(shellLink->GetPath(target, kTargetChars, &found, SLGP_SHORTPATH)) &&
                      SUCCEEDED(shellLink->GetDescription(description, kLongTextChars));
    ReleaseComObject(&file);
    ReleaseComObject(&shellLink);
    if (!read)
        return result;
    result->Assign(target);
    StrBuffer* longer = StrBuffer::New();
    if (longer) {
        if (GetLongPathText(target, longer) > result->GetLength())
            result->AssignStr(longer);
        longer->ReleaseToPool();
    }
    return result;
}

uint32_t GetLongPathText(const wchar_t* shortPath, StrBuffer* out)
{
    if (!shortPath || !shortPath[0] || !out || !Exists(shortPath))
        return 0;
    StrBuffer* text = StrBuffer::FromText(shortPath);
    StrBuffer* built = StrBuffer::New();
    StrBuffer* name = StrBuffer::New();
    uint32_t result = 0;
    uint32_t rootLength = 0;
    bool server = false;
    if (text && built && name) {
        text->ReplaceAll(L"/", L"\\");
        if (RootOf(*text, &rootLength, &server)) {
            built->AppendCharsFrom(text->GetBuffer(), rootLength, 0);
            const uint32_t length = text->GetLength();
            bool found = true;
            uint32_t start = rootLength;
            while (found && start < length) {
                uint32_t end = 0;
                if (!text->IndexOfChar(L'\\', &end, start))
                    end = length;
                if (end > start) {
                    const uint32_t builtLength = built->GetLength();
                    built->AppendCharsFrom(text->GetBuffer(), end - start, start);
                    if (FindLongName(built->GetText(), name)) {
                        built->SetLength(builtLength);
                        built->AppendStr(name);
                    } else if (!server) {
                        // A share name is not found this way; on a server it stays as written.
                        found = false;
                    }
                    if (end < length)
                        built->AppendChar(L'\\');
                }
                start = end + 1;
            }
            if (found && built->GetLength() != 0 && Exists(built->GetText())) {
                out->AssignStr(built);
                result = out->GetLength();
            }
        }
    }
    if (text)
        text->ReleaseToPool();
    if (built)
        built->ReleaseToPool();
    if (name)
        name->ReleaseToPool();
    return result;
}

bool CreateUrlShortcutFile(const wchar_t* url, const wchar_t* path)
{
    if (!url || !path)
        return false;
    IUniformResourceLocatorW* locator = nullptr;
    if (FAILED(CreateShellObject(kClsidInternetShortcut, kIidUniformResourceLocatorW,
                                 reinterpret_cast<void**>(&locator))) ||
        !locator)
        return false;
    IPersistFile* file = nullptr;
    IShellLinkW* shellLink = nullptr;
    bool saved = SUCCEEDED(locator->QueryInterface(kIidPersistFile, reinterpret_cast<void**>(&file))) && file;
    if (saved) {
        // Some shells' Internet shortcut offers no shell-link face; the locator's own setter does the same.
        if (SUCCEEDED(locator->QueryInterface(kIidShellLinkW, reinterpret_cast<void**>(&shellLink))) && shellLink)
            saved = SUCCEEDED(shellLink->SetPath(url));
        else
            saved = SUCCEEDED(locator->SetURL(url, 0));
    }
    if (saved)
        saved = SUCCEEDED(file->Save(path, TRUE));
    ReleaseComObject(&shellLink);
    ReleaseComObject(&file);
    ReleaseComObject(&locator);
    return saved;
}

StrBuffer* ReadUrlShortcutTarget(const wchar_t* path)
{
    StrBuffer* result = StrBuffer::New();
    if (!result || !path)
        return result;
    IUniformResourceLocatorW* locator = nullptr;
    if (FAILED(CreateShellObject(kClsidInternetShortcut, kIidUniformResourceLocatorW,
                                 reinterpret_cast<void**>(&locator))) ||
        !locator)
        return result;
    IPersistFile* file = nullptr;
    IShellLinkW* shellLink = nullptr;
    if (SUCCEEDED(locator->QueryInterface(kIidPersistFile, reinterpret_cast<void**>(&file))) && file &&
        SUCCEEDED(file->Load(path, STGM_READ))) {
        wchar_t url[kLongTextChars + 1] = {};
        if (SUCCEEDED(locator->QueryInterface(kIidShellLinkW, reinterpret_cast<void**>(&shellLink))) && shellLink) {
            if (SUCCEEDED(shellLink->GetPath(url, kLongTextChars, nullptr, SLGP_UNCPRIORITY)))
                result->Assign(url);
        } else {
            wchar_t* stored = nullptr;
            if (SUCCEEDED(locator->GetURL(&stored)) && stored)
                result->Assign(stored);
            CoTaskMemFree(stored);
        }
    }
    ReleaseComObject(&shellLink);
    ReleaseComObject(&file);
    ReleaseComObject(&locator);
    return result;
}

} // namespace win
} // namespace file
} // namespace s
