#pragma once
#include <windows.h>

#include <string>

namespace testfiles {

// A file in the folder of the running test program, where the test tree builds its fixtures.
inline std::wstring BesideTestProgram(const wchar_t* name)
{
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + name;
}

// A copy of a file in a fresh temporary folder, deleted with the object.
class TempCopy {
public:
    explicit TempCopy(const std::wstring& source)
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        wchar_t name[MAX_PATH];
        GetTempFileNameW(temp, L"pgt", 0, name);
        path_ = std::wstring(name) + L".dll";
        DeleteFileW(name);
        ok_ = CopyFileW(source.c_str(), path_.c_str(), FALSE) != FALSE;
    }
    ~TempCopy()
    {
        SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path_.c_str());
    }
    bool Ok() const { return ok_; }
    const wchar_t* Path() const { return path_.c_str(); }

private:
    std::wstring path_;
    bool ok_ = false;
};

} // namespace testfiles
