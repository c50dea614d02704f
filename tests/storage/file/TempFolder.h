#pragma once
#include <windows.h>

#include <string>

// A fresh folder under the temporary folder for one test, removed with all it holds at the end.
class TempFolder {
public:
    TempFolder()
    {
        static unsigned serial = 0;
        wchar_t temp[MAX_PATH + 1];
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"pulsegrid_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                std::to_wstring(++serial);
        RemoveTree(path_);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder() { RemoveTree(path_); }

    const std::wstring& Path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

    static void WriteFileBytes(const std::wstring& path, const std::string& bytes)
    {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(h);
    }

    static std::string ReadFileBytes(const std::wstring& path)
    {
        std::string bytes;
        HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return bytes;
        char chunk[4096];
        DWORD read = 0;
        while (ReadFile(h, chunk, sizeof chunk, &read, nullptr) && read != 0)
            bytes.append(chunk, read);
        CloseHandle(h);
        return bytes;
    }

    // The size the file system reports, -1 when the file is missing.
    static long long FileSize(const std::wstring& path)
    {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
            return -1;
        return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }

    static bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

private:
    static void RemoveTree(const std::wstring& path)
    {
        const std::wstring root = path.size() >= MAX_PATH - 12 && path.compare(0, 4, L"\\\\?\\") != 0 ? L"\\\\?\\" + path : path;
        WIN32_FIND_DATAW found;
        HANDLE find = FindFirstFileW((root + L"\\*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                const std::wstring child = root + L"\\" + name;
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(child);
                else
                    DeleteFileW(child.c_str());
            } while (FindNextFileW(find, &found));
            FindClose(find);
        }
        RemoveDirectoryW(root.c_str());
    }

    std::wstring path_;
};
