#include "measurement/counter/CounterReaders.h"

#include <windows.h>

#include <atomic>
#include <cwchar>

#include "core/col/Arrays.h"
#include "core/map/MapTable.h"
#include "core/str/StrArray.h"
#include "core/thread/ObjLocker.h"
#include "measurement/counter/Counter.h"
#include "measurement/counter/CounterNames.h"
#include "measurement/hdd/LogicalDrives.h"

namespace s {
namespace system {
namespace counter {
namespace win {

namespace {
typedef str::strbuffer::StrBuffer StrBuffer;
typedef str::strarray::StrArray StrArray;
typedef col::_array::ArrayS32 ArrayS32;

// A handle entry whose counter has not been added yet; -1 is an add that failed for good.
const int32_t kNotAdded = -2;
const int32_t kFailed = -1;
const int32_t kTotalInstance = -1;
const wchar_t kTotal[] = L"_Total";
const wchar_t kAllInstances[] = L"*";
const wchar_t kIdle[] = L"Idle";
const wchar_t kSystemInstance[] = L"System";
const wchar_t kSystemUpTimePath[] = L"\\System\\System Up Time";
const int kMegabyteShift = 20;
// Trimmed from adapter descriptions: space and ideographic space.
const wchar_t kDescriptionBlanks[] = L" \u3000";
const int32_t kDescriptionBlankCount = 2;

// The expanded wildcard paths: which object and counter each list comes from.
enum ListId : int32_t {
    kProcessorTimeList,
    kProcessorUserList,
    kDiskReadBytesList,
    kDiskWriteBytesList,
    kDiskReadsList,
    kDiskWritesList,
    kDiskTimeList,
    kFreeSpaceList,
    kFreeMegabytesList,
    kNetworkList,
    kListCount,
};

struct ListRow {
    int32_t object;
    int32_t counter;
};

const ListRow kLists[kListCount] = {
    {kProcessorObject, kProcessorTime},    {kProcessorObject, kUserTime},     {kPhysicalDiskObject, kDiskReadBytes},
    {kPhysicalDiskObject, kDiskWriteBytes}, {kPhysicalDiskObject, kDiskReads}, {kPhysicalDiskObject, kDiskWrites},
    {kPhysicalDiskObject, kDiskTime},       {kLogicalDiskObject, kFreeSpace},  {kLogicalDiskObject, kFreeMegabytes},
    {kNetworkObject, kBytesSent},
};

enum ReaderId : int32_t {
    kReadProcessorTime,
    kReadProcessorUser,
    kReadDiskReadBytes,
    kReadDiskWriteBytes,
    kReadDiskReads,
    kReadDiskWrites,
    kReadDiskTime,
    kReadNetworkSent,
    kReadNetworkReceived,
    kReadTotalThreads,
    kReadTotalHandles,
    kReadUpTime,
    kReadProcessProcessorTime,
    kReadProcessWorkingSet,
    kReadProcessIoReads,
    kReadProcessIoWrites,
    kReadProcessThreads,
    kReadProcessHandles,
    kReaderCount,
};

// Where a reader's instances come from.
enum Source : int32_t {
    kFromList,
    kFromNetwork,
    kFromProcesses,
    kTotalOnly,
};

struct ReaderRow {
    Source source;
    int32_t list;
    int32_t object;
    int32_t counter;
};

const ReaderRow kReaders[kReaderCount] = {
    {kFromList, kProcessorTimeList, kProcessorObject, kProcessorTime},
    {kFromList, kProcessorUserList, kProcessorObject, kUserTime},
    {kFromList, kDiskReadBytesList, kPhysicalDiskObject, kDiskReadBytes},
    {kFromList, kDiskWriteBytesList, kPhysicalDiskObject, kDiskWriteBytes},
    {kFromList, kDiskReadsList, kPhysicalDiskObject, kDiskReads},
    {kFromList, kDiskWritesList, kPhysicalDiskObject, kDiskWrites},
    {kFromList, kDiskTimeList, kPhysicalDiskObject, kDiskTime},
    {kFromNetwork, kNetworkList, kNetworkObject, kBytesSent},
    {kFromNetwork, kNetworkList, kNetworkObject, kBytesReceived},
    {kTotalOnly, 0, kProcessObject, kThreadCount},
    {kTotalOnly, 0, kProcessObject, kHandleCount},
    {kTotalOnly, 0, kProcessObject, kElapsedTime},
    {kFromProcesses, 0, kProcessObject, kProcessorTime},
    {kFromProcesses, 0, kProcessObject, kWorkingSet},
    {kFromProcesses, 0, kProcessObject, kIoReadOperations},
    {kFromProcesses, 0, kProcessObject, kIoWriteOperations},
    {kFromProcesses, 0, kProcessObject, kThreadCount},
    {kFromProcesses, 0, kProcessObject, kHandleCount},
};
const int32_t kFirstProcessReader = kReadProcessProcessorTime;
const int32_t kProcessReaderCount = kReaderCount - kFirstProcessReader;

// The process table: the process instances (without the first "Idle"), a map from name to
// position + 1, and one handle array per per-process reader. Built aside and swapped in whole.
struct ProcessTable {
    StrArray* names;
    map::MapTable* positions;
    ArrayS32* handles[kProcessReaderCount];

    // Back to their pools, while the process runs.
    void Release()
    {
        if (positions)
            positions->ReleaseToPool();
        if (names)
            names->ReleaseToPool();
        for (ArrayS32* h : handles) {
            if (h)
                h->ReleaseToPool();
        }
        *this = ProcessTable();
    }
    // Freed directly, at exit: the pools may be gone by then.
    void Free()
    {
        delete positions;
        delete names;
        for (ArrayS32* h : handles)
            delete h;
        *this = ProcessTable();
    }
};

// Everything the set-up builds. Static, so its members are freed directly at exit: the pools
// may be gone by then.
struct SetupState {
    thread::ObjLocker locker;
    std::atomic<bool> done{false};
    bool networkLoaded = false;
    StrArray lists[kListCount];
    ArrayS32 handles[kReaderCount];
    int32_t totals[kReaderCount];
    ProcessTable processes = {};
    std::atomic<NetworkConnectionCount> connectionCount{nullptr};
    std::atomic<NetworkConnectionDescription> connectionDescription{nullptr};

    SetupState()
    {
        for (int32_t& t : totals)
            t = kNotAdded;
    }
    ~SetupState() { processes.Free(); }
};

SetupState& State()
{
    static SetupState state;
    return state;
}

// True on the thread that runs the set-up while it runs. A box shown meanwhile (Pdh.dll missing)
// runs its own message loop, and a reading it lets in on that thread must not start the set-up
// again: it would wait for ever on the shared query that the set-up is still building.
thread_local bool settingUp = false;

// "\" object "(" instance ")\" counter, from the pool; null when no string can be had.
StrBuffer* BuildPath(int32_t object, const wchar_t* instance, int32_t counter)
{
    StrBuffer* path = StrBuffer::FromText(L"\\");
    if (path)
        path->Append(GetCounterName(object))->Append(L"(")->Append(instance)->Append(L")\\")->Append(
            GetCounterName(counter));
    return path;
}

int32_t AddPath(StrBuffer* path)
{
    if (!path)
        return kFailed;
    const int32_t index = SharedCounter().AddCounter(path->GetText());
    path->ReleaseToPool();
    return index;
}

void Fill(ArrayS32* handles, uint32_t count)
{
    handles->Clear();
    for (uint32_t i = 0; i < count; ++i)
        handles->Append(kNotAdded);
}

// Removes the first instance named "Idle": the idle pseudo-process is no process to show.
void RemoveFirstIdle(StrArray* list)
{
    for (uint32_t i = 0; i < list->GetCount(); ++i) {
        StrBuffer* name = list->Get(i);
        if (std::wcscmp(name->GetText(), kIdle) == 0) {
            list->Items().RemoveAt(i);
            name->ReleaseToPool();
            return;
        }
    }
}

void ExpandList(int32_t object, int32_t counter, StrArray* list)
{
    StrBuffer* path = BuildPath(object, kAllInstances, counter);
    if (!path) {
        list->Clear();
        return;
    }
    Counter::ExpandInstances(path->GetText(), list);
    path->ReleaseToPool();
}

// A new process table from a fresh expansion; handles of processes that the old table knew are
// carried over, since their paths (built from the name) are the same.
bool BuildProcessTable(const ProcessTable& old, ProcessTable* fresh)
{
    *fresh = ProcessTable();
    fresh->names = StrArray::New();
    fresh->positions = map::MapTable::New();
    bool ok = fresh->names && fresh->positions;
    for (ArrayS32*& h : fresh->handles) {
        h = ArrayS32::New();
        ok = ok && h;
    }
    if (!ok) {
        fresh->Release();
        return false;
    }
    ExpandList(kProcessObject, kProcessId, fresh->names);
    RemoveFirstIdle(fresh->names);
    const uint32_t count = fresh->names->GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        StrBuffer* name = fresh->names->Get(i);
        fresh->positions->Put(name->HashCode(), name, i + 1);
        const uint64_t known = old.positions ? old.positions->Get(name) : 0;
        for (int32_t r = 0; r < kProcessReaderCount; ++r)
            fresh->handles[r]->Append(known ? old.handles[r]->Get(static_cast<uint32_t>(known - 1)) : kNotAdded);
    }
    return true;
}

// Re-expands one list and carries the handles of instances that are still there.
void RefreshList(int32_t listId, int32_t readerId)
{
    SetupState& state = State();
    StrArray* fresh = StrArray::New();
    ArrayS32* freshHandles = ArrayS32::New();
    if (!fresh || !freshHandles) {
        if (fresh)
            fresh->ReleaseToPool();
        if (freshHandles)
            freshHandles->ReleaseToPool();
        return;
    }
    ExpandList(kLists[listId].object, kLists[listId].counter, fresh);
    thread::ScopedLock hold(state.locker);
    StrArray& list = state.lists[listId];
    ArrayS32& handles = state.handles[readerId];
    for (uint32_t i = 0; i < fresh->GetCount(); ++i) {
        int32_t handle = kNotAdded;
        for (uint32_t j = 0; j < list.GetCount() && j < handles.GetCount(); ++j) {
            if (list.Get(j)->Equals(fresh->Get(i))) {
                handle = handles.Get(j);
                break;
            }
        }
        freshHandles->Append(handle);
    }
    // The strings move to the kept list; the emptied carrier goes back to its pool.
    list.Clear();
    for (uint32_t i = 0; i < fresh->GetCount(); ++i)
        list.Add(fresh->Get(i));
    fresh->Items().Clear();
    fresh->ReleaseToPool();
    handles.Clear();
    for (uint32_t i = 0; i < freshHandles->GetCount(); ++i)
        handles.Append(freshHandles->Get(i));
    freshHandles->ReleaseToPool();
}

void LoadNetworkHandles()
{
    SetupState& state = State();
    if (state.networkLoaded)
        return;
    state.networkLoaded = true;
    const NetworkConnectionCount count = state.connectionCount.load();
    const int32_t n = count ? count() : 0;
    Fill(&state.handles[kReadNetworkSent], n > 0 ? static_cast<uint32_t>(n) : 0);
    Fill(&state.handles[kReadNetworkReceived], n > 0 ? static_cast<uint32_t>(n) : 0);
}

// The path of one reader's instance; the caller holds the set-up lock.
StrBuffer* BuildReaderPath(int32_t id, int32_t instance)
{
    SetupState& state = State();
    const ReaderRow& row = kReaders[id];
    if (instance == kTotalInstance) {
        if (id == kReadProcessorUser && !ProcessorFormValid)
            return BuildPath(kProcessObject, kTotal, kUserTime);
        return BuildPath(row.object, kTotal, row.counter);
    }
    const uint32_t i = static_cast<uint32_t>(instance);
    switch (row.source) {
    case kFromList:
        if (i >= state.lists[row.list].GetCount())
            return nullptr;
        return BuildPath(row.object, state.lists[row.list].Get(i)->GetText(), row.counter);
    case kFromProcesses:
        if (!state.processes.names || i >= state.processes.names->GetCount())
            return nullptr;
        return BuildPath(row.object, state.processes.names->Get(i)->GetText(), row.counter);
    case kFromNetwork: {
        const NetworkConnectionDescription describe = state.connectionDescription.load();
        StrBuffer* description = StrBuffer::New();
        StrBuffer* name = StrBuffer::New();
        StrBuffer* path = nullptr;
        if (description && name && describe && describe(instance, description)) {
            BuildNetworkInstanceName(description->GetText(), name);
            path = BuildPath(row.object, name->GetText(), row.counter);
        }
        if (description)
            description->ReleaseToPool();
        if (name)
            name->ReleaseToPool();
        return path;
    }
    case kTotalOnly:
        break;
    }
    return nullptr;
}

// The handle array of a reader, or null for a reader with only a total.
ArrayS32* HandlesOf(int32_t id)
{
    SetupState& state = State();
    if (kReaders[id].source == kFromProcesses)
        return state.processes.handles[id - kFirstProcessReader];
    if (kReaders[id].source == kTotalOnly)
        return nullptr;
    return &state.handles[id];
}

int32_t AddUpTime()
{
    const int32_t index = SharedCounter().AddCounter(kSystemUpTimePath);
    if (index != kFailed)
        return index;
    return AddPath(BuildPath(kProcessObject, kSystemInstance, kElapsedTime));
}

bool Read(int32_t id, int32_t instance, int64_t* out)
{
    *out = 0;
    InitCounters();
    SetupState& state = State();
    if (!state.done)
        return false;
    int32_t handle = kFailed;
    {
        thread::ScopedLock hold(state.locker);
        if (kReaders[id].source == kFromNetwork)
            LoadNetworkHandles();
        if (instance == kTotalInstance) {
            if (state.totals[id] == kNotAdded)
                state.totals[id] = id == kReadUpTime ? AddUpTime() : AddPath(BuildReaderPath(id, instance));
            handle = state.totals[id];
        } else {
            ArrayS32* handles = HandlesOf(id);
            if (!handles || instance < 0 || static_cast<uint32_t>(instance) >= handles->GetCount())
                return false;
            const uint32_t i = static_cast<uint32_t>(instance);
            if (handles->Get(i) == kNotAdded)
                handles->Set(i, AddPath(BuildReaderPath(id, instance)));
            handle = handles->Get(i);
        }
    }
    return SharedCounter().Read(handle, out);
}

StrArray* ListOf(InstanceList list)
{
    SetupState& state = State();
    switch (list) {
    case kProcessorInstances:
        return &state.lists[kProcessorTimeList];
    case kPhysicalDiskInstances:
        return &state.lists[kDiskReadBytesList];
    case kLogicalDiskInstances:
        return &state.lists[kFreeSpaceList];
    case kNetworkInstances:
        return &state.lists[kNetworkList];
    case kProcessInstances:
        return state.processes.names;
    }
    return nullptr;
}

} // namespace

void InitCounters()
{
    SetupState& state = State();
    if (state.done || settingUp)
        return;
    thread::ScopedLock hold(state.locker);
    if (state.done)
        return;
    settingUp = true;
    RepairPerfCounters();
    SelectCounterNames();
    for (int32_t l = 0; l < kListCount; ++l)
        ExpandList(kLists[l].object, kLists[l].counter, &state.lists[l]);
    for (int32_t r = 0; r < kReaderCount; ++r) {
        if (kReaders[r].source == kFromList)
            Fill(&state.handles[r], state.lists[kReaders[r].list].GetCount());
    }
    ProcessTable fresh;
    if (BuildProcessTable(ProcessTable(), &fresh))
        state.processes = fresh;
    state.done = true;
    settingUp = false;
}

bool GetProcessorTime(int64_t* out, int32_t instance)
{
    return Read(kReadProcessorTime, instance, out);
}

bool GetProcessorUserTime(int64_t* out, int32_t instance)
{
    return Read(kReadProcessorUser, instance, out);
}

bool GetDiskReadBytes(int64_t* out, int32_t instance)
{
    return Read(kReadDiskReadBytes, instance, out);
}

bool GetDiskWriteBytes(int64_t* out, int32_t instance)
{
    return Read(kReadDiskWriteBytes, instance, out);
}

bool GetDiskReads(int64_t* out, int32_t instance)
{
    return Read(kReadDiskReads, instance, out);
}

bool GetDiskWrites(int64_t* out, int32_t instance)
{
    return Read(kReadDiskWrites, instance, out);
}

bool GetDiskTime(int64_t* out, int32_t instance)
{
    return Read(kReadDiskTime, instance, out);
}

bool GetNetworkBytesSent(int64_t* out, int32_t instance)
{
    return Read(kReadNetworkSent, instance, out);
}

bool GetNetworkBytesReceived(int64_t* out, int32_t instance)
{
    return Read(kReadNetworkReceived, instance, out);
}

bool GetTotalThreadCount(int64_t* out)
{
    return Read(kReadTotalThreads, kTotalInstance, out);
}

bool GetTotalHandleCount(int64_t* out)
{
    return Read(kReadTotalHandles, kTotalInstance, out);
}

bool GetSystemUpTime(int64_t* out)
{
    return Read(kReadUpTime, kTotalInstance, out);
}

bool GetProcessProcessorTime(int64_t* out, int32_t instance)
{
    return Read(kReadProcessProcessorTime, instance, out);
}

bool GetProcessWorkingSet(int64_t* out, int32_t instance)
{
    return Read(kReadProcessWorkingSet, instance, out);
}

bool GetProcessIoReads(int64_t* out, int32_t instance)
{
    return Read(kReadProcessIoReads, instance, out);
}

bool GetProcessIoWrites(int64_t* out, int32_t instance)
{
    return Read(kReadProcessIoWrites, instance, out);
}

bool GetProcessThreadCount(int64_t* out, int32_t instance)
{
    return Read(kReadProcessThreads, instance, out);
}

bool GetProcessHandleCount(int64_t* out, int32_t instance)
{
    return Read(kReadProcessHandles, instance, out);
}

bool GetDriveFreeMegabytes(int64_t* out, int32_t instance)
{
    *out = 0;
    const int32_t count = hdd::win::GetFixedDriveCount();
    if (instance < kTotalInstance || instance >= count)
        return false;
    uint64_t sum = 0;
    bool any = false;
    for (int32_t i = instance == kTotalInstance ? 0 : instance; i < count; ++i) {
        uint64_t total = 0, free = 0;
        if (hdd::win::ReadDriveSpace(hdd::win::GetFixedDriveRoot(i), &total, &free)) {
            sum += free;
            any = true;
        }
        if (instance != kTotalInstance)
            break;
    }
    if (!any)
        return false;
    *out = static_cast<int64_t>(sum >> kMegabyteShift);
    return true;
}

void BuildNetworkInstanceName(const wchar_t* description, StrBuffer* out)
{
    out->Assign(description ? description : L"");
    out->TrimStartChars(kDescriptionBlanks, kDescriptionBlankCount);
    out->TrimEndChars(kDescriptionBlanks, kDescriptionBlankCount);
    out->ReplaceAll(L"(", L"[");
    out->ReplaceAll(L")", L"]");
    out->ReplaceAll(L"#", L"_");
    out->ReplaceAll(L"/", L"_");
    // An empty name would match every instance by its start.
    if (out->GetLength() == 0)
        return;
    SetupState& state = State();
    thread::ScopedLock hold(state.locker);
    StrArray& instances = state.lists[kNetworkList];
    for (uint32_t i = 0; i < instances.GetCount(); ++i) {
        if (instances.Get(i)->EqualsIgnoreCase(out)) {
            out->AssignStr(instances.Get(i));
            return;
        }
    }
    for (uint32_t i = 0; i < instances.GetCount(); ++i) {
        if (instances.Get(i)->StartsWithIgnoreCase(out->GetText(), static_cast<int32_t>(out->GetLength()))) {
            out->AssignStr(instances.Get(i));
            return;
        }
    }
}

void RefreshInstances()
{
    InitCounters();
    SetupState& state = State();
    if (!state.done)
        return;
    RefreshList(kProcessorTimeList, kReadProcessorTime);
    RefreshList(kProcessorUserList, kReadProcessorUser);
    ProcessTable old;
    {
        thread::ScopedLock hold(state.locker);
        old = state.processes;
        ProcessTable fresh;
        if (!BuildProcessTable(old, &fresh))
            return;
        state.processes = fresh;
    }
    old.Release();
}

int32_t GetInstanceCount(InstanceList list)
{
    InitCounters();
    thread::ScopedLock hold(State().locker);
    StrArray* names = ListOf(list);
    return names ? static_cast<int32_t>(names->GetCount()) : 0;
}

bool GetInstanceName(InstanceList list, int32_t index, StrBuffer* out)
{
    InitCounters();
    thread::ScopedLock hold(State().locker);
    StrArray* names = ListOf(list);
    if (!names || index < 0 || static_cast<uint32_t>(index) >= names->GetCount())
        return false;
    out->AssignStr(names->Get(static_cast<uint32_t>(index)));
    return true;
}

void SetNetworkConnectionSource(NetworkConnectionCount count, NetworkConnectionDescription description)
{
    SetupState& state = State();
    thread::ScopedLock hold(state.locker);
    state.connectionCount = count;
    state.connectionDescription = description;
    state.networkLoaded = false;
}

} // namespace win
} // namespace counter
} // namespace system
} // namespace s
