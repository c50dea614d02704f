#pragma once
// windows.h first: it renames GetClassName, and every file must see the same name.
#include <windows.h>
#include <winternl.h>

#include <cstdint>

namespace s {
namespace reg {
namespace win {

// Native statuses the registry code tests for.
const NTSTATUS kStatusSuccess = 0;
const NTSTATUS kStatusBufferOverflow = static_cast<NTSTATUS>(0x80000005u);
const NTSTATUS kStatusBufferTooSmall = static_cast<NTSTATUS>(0xC0000023u);
const NTSTATUS kStatusNoMemory = static_cast<NTSTATUS>(0xC0000017u);
const NTSTATUS kStatusInvalidParameter = static_cast<NTSTATUS>(0xC000000Du);
// What a key reports when the native layer could not be loaded.
const NTSTATUS kStatusLayerUnusable = static_cast<NTSTATUS>(0xC0000135u);

// Information classes of the native calls.
const ULONG kKeyBasicInformation = 0;
const ULONG kKeyValueBasicInformation = 0;
const ULONG kKeyValueFullInformation = 1;
const ULONG kTokenUser = 1;

// The records the native listing and query calls fill; names are counted, not terminated.
struct KeyBasicInformation {
    LARGE_INTEGER lastWriteTime;
    ULONG titleIndex;
    ULONG nameLength;
    WCHAR name[1];
};

struct KeyValueBasicInformation {
    ULONG titleIndex;
    ULONG type;
    ULONG nameLength;
    WCHAR name[1];
};

struct KeyValueFullInformation {
    ULONG titleIndex;
    ULONG type;
    ULONG dataOffset;
    ULONG dataLength;
    ULONG nameLength;
    WCHAR name[1];
};

// The ntdll entry points, in the order they are resolved. Those typed FARPROC must exist for the
// layer to count as usable but are not called.
struct NtRegistryApi {
    FARPROC NtOpenThread;
    NTSTATUS(NTAPI* NtCreateKey)(PHANDLE key, ACCESS_MASK access, POBJECT_ATTRIBUTES attributes, ULONG titleIndex,
                                 PUNICODE_STRING keyClass, ULONG options, PULONG disposition);
    NTSTATUS(NTAPI* NtOpenKey)(PHANDLE key, ACCESS_MASK access, POBJECT_ATTRIBUTES attributes);
    NTSTATUS(NTAPI* NtFlushKey)(HANDLE key);
    NTSTATUS(NTAPI* NtDeleteKey)(HANDLE key);
    FARPROC NtQueryKey;
    NTSTATUS(NTAPI* NtEnumerateKey)(HANDLE key, ULONG index, ULONG infoClass, PVOID buffer, ULONG length,
                                    PULONG resultLength);
    NTSTATUS(NTAPI* NtClose)(HANDLE handle);
    NTSTATUS(NTAPI* NtSetValueKey)(HANDLE key, PUNICODE_STRING name, ULONG titleIndex, ULONG type, PVOID data,
                                   ULONG size);
    FARPROC NtSetInformationKey;
    NTSTATUS(NTAPI* NtQueryValueKey)(HANDLE key, PUNICODE_STRING name, ULONG infoClass, PVOID buffer,
                                     ULONG length, PULONG resultLength);
    NTSTATUS(NTAPI* NtEnumerateValueKey)(HANDLE key, ULONG index, ULONG infoClass, PVOID buffer, ULONG length,
                                         PULONG resultLength);
    NTSTATUS(NTAPI* NtDeleteValueKey)(HANDLE key, PUNICODE_STRING name);
    NTSTATUS(NTAPI* NtRenameKey)(HANDLE key, PUNICODE_STRING newName);
    FARPROC NtQueryMultipleValueKey;
    FARPROC NtNotifyChangeKey;
    FARPROC NtCreateFile;
    NTSTATUS(NTAPI* NtOpenProcessToken)(HANDLE process, ACCESS_MASK access, PHANDLE token);
    FARPROC NtAdjustPrivilegesToken;
    NTSTATUS(NTAPI* NtQueryInformationToken)(HANDLE token, ULONG infoClass, PVOID buffer, ULONG length,
                                             PULONG resultLength);
    PVOID(NTAPI* RtlAllocateHeap)(PVOID heap, ULONG flags, SIZE_T size);
    BOOLEAN(NTAPI* RtlFreeHeap)(PVOID heap, ULONG flags, PVOID block);
    FARPROC NtRestoreKey;
    FARPROC NtSaveKey;
    FARPROC NtLoadKey;
    FARPROC NtLoadKey2;
    FARPROC NtReplaceKey;
    FARPROC NtUnloadKey;
    FARPROC RtlInitString;
    FARPROC RtlInitAnsiString;
    VOID(NTAPI* RtlInitUnicodeString)(PUNICODE_STRING target, PCWSTR source);
    FARPROC RtlAnsiStringToUnicodeString;
    FARPROC RtlUnicodeStringToAnsiString;
    FARPROC RtlFreeAnsiString;
    FARPROC RtlFreeUnicodeString;
};

// Loads ntdll and resolves every entry point once per process, whichever threads race to it,
// then learns the current user's identifier for the current user's root. True when usable.
bool LoadNtRegistryApi();
// The resolved entry points; read them only after LoadNtRegistryApi returned true.
const NtRegistryApi& GetNtRegistryApi();

} // namespace win
} // namespace reg
} // namespace s
