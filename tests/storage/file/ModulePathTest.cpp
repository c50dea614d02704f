// The path of a loaded module, read whole: a library loaded from a folder deeper than 260
// characters is named by its full path, not by the first 260 characters of it.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "storage/TestFiles.h"
#include "storage/file/ModulePath.h"
#include "storage/file/PathWin.h"

namespace {

using s::file::win::GetModulePath;
using s::file::win::PathWin;
using testfiles::BesideTestProgram;

const wchar_t kLongForm[] = L"\\\\?\\";

std::wstring ProgramPath()
{
    wchar_t path[32768] = {};
    GetModuleFileNameW(nullptr, path, 32768);
    return path;
}

TEST(ModulePath, TheRunningProgramIsNamedWhole)
{
    PathWin* path = GetModulePath(nullptr);
    ASSERT_NE(nullptr, path);
    EXPECT_EQ(ProgramPath(), std::wstring(path->GetText()));
    path->ReleaseToPool();
}

TEST(ModulePath, ALibraryDeeperThan260CharactersIsNamedWhole)
{
    const std::wstring top = BesideTestProgram(L"module-path-scratch");
    std::wstring folder = top;
    CreateDirectoryW((kLongForm + folder).c_str(), nullptr);
    while (folder.size() < 320) {
        folder += L"\\a-folder-with-a-rather-long-name";
        ASSERT_TRUE(CreateDirectoryW((kLongForm + folder).c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
    }
    const std::wstring library = folder + L"\\CountingLibrary.dll";
    ASSERT_TRUE(CopyFileW(BesideTestProgram(L"CountingLibrary.dll").c_str(), (kLongForm + library).c_str(), FALSE));
    HMODULE module = LoadLibraryW((kLongForm + library).c_str());
    ASSERT_NE(nullptr, module) << GetLastError();

    PathWin* path = GetModulePath(module);
    ASSERT_NE(nullptr, path);
    const std::wstring text = path->GetText();
    EXPECT_GT(text.size(), static_cast<size_t>(MAX_PATH));
    EXPECT_EQ(library, text.substr(text.size() - library.size()));
    PathWin* parent = path->GetParent();
    EXPECT_EQ(folder, std::wstring(parent->GetText()).substr(std::wstring(parent->GetText()).size() - folder.size()));
    parent->ReleaseToPool();
    path->ReleaseToPool();

    FreeLibrary(module);
    DeleteFileW((kLongForm + library).c_str());
    for (std::wstring at = folder; at.size() > top.size(); at = at.substr(0, at.find_last_of(L'\\')))
        RemoveDirectoryW((kLongForm + at).c_str());
    RemoveDirectoryW((kLongForm + top).c_str());
}

TEST(ModulePath, AnUnknownModuleHasNoPath)
{
    EXPECT_EQ(nullptr, GetModulePath(reinterpret_cast<HMODULE>(static_cast<uintptr_t>(0x10))));
}

} // namespace
