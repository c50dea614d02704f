#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "core/col/ArrayP.h"
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "TempFolder.h"

namespace file_test {

typedef s::file::Pooled<s::file::win::PathWin> Path;

inline s::file::win::PathWin* MakePath(const std::wstring& text)
{
    return s::file::win::PathWin::CreateFromText(text.c_str());
}

// The texts of a listing of paths, in listing order; the array is given back.
inline std::vector<std::wstring> TextsOf(s::col::_array::ArrayP* paths)
{
    std::vector<std::wstring> texts;
    if (!paths)
        return texts;
    for (uint32_t i = 0; i < paths->GetCount(); ++i)
        texts.push_back(static_cast<s::file::win::PathWin*>(paths->Get(i))->GetText());
    paths->ReleaseToPool();
    return texts;
}

inline std::vector<std::wstring> TextsOf(s::str::strarray::StrArray* names)
{
    std::vector<std::wstring> texts;
    if (!names)
        return texts;
    for (uint32_t i = 0; i < names->GetCount(); ++i)
        texts.push_back(names->Get(i)->GetText());
    names->ReleaseToPool();
    return texts;
}

inline std::wstring TakeText(s::str::strbuffer::StrBuffer* text)
{
    if (!text)
        return L"<none>";
    std::wstring result(text->GetText(), text->GetLength());
    text->ReleaseToPool();
    return result;
}

inline void MakeFolder(const std::wstring& path)
{
    CreateDirectoryW(path.c_str(), nullptr);
}

// Sets one of Explorer's DWORD settings for the test and puts the old state back afterwards.
class ExplorerSetting {
public:
    ExplorerSetting(const wchar_t* name, DWORD value) : name_(name), had_(false), old_(0)
    {
        RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
        DWORD size = sizeof old_;
        had_ = RegQueryValueExW(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) == ERROR_SUCCESS;
        RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    }
    ~ExplorerSetting()
    {
        if (had_)
            RegSetValueExW(key_, name_, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof old_);
        else
            RegDeleteValueW(key_, name_);
        RegCloseKey(key_);
    }

private:
    static constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
    const wchar_t* name_;
    HKEY key_ = nullptr;
    bool had_;
    DWORD old_;
};

} // namespace file_test
