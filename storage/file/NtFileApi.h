#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace file {
namespace win {

// The native file-information calls of ntdll.dll, looked up once per process.
typedef LONG(NTAPI* NtQueryInformationFileFn)(HANDLE file, void* ioStatus, void* information, ULONG length,
                                              int32_t informationClass);
typedef LONG(NTAPI* NtFsControlFileFn)(HANDLE file, HANDLE event, void* apcRoutine, void* apcContext,
                                       void* ioStatus, ULONG controlCode, void* input, ULONG inputLength,
                                       void* output, ULONG outputLength);
typedef ULONG(NTAPI* RtlNtStatusToDosErrorFn)(LONG status);

struct NtFileApi {
    NtFsControlFileFn fsControlFile;
    NtQueryInformationFileFn queryInformationFile;
    RtlNtStatusToDosErrorFn statusToDosError;
};

// True when all three entry points are found (on an NT system); they then stay for the process.
bool LoadNtFileApi();
// The entry points; all null until LoadNtFileApi has found them.
const NtFileApi& GetNtFileApi();

} // namespace win
} // namespace file
} // namespace s
