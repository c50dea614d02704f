#pragma once
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace guarded {

// A fault ends the test program at once with a word on why, instead of waiting for a debugger.
inline LONG WINAPI ReportFault(EXCEPTION_POINTERS* fault)
{
    std::fprintf(stderr, "fault 0x%08lx: a read went past the resource's bytes\n",
                 static_cast<unsigned long>(fault->ExceptionRecord->ExceptionCode));
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

// Bytes that end exactly where an inaccessible page starts: a read past them faults.
class GuardedBytes {
public:
    explicit GuardedBytes(const std::string& bytes)
    {
        static const LPTOP_LEVEL_EXCEPTION_FILTER previous = SetUnhandledExceptionFilter(&ReportFault);
        (void)previous;
        SYSTEM_INFO system;
        GetSystemInfo(&system);
        const size_t page = system.dwPageSize;
        const size_t span = (bytes.size() / page + 1) * page;
        base_ = static_cast<uint8_t*>(VirtualAlloc(nullptr, span + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(base_ + span, page, PAGE_NOACCESS, &old);
        data_ = base_ + span - bytes.size();
        if (!bytes.empty())
            std::memcpy(data_, bytes.data(), bytes.size());
    }
    ~GuardedBytes() { VirtualFree(base_, 0, MEM_RELEASE); }
    const uint8_t* Data() const { return data_; }

private:
    uint8_t* base_;
    uint8_t* data_;
};

} // namespace guarded
