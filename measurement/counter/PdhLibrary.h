#pragma once
#include <windows.h>
#include <pdh.h>

namespace s {
namespace system {
namespace counter {
namespace win {

// The entry points of Pdh.dll, resolved at run time; a null entry was not found (or the library
// is missing), and every caller tests its entry before the call.
struct PdhFunctions {
    typedef PDH_STATUS(WINAPI* OpenQueryFn)(LPCWSTR dataSource, DWORD_PTR userData, PDH_HQUERY* query);
    typedef PDH_STATUS(WINAPI* CloseQueryFn)(PDH_HQUERY query);
    typedef PDH_STATUS(WINAPI* CollectQueryDataFn)(PDH_HQUERY query);
    typedef PDH_STATUS(WINAPI* GetFormattedCounterValueFn)(PDH_HCOUNTER counter, DWORD format, LPDWORD type,
                                                            PPDH_FMT_COUNTERVALUE value);
    typedef PDH_STATUS(WINAPI* GetRawCounterValueFn)(PDH_HCOUNTER counter, LPDWORD type, PPDH_RAW_COUNTER value);
    typedef PDH_STATUS(WINAPI* ComputeCounterStatisticsFn)(PDH_HCOUNTER counter, DWORD format, DWORD first,
                                                            DWORD count, PPDH_RAW_COUNTER raw,
                                                            PPDH_STATISTICS statistics);
    typedef PDH_STATUS(WINAPI* AddCounterFn)(PDH_HQUERY query, LPCWSTR path, DWORD_PTR userData,
                                             PDH_HCOUNTER* counter);
    typedef PDH_STATUS(WINAPI* ExpandCounterPathFn)(LPCWSTR wildCardPath, LPWSTR expanded, LPDWORD length);
    typedef PDH_STATUS(WINAPI* EnumObjectsFn)(LPCWSTR dataSource, LPCWSTR machine, LPWSTR objects,
                                              LPDWORD length, DWORD detail, BOOL refresh);
    typedef PDH_STATUS(WINAPI* EnumObjectItemsFn)(LPCWSTR dataSource, LPCWSTR machine, LPCWSTR object,
                                                  LPWSTR counters, LPDWORD countersLength, LPWSTR instances,
                                                  LPDWORD instancesLength, DWORD detail, DWORD flags);
    typedef PDH_STATUS(WINAPI* ValidatePathFn)(LPCWSTR path);
    typedef PDH_STATUS(WINAPI* LookupPerfNameByIndexFn)(LPCWSTR machine, DWORD index, LPWSTR name,
                                                        LPDWORD length);

    OpenQueryFn openQuery;
    CloseQueryFn closeQuery;
    CollectQueryDataFn collectQueryData;
    GetFormattedCounterValueFn getFormattedCounterValue;
    // Resolved for completeness; the readers never need raw values or statistics.
    GetRawCounterValueFn getRawCounterValue;
    ComputeCounterStatisticsFn computeCounterStatistics;
    AddCounterFn addCounter;
    ExpandCounterPathFn expandCounterPath;
    EnumObjectsFn enumObjects;
    EnumObjectItemsFn enumObjectItems;
    ValidatePathFn validatePath;
    // Names of counters by their Perflib index, for the languages whose names are not built in.
    LookupPerfNameByIndexFn lookupPerfNameByIndex;
};

// The process-wide table; all null until LoadPdh has found the library.
PdhFunctions& GetPdhFunctions();

// Loads Pdh.dll into the process-wide holder and resolves the table. Runs once per process,
// whatever its outcome: a missing library is told to the user once
// ("Failed to Load Pdh.dll!!\nError Code - " and the system error number) and never retried.
void LoadPdh();

// True once the first Counter has been built (and so LoadPdh has run).
bool IsPdhBound();
void SetPdhBound();

} // namespace win
} // namespace counter
} // namespace system
} // namespace s
