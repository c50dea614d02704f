#include "storage/reg/NtRegistryApi.h"

#include <cstddef>
#include <cstring>

#include "measurement/win/DllLocater.h"
#include "measurement/win/OsVersion.h"
#include "storage/reg/RegRoot.h"
#include "storage/reg/SidText.h"

namespace s {
namespace reg {
namespace win {

namespace {

struct EntryPoint {
    const char* name;
    size_t offset;
};

#define PULSEGRID_NT_ENTRY(name) {#name, offsetof(NtRegistryApi, name)}
const EntryPoint kEntryPoints[] = {
    PULSEGRID_NT_ENTRY(NtOpenThread),
    PULSEGRID_NT_ENTRY(NtCreateKey),
    PULSEGRID_NT_ENTRY(NtOpenKey),
    PULSEGRID_NT_ENTRY(NtFlushKey),
    PULSEGRID_NT_ENTRY(NtDeleteKey),
    PULSEGRID_NT_ENTRY(NtQueryKey),
    PULSEGRID_NT_ENTRY(NtEnumerateKey),
    PULSEGRID_NT_ENTRY(NtClose),
    PULSEGRID_NT_ENTRY(NtSetValueKey),
    PULSEGRID_NT_ENTRY(NtSetInformationKey),
    PULSEGRID_NT_ENTRY(NtQueryValueKey),
    PULSEGRID_NT_ENTRY(NtEnumerateValueKey),
    PULSEGRID_NT_ENTRY(NtDeleteValueKey),
    PULSEGRID_NT_ENTRY(NtRenameKey),
    PULSEGRID_NT_ENTRY(NtQueryMultipleValueKey),
    PULSEGRID_NT_ENTRY(NtNotifyChangeKey),
    PULSEGRID_NT_ENTRY(NtCreateFile),
    PULSEGRID_NT_ENTRY(NtOpenProcessToken),
    PULSEGRID_NT_ENTRY(NtAdjustPrivilegesToken),
    PULSEGRID_NT_ENTRY(NtQueryInformationToken),
    PULSEGRID_NT_ENTRY(RtlAllocateHeap),
    PULSEGRID_NT_ENTRY(RtlFreeHeap),
    PULSEGRID_NT_ENTRY(NtRestoreKey),
    PULSEGRID_NT_ENTRY(NtSaveKey),
    PULSEGRID_NT_ENTRY(NtLoadKey),
    PULSEGRID_NT_ENTRY(NtLoadKey2),
    PULSEGRID_NT_ENTRY(NtReplaceKey),
    PULSEGRID_NT_ENTRY(NtUnloadKey),
    PULSEGRID_NT_ENTRY(RtlInitString),
    PULSEGRID_NT_ENTRY(RtlInitAnsiString),
    PULSEGRID_NT_ENTRY(RtlInitUnicodeString),
    PULSEGRID_NT_ENTRY(RtlAnsiStringToUnicodeString),
    PULSEGRID_NT_ENTRY(RtlUnicodeStringToAnsiString),
    PULSEGRID_NT_ENTRY(RtlFreeAnsiString),
    PULSEGRID_NT_ENTRY(RtlFreeUnicodeString),
};
#undef PULSEGRID_NT_ENTRY

NtRegistryApi api;

// Frees ntdll at process exit.
system::win::DllLocater& NtdllHolder()
{
    static system::win::DllLocater holder;
    return holder;
}

bool Load()
{
    system::win::OsVersionInfo& version = system::win::GetOsVersion();
    if (!version.done)
        system::win::LoadOsVersion();
    if (!version.isNtPlatform)
        return false;

    system::win::DllLocater& holder = NtdllHolder();
    holder.Reset();
    holder.module = LoadLibraryW(L"ntdll.dll");
    if (!holder.module)
        return false;

    for (const EntryPoint& entry : kEntryPoints) {
        FARPROC proc = GetProcAddress(holder.module, entry.name);
        if (!proc)
            return false;
        std::memcpy(reinterpret_cast<char*>(&api) + entry.offset, &proc, sizeof proc);
    }

    SetCurrentUserNtRoot(GetCurrentUserSidText());
    return true;
}

} // namespace

bool LoadNtRegistryApi()
{
    static const bool usable = Load();
    return usable;
}

const NtRegistryApi& GetNtRegistryApi()
{
    return api;
}

} // namespace win
} // namespace reg
} // namespace s
