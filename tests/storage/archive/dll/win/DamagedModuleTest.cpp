// A resource-only module damaged on disk, as a hostile or broken file a user may point the
// exporter at: each damage is opened and read in a child process, so that a fault fails its
// row instead of ending this program.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "core/col/Arrays.h"
#include "storage/TestFiles.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/file/TempFolder.h"

namespace {

using s::archive::dll::win::Archive;
using s::col::_array::ArrayU08;

const wchar_t kModuleVariable[] = L"PULSEGRID_DAMAGED_MODULE";
const wchar_t kReportVariable[] = L"PULSEGRID_DAMAGED_REPORT";
const DWORD kChildBoundMs = 60000;
const uint32_t kPageSize = 0x1000;

uint16_t Word(const std::string& b, size_t at)
{
    uint16_t v;
    std::memcpy(&v, b.data() + at, sizeof v);
    return v;
}

uint32_t Dword(const std::string& b, size_t at)
{
    uint32_t v;
    std::memcpy(&v, b.data() + at, sizeof v);
    return v;
}

void PutWord(std::string& b, size_t at, uint16_t v)
{
    std::memcpy(&b[at], &v, sizeof v);
}

void PutDword(std::string& b, size_t at, uint32_t v)
{
    std::memcpy(&b[at], &v, sizeof v);
}

// Where the fixture's resource structures stand in its file, found by reading its headers.
struct Layout {
    size_t resourceDirectoryField = 0; // the data directory's address field
    size_t root = 0;                   // the root directory
    size_t firstRootEntry = 0;
    size_t firstData = 0;              // the data record reached through every first entry
    uint32_t imageSize = 0;
};

size_t FileOffset(const std::string& b, size_t sections, uint16_t count, uint32_t rva)
{
    for (uint16_t i = 0; i < count; ++i) {
        const size_t s = sections + i * 40u;
        const uint32_t address = Dword(b, s + 12), rawSize = Dword(b, s + 16), rawStart = Dword(b, s + 20);
        if (rva >= address && rva - address < rawSize)
            return rawStart + (rva - address);
    }
    return 0;
}

bool ReadLayout(const std::string& b, Layout* layout)
{
    const size_t nt = Dword(b, 0x3C);
    const uint16_t sectionCount = Word(b, nt + 6);
    const uint16_t optionalSize = Word(b, nt + 20);
    const size_t optional = nt + 24;
    const bool plus = Word(b, optional) == 0x20B;
    layout->imageSize = Dword(b, optional + 56);
    layout->resourceDirectoryField = optional + (plus ? 112 : 96) + 2 * 8;
    const size_t sections = optional + optionalSize;
    layout->root = FileOffset(b, sections, sectionCount, Dword(b, layout->resourceDirectoryField));
    if (layout->root == 0)
        return false;
    layout->firstRootEntry = layout->root + 16;
    size_t entry = layout->firstRootEntry;
    for (int level = 0; level < 2; ++level)
        entry = layout->root + (Dword(b, entry + 4) & 0x7FFFFFFF) + 16;
    layout->firstData = layout->root + Dword(b, entry + 4);
    return true;
}

// What the child saw: whether the module opened, its entries and how many of them could not
// be read.
std::string Report(bool opened, uint32_t entries, uint32_t unreadable)
{
    char text[64];
    std::snprintf(text, sizeof text, "opened=%d entries=%u unreadable=%u", opened ? 1 : 0, entries, unreadable);
    return text;
}

std::wstring ThisProgram()
{
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, n);
}

// Runs the child test over the module; its exit code, or -1 when it had to be ended.
long RunChild(const std::wstring& module, const std::wstring& report)
{
    SetEnvironmentVariableW(kModuleVariable, module.c_str());
    SetEnvironmentVariableW(kReportVariable, report.c_str());
    std::wstring command = L"\"" + ThisProgram() + L"\" --gtest_filter=DamagedResourceModuleChild.*";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const BOOL started =
        CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(kModuleVariable, nullptr);
    SetEnvironmentVariableW(kReportVariable, nullptr);
    if (!started)
        return -2;
    long code = -1;
    if (WaitForSingleObject(process.hProcess, kChildBoundMs) == WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        code = static_cast<long>(exitCode);
    } else {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

LONG WINAPI EndOnFault(EXCEPTION_POINTERS* pointers)
{
    std::fprintf(stderr, "fault 0x%08lx at %p\n", pointers->ExceptionRecord->ExceptionCode,
                 pointers->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

// The child's side: opens the module named by the parent, reads every entry and writes what it
// saw. Skipped when run without a parent.
TEST(DamagedResourceModuleChild, OpensAndReadsEveryEntry)
{
    wchar_t module[MAX_PATH], report[MAX_PATH];
    if (!GetEnvironmentVariableW(kModuleVariable, module, MAX_PATH) ||
        !GetEnvironmentVariableW(kReportVariable, report, MAX_PATH))
        GTEST_SKIP() << "runs as the child of DamagedResourceModule";
    // A fault ends the child at once with a code of its own, without any crash dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(&EndOnFault);
    s::file::win::PathWin* path = s::file::win::PathWin::CreateFromText(module);
    Archive* archive = Archive::OpenModule(path);
    path->ReleaseToPool();
    ASSERT_NE(nullptr, archive);
    uint32_t unreadable = 0;
    const uint32_t count = archive->GetEntryCount();
    for (uint32_t i = 0; i < count; ++i) {
        ArrayU08* bytes = ArrayU08::New();
        if (!archive->ReadEntry(archive->GetEntry(i), bytes))
            ++unreadable;
        bytes->ReleaseToPool();
    }
    const bool opened = archive->IsOpen();
    archive->ReleaseToPool();
    TempFolder::WriteFileBytes(report, Report(opened, count, unreadable));
}

TEST(DamagedResourceModule, EachDamageFailsCleanly)
{
    const std::string intact = TempFolder::ReadFileBytes(testfiles::BesideTestProgram(L"ResourceFixture.dll"));
    Layout layout;
    ASSERT_TRUE(ReadLayout(intact, &layout));
    const uint32_t dataAddress = Dword(intact, layout.firstData);
    const uint32_t mappedSize = (layout.imageSize + kPageSize - 1) / kPageSize * kPageSize;
    // Every row but the first damages one field; the module opens with all its entries, or
    // with one that cannot be read, or not at all.
    const uint32_t kEntries = 21;
    struct Case {
        const char* what;
        std::function<void(std::string&)> damage;
        std::string seen;
    } cases[] = {
        {"intact", [](std::string&) {}, Report(true, kEntries, 0)},
        {"resource one byte beyond the mapping",
         [&](std::string& b) { PutDword(b, layout.firstData + 4, mappedSize - dataAddress + 1); },
         Report(true, kEntries, 1)},
        {"resource of 0x7FFFFFFF bytes", [&](std::string& b) { PutDword(b, layout.firstData + 4, 0x7FFFFFFF); },
         Report(true, kEntries, 1)},
        {"data address near the end of the range",
         [&](std::string& b) { PutDword(b, layout.firstData, 0xFFFFFFF0); }, Report(true, kEntries, 1)},
        {"data address just past the mapping", [&](std::string& b) { PutDword(b, layout.firstData, mappedSize); },
         Report(true, kEntries, 1)},
        {"0xFFFF entries in the root directory", [&](std::string& b) { PutWord(b, layout.root + 14, 0xFFFF); },
         Report(false, 0, 0)},
        {"resource directory far outside the image",
         [&](std::string& b) { PutDword(b, layout.resourceDirectoryField, 0x7FFFFFF0); }, Report(false, 0, 0)},
        {"type directory far outside the image",
         [&](std::string& b) { PutDword(b, layout.firstRootEntry + 4, 0x80000000u | 0x7FFFFFF0); },
         Report(false, 0, 0)},
        {"type name far outside the image",
         [&](std::string& b) { PutDword(b, layout.firstRootEntry, 0x80000000u | 0x7FFFFFF0); },
         Report(false, 0, 0)},
        {"type directory that is its own root",
         [&](std::string& b) { PutDword(b, layout.firstRootEntry + 4, 0x80000000u); }, Report(false, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::wstring module = folder / L"Damaged.dll";
        const std::wstring report = folder / L"report.txt";
        std::string bytes = intact;
        c.damage(bytes);
        TempFolder::WriteFileBytes(module, bytes);
        EXPECT_EQ(0, RunChild(module, report));
        EXPECT_EQ(c.seen, TempFolder::ReadFileBytes(report));
    }
}
