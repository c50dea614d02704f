#include "app/monitor/ProcessFields.h"

#include <windows.h>

#include "app/monitor/FieldRowRules.h"
#include "app/monitor/FieldSources.h"
#include "app/monitor/ScratchText.h"
#include "core/str/AsciiFold.h"

namespace s {
namespace system {
namespace counter {

using str::strbuffer::StrBuffer;

namespace {
const wchar_t kOwnPrefix[] = L"Pulsegrid";
const int32_t kOwnPrefixLength = 9;
const wchar_t kNone[] = L"---";

int64_t Read(FieldSources::InstanceReader reader, int32_t instance)
{
    int64_t value = 0;
    if (!reader(&value, instance))
        value = 0;
    return value;
}

// One top process and its value; index -1 while none is known.
struct TopProcess {
    bool searched = false;
    int64_t value = -1;
    int32_t index = -1;
};
TopProcess topProcessor;
TopProcess topMemory;

bool IsOwn(int32_t index, StrBuffer* scratch)
{
    scratch->Clear();
    return GetFieldSources().processName(index, scratch) && IsOwnProcessName(scratch->GetText());
}

typedef int64_t (*ProcessValue)(int32_t index);

int64_t ProcessorTimeOf(int32_t index)
{
    return Read(GetFieldSources().processProcessorTime, index);
}

int64_t WorkingSetOf(int32_t index)
{
    return Read(GetFieldSources().processWorkingSet, index);
}

int64_t IoOf(int32_t index)
{
    return Read(GetFieldSources().processIoReads, index) + Read(GetFieldSources().processIoWrites, index);
}

// The largest value over the list, the earlier process winning a tie; the search starts at -1.
TopProcess FindTop(ProcessValue value, bool skipOwn)
{
    TopProcess best;
    best.searched = true;
    ScratchText name;
    const int32_t count = GetFieldSources().processCount();
    for (int32_t i = 0; i < count; ++i) {
        const int64_t v = value(i);
        if (v > best.value && !(skipOwn && IsOwn(i, name.get()))) {
            best.value = v;
            best.index = i;
        }
    }
    return best;
}

const TopProcess& CachedTop(TopProcess* cache, ProcessValue value)
{
    if (!cache->searched)
        *cache = FindTop(value, true);
    return *cache;
}

void NameOf(int32_t index, StrBuffer* text)
{
    text->Clear();
    if (!GetFieldSources().processName(index, text) || text->GetLength() == 0)
        text->Assign(kNone);
}

int64_t TotalPhysical()
{
    MEMORYSTATUSEX memory = {};
    if (!GetFieldSources().memoryStatus(&memory))
        return 0;
    return static_cast<int64_t>(memory.ullTotalPhys);
}

int64_t MemoryLoad()
{
    MEMORYSTATUSEX memory = {};
    if (!GetFieldSources().memoryStatus(&memory))
        return 0;
    return memory.dwMemoryLoad;
}

int64_t ShareOfMemory(int64_t workingSet)
{
    const int64_t total = TotalPhysical();
    if (workingSet < 1 || total < 1)
        return 0;
    // Percent of physical memory; divided first where the product would overflow.
    return workingSet > INT64_MAX / 100 ? workingSet / (total / 100 > 0 ? total / 100 : 1) : workingSet * 100 / total;
}

int64_t ShareOfDisk(int64_t best, int64_t operations)
{
    const int64_t least = best < operations ? best : operations;
    if (least < 1)
        return 0;
    return least * 100 / (operations <= 100 ? 100 : operations);
}

int64_t TotalDiskOperations()
{
    FieldSources& sources = GetFieldSources();
    return Read(sources.diskReads, -1) + Read(sources.diskWrites, -1);
}

void ShowCountVillain(IFieldRow* field, FieldSources::InstanceReader reader, int64_t floor)
{
    const int32_t count = GetFieldSources().processCount();
    int64_t sum = 0, best = -1;
    int32_t index = -1;
    for (int32_t i = 0; i < count; ++i) {
        const int64_t v = Read(reader, i);
        sum += v;
        if (v > best) {
            best = v;
            index = i;
        }
    }
    ScratchText text;
    text->Assign(kNone);
    if (best > 0)
        NameOf(index, text.get());
    const int64_t sample = sum < 1 || best < 1 ? 0 : best * 100 / (sum <= floor ? floor : sum);
    PublishField(field, text->GetText(), kRedrawOnChange, &sample, nullptr);
}
} // namespace

bool IsOwnProcessName(const wchar_t* name)
{
    // The counters name a process after its executable file, whose letter case is the user's.
    if (!name)
        return false;
    for (int32_t i = 0; i < kOwnPrefixLength; ++i) {
        if (str::ToLowerAscii(name[i]) != str::ToLowerAscii(kOwnPrefix[i]))
            return false;
    }
    return true;
}

Bottleneck FindBottleneck(int64_t* diskOperations)
{
    FieldSources& sources = GetFieldSources();
    *diskOperations = TotalDiskOperations();
    if (Read(sources.processorTime, -1) >= 95)
        return kProcessorBottleneck;
    if (MemoryLoad() >= 90)
        return kMemoryBottleneck;
    if (Read(sources.diskTime, -1) > 0 && *diskOperations >= 50)
        return kDiskBottleneck;
    int32_t graphics = sources.adlActivity();
    if (graphics == -1)
        graphics = sources.nvUsage();
    if (graphics >= 95)
        return kGraphicsBottleneck;
    return kNoBottleneck;
}

void UpdateBottleneck(IFieldRow* field, void*, int64_t)
{
    int64_t operations = 0;
    static const wchar_t* const kNames[] = {kNone, L"CPU", L"Memory", L"HDD", L"GPU"};
    const Bottleneck found = FindBottleneck(&operations);
    ApplyHighlight(field, found != kNoBottleneck);
    PublishField(field, kNames[found], kRedrawTextOnly, nullptr, nullptr);
}

void UpdateMainVillain(IFieldRow* field, void*, int64_t)
{
    ScratchText text;
    text->Assign(kNone);
    int64_t sample = 0;
    int64_t operations = 0;
    switch (FindBottleneck(&operations)) {
    case kProcessorBottleneck: {
        const TopProcess best = FindTop(ProcessorTimeOf, true);
        if (best.value >= 1) {
            NameOf(best.index, text.get());
            ApplyHighlight(field, true);
            sample = best.value;
        }
        break;
    }
    case kMemoryBottleneck: {
        const TopProcess best = FindTop(WorkingSetOf, false);
        if (best.value >= 1) {
            sample = ShareOfMemory(best.value);
            NameOf(best.index, text.get());
            ApplyHighlight(field, true);
        }
        break;
    }
    case kDiskBottleneck: {
        const TopProcess best = FindTop(IoOf, false);
        if (best.value >= 1) {
            sample = ShareOfDisk(best.value, operations);
            NameOf(best.index, text.get());
            ApplyHighlight(field, true);
        }
        break;
    }
    case kGraphicsBottleneck:
    case kNoBottleneck:
        ApplyHighlight(field, false);
        break;
    }
    PublishField(field, text->GetText(), kRedrawOnChange, &sample, nullptr);
}

void UpdateCpuVillain(IFieldRow* field, void*, int64_t)
{
    const int64_t total = Read(GetFieldSources().processorTime, -1);
    const TopProcess& best = CachedTop(&topProcessor, ProcessorTimeOf);
    ScratchText text;
    text->Assign(kNone);
    int64_t sample = 0;
    if (best.index >= 0) {
        NameOf(best.index, text.get());
        sample = best.value < 0 ? 0 : best.value;
    }
    ApplyHighlight(field, total >= 95);
    PublishField(field, text->GetText(), kRedrawOnChange, &sample, nullptr);
}

void UpdateMemVillain(IFieldRow* field, void*, int64_t)
{
    const int64_t load = MemoryLoad();
    const TopProcess& best = CachedTop(&topMemory, WorkingSetOf);
    ScratchText text;
    text->Assign(kNone);
    int64_t sample = 0;
    if (best.index >= 0) {
        NameOf(best.index, text.get());
        sample = ShareOfMemory(best.value);
    }
    ApplyHighlight(field, load >= 90);
    PublishField(field, text->GetText(), kRedrawOnChange, &sample, nullptr);
}

void UpdateHddVillain(IFieldRow* field, void*, int64_t)
{
    const int64_t operations = TotalDiskOperations();
    ScratchText text;
    text->Assign(kNone);
    int64_t sample = 0;
    if (operations < 1) {
        ApplyHighlight(field, false);
    } else {
        const int64_t busy = Read(GetFieldSources().diskTime, -1);
        const TopProcess best = FindTop(IoOf, false);
        if (best.value > 0)
            NameOf(best.index, text.get());
        ApplyHighlight(field, busy >= 1 && operations >= 50);
        sample = ShareOfDisk(best.value, operations);
    }
    PublishField(field, text->GetText(), kRedrawOnChange, &sample, nullptr);
}

void UpdateThreadVillain(IFieldRow* field, void*, int64_t)
{
    ShowCountVillain(field, GetFieldSources().processThreads, 500);
}

void UpdateHandleVillain(IFieldRow* field, void*, int64_t)
{
    ShowCountVillain(field, GetFieldSources().processHandles, 10000);
}

void ResetProcessCaches()
{
    topProcessor = TopProcess();
    topMemory = TopProcess();
}

} // namespace counter
} // namespace system
} // namespace s
