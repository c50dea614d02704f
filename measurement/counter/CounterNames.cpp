#include "measurement/counter/CounterNames.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <cwchar>

#include "core/str/StrBuffer.h"
#include "measurement/counter/Counter.h"
#include "measurement/counter/PdhLibrary.h"
#include "measurement/win/OsVersion.h"
#include "storage/file/ShellServices.h"
#include "storage/reg/RegDir.h"

namespace s {
namespace system {
namespace counter {
namespace win {

bool EnglishCounterNames = false;
bool CounterNamesMissing = false;
bool ProcessorFormValid = false;
bool CounterRepairMade = false;
bool LodctrPending = true;

namespace {
typedef str::strbuffer::StrBuffer StrBuffer;
typedef str::strarray::StrArray StrArray;

const wchar_t* const kEnglishNames[kCounterKindCount] = {
    L"Processor",
    L"% Processor Time",
    L"% User Time",
    L"PhysicalDisk",
    L"Disk Read Bytes/sec",
    L"Disk Write Bytes/sec",
    L"Disk Reads/sec",
    L"Disk Writes/sec",
    L"% Disk Time",
    L"LogicalDisk",
    L"% Free Space",
    L"Free Megabytes",
    L"Network Interface",
    L"Bytes Sent/sec",
    L"Bytes Received/sec",
    L"Process",
    L"ID Process",
    L"Working Set",
    L"IO Read Operations/sec",
    L"IO Write Operations/sec",
    L"IO Read Bytes/sec",
    L"IO Write Bytes/sec",
    L"Thread Count",
    L"Handle Count",
    L"Elapsed Time",
};

const wchar_t* const kGermanNames[kCounterKindCount] = {
    L"Prozessor",
    L"Prozessorzeit (%)",
    L"Benutzerzeit (%)",
    L"Physikalischer Datenträger",
    L"Bytes gelesen/s",
    L"Bytes geschrieben/s",
    L"Lesevorgänge/s",
    L"Schreibvorgänge/s",
    L"Zeit (%)",
    L"Logischer Datenträger",
    L"Freier Speicherplatz (%)",
    L"MB frei",
    L"Netzwerkschnittstelle",
    L"Bytes gesendet/s",
    L"Empfangene Bytes/s",
    L"Prozess",
    L"Prozesskennung",
    L"Arbeitsseiten",
    L"E/A-Lesevorgänge/s",
    L"E/A-Schreibvorgänge/s",
    L"E/A-Bytes gelesen/s",
    L"E/A-Bytes geschrieben/s",
    L"Threadanzahl",
    L"Handleanzahl",
    L"Verstrichene Zeit",
};

// The Perflib name index of each kind: the same on every system and in every language.
const wchar_t* const kIndexNames[kCounterKindCount] = {
    L"238", L"6",   L"142", L"234",  L"220",  L"222",  L"214",  L"216", L"200", L"236", L"408", L"410", L"510",
    L"506", L"264", L"230", L"784",  L"180",  L"1412", L"1414", L"1420", L"1422", L"680", L"952", L"684",
};

// The second index variant differs only in the processor-time counter.
const wchar_t* const kIndexNamesSecond[kCounterKindCount] = {
    L"238", L"?",   L"142", L"234",  L"220",  L"222",  L"214",  L"216", L"200", L"236", L"408", L"410", L"510",
    L"506", L"264", L"230", L"784",  L"180",  L"1412", L"1414", L"1420", L"1422", L"680", L"952", L"684",
};

// One probe per known language variant, in probe order. Rows without their own names take the
// running system's names by index: the probe has just shown that the system speaks that language.
struct ProbeRow {
    const wchar_t* probe;
    const wchar_t* const* names;
};

const ProbeRow kProbeRows[] = {
    {L"\\Process(_Total)\\% Processor Time", kEnglishNames},
    {L"\\Prozess(_Total)\\Prozessorzeit (%)", kGermanNames},
    {L"\\Fysieke schijf(_Total)\\Schijfleesbewerkingen in bytes per seconde", nullptr},
    {L"\\Fysieke schijf(_Total)\\Gelezen bytes per seconde", nullptr},
    {L"\\DiscoFísico(_Total)\\% Tiempo de disco", nullptr},
    {L"\\Disco físico(_Total)\\% de tiempo de disco", nullptr},
    {L"\\Processo(_Total)\\Operazioni di lettura IO /sec", nullptr},
    {L"\\Processo(_Total)\\Operazioni lettura IO/sec", nullptr},
    {L"\\Processus(_Total)\\Nb d'opérations de lecture d'E/S par sec", nullptr},
    {L"\\Processus(_Total)\\Nombre d'opérations de lecture/s", nullptr},
    {L"\\Processus(_Total)\\Nombre d\u2019opérations de lecture/s", nullptr},
    {L"\\Процесс(_Total)\\Рабочее множество", nullptr},
    {L"\\Физический диск(_Total)\\Скорость чтения с диска (байт/сек)", nullptr},
    {L"\\Физический диск(_Total)\\Скорость чтения с диска (байт/с)", nullptr},
    {L"\\Proces(_Total)\\% času procesoru", nullptr},
    {L"\\Proces(_Total)\\Czas procesora (%)", nullptr},
    {L"\\Διεργασία(_Total)\\% χρόνου επεξεργαστή", nullptr},
    {L"\\Processor(_Total)\\% användartid", nullptr},
    {L"\\Processor(_Total)\\Användartid i procent", nullptr},
    {L"\\Prosess(_Total)\\% Prosessortid", nullptr},
    {L"\\İşlem(_Total)\\% Kullanıcı Zamanı", nullptr},
    {L"\\İşlem(_Total)\\Kullanıcı Zamanı Yüzdesi", nullptr},
    {L"\\Prosessi(_Total)\\Suoritinaika prosentteina", nullptr},
    {L"\\Folyamat(_Total)\\I/O - olvasás (művelet/mp)", nullptr},
    {L"\\Folyamat(_Total)\\I/O - olvasás (művelet/s)", nullptr},
    {L"\\قرص منطقي(_Total)\\الميغا بايت الحرة", nullptr},
    {L"\\قرص منطقي(_Total)\\الميغابايت الحرة", nullptr},
    {L"\\תהליך(_Total)\\% זמן מעבד", nullptr},
    {L"\\Proces(_Total)\\IO-læsehandlinger/sekund", nullptr},
    {L"\\Proces(_Total)\\IO-læsehandlinger pr. sekund", nullptr},
    {L"\\PhysicalDisk(_Total)\\Bytes de leitura de disco/segundo", nullptr},
    {L"\\PhysicalDisk(_Total)\\Bytes de leitura de disco/s", nullptr},
    {L"\\Processo(_Total)\\N.º de threads", nullptr},
    {L"\\Disco físico(_Total)\\Bytes lidos de disco/seg", nullptr},
    {L"\\230(_Total)\\6", kIndexNames},
    {L"\\230(_Total)\\?", kIndexNamesSecond},
};
const size_t kProbeRowCount = sizeof(kProbeRows) / sizeof(kProbeRows[0]);

const int kMaxPasses = 2;
// Longest counter name that a lookup by index may return, in characters.
const DWORD kMaxLookupName = 1024;

const wchar_t kLodctr[] = L"\\lodctr.exe";
const wchar_t kLodctrParameters[] = L"/R";

const wchar_t kPerflibKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib";
const wchar_t* const kPerformanceKeys[] = {
    kPerflibKey,
    L"SYSTEM\\CurrentControlSet\\Services\\PerfOS\\Performance",
    L"SYSTEM\\CurrentControlSet\\Services\\Perfdisk\\Performance",
    L"SYSTEM\\CurrentControlSet\\Services\\PerfProc\\Performance",
    L"SYSTEM\\CurrentControlSet\\Services\\PerfNet\\Performance",
    L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Performance",
};
const wchar_t kDisableValue[] = L"Disable Performance Counters";
const wchar_t kLastCounter[] = L"Last Counter";
const wchar_t kLastHelp[] = L"Last Help";

const wchar_t kCurrentLanguage[] = L"CurrentLanguage";
const wchar_t kFallbackLanguage[] = L"8";
const LANGID kPrimaryLanguageMask = 0x3FF;
const LANGID kPortuguese = 0x16;
const LANGID kChinese = 0x04;
// A name table that keeps changing size between the size question and the read is asked again
// this often.
const int kReadAttempts = 3;

StrBuffer* NameSlots()
{
    // Static, not pooled: the names live until process exit, after the string pool may be gone.
    static StrBuffer names[kCounterKindCount];
    return names;
}

void StoreNames(const wchar_t* const* names)
{
    StrBuffer* slots = NameSlots();
    for (int32_t i = 0; i < kCounterKindCount; ++i)
        slots[i].Assign(names[i]);
}

// Each kind's name from the system's own table; a kind the table lacks keeps its index number,
// which the system may still accept.
void StoreNamesByIndex()
{
    const PdhFunctions& pdh = GetPdhFunctions();
    StrBuffer* slots = NameSlots();
    wchar_t name[kMaxLookupName];
    for (int32_t i = 0; i < kCounterKindCount; ++i) {
        DWORD length = kMaxLookupName;
        const DWORD index = static_cast<DWORD>(std::wcstoul(kIndexNames[i], nullptr, 10));
        if (pdh.lookupPerfNameByIndex && pdh.lookupPerfNameByIndex(nullptr, index, name, &length) == ERROR_SUCCESS &&
            length > 0 && length <= kMaxLookupName) {
            name[kMaxLookupName - 1] = 0;
            slots[i].Assign(name);
        } else {
            slots[i].Assign(kIndexNames[i]);
        }
    }
}

bool Validates(const wchar_t* path)
{
    const PdhFunctions& pdh = GetPdhFunctions();
    return pdh.validatePath && pdh.validatePath(path) == ERROR_SUCCESS;
}

// The system's own rebuild of the counter registry, elevated where the system asks for it.
void RunLodctr()
{
    StrBuffer* file = StrBuffer::FromText(system::win::GetSystemFolder());
    if (!file)
        return;
    file->Append(kLodctr);
    system::win::ShellRun(file->GetText(), kLodctrParameters, true, true);
    file->ReleaseToPool();
}

std::atomic<CounterRegistryRebuild> gRebuild{&RunLodctr};

// A key object of the local machine from its pool, given back with its scope; it holds no handle
// when the key cannot be opened.
class MachineKey {
public:
    explicit MachineKey(const wchar_t* path) : key_(reg::win::RegDir::OpenNew(HKEY_LOCAL_MACHINE, path)) {}
    ~MachineKey()
    {
        if (key_)
            key_->ReleaseToPool();
    }
    bool IsOpen() const { return key_ && key_->IsOpen(); }
    reg::win::RegDir* operator->() const { return key_; }

private:
    MachineKey(const MachineKey&) = delete;
    MachineKey& operator=(const MachineKey&) = delete;
    reg::win::RegDir* key_;
};

void RaiseLast(MachineKey& perflib, const wchar_t* valueName, StrArray* table)
{
    const int32_t largest = LargestPerflibIndex(table);
    if (largest < 0)
        return;
    const uint32_t last = perflib->GetUInt32(valueName, 0);
    if (static_cast<int64_t>(last) < largest) {
        perflib->SetUInt32(valueName, static_cast<uint32_t>(largest));
        // Setters report nothing, and a user who may only read the machine's keys changes nothing.
        if (perflib->GetUInt32(valueName, last) == static_cast<uint32_t>(largest))
            CounterRepairMade = true;
    }
}

LANGID PerflibLanguage()
{
    system::win::OsVersionInfo& os = system::win::GetOsVersion();
    if (!os.done)
        system::win::LoadOsVersion();
    if (os.major == 0)
        return 0;
    const LANGID language = GetUserDefaultUILanguage();
    const LANGID primary = language & kPrimaryLanguageMask;
    if (primary == kPortuguese)
        return language;
    if (primary == kChinese && os.major == 5 && (os.minor == 1 || os.minor == 2))
        return language;
    return primary;
}

// Reads one multi-string value of the performance data into a new list; null when it cannot.
StrArray* ReadNameTable(const wchar_t* value)
{
    DWORD size = 0;
    if (RegQueryValueExW(HKEY_PERFORMANCE_DATA, value, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS ||
        size == 0)
        return nullptr;
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        // Two more zero characters than asked: the list is closed by a double NUL whatever was read.
        const DWORD characters = size / sizeof(wchar_t) + 2;
        wchar_t* buffer = static_cast<wchar_t*>(std::calloc(characters, sizeof(wchar_t)));
        if (!buffer)
            return nullptr;
        DWORD got = size;
        const LONG result =
            RegQueryValueExW(HKEY_PERFORMANCE_DATA, value, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &got);
        if (result == ERROR_SUCCESS) {
            StrArray* list = StrArray::New();
            if (list)
                list->ParseMultiText(buffer);
            std::free(buffer);
            return list;
        }
        std::free(buffer);
        if (result != ERROR_MORE_DATA)
            return nullptr;
        size = got > size ? got : size * 2;
    }
    return nullptr;
}

StrArray* ReadFirstNameTable(const wchar_t* prefix, LANGID language)
{
    const wchar_t* const suffixes[] = {nullptr, kCurrentLanguage, kFallbackLanguage};
    StrBuffer* name = StrBuffer::New();
    if (!name)
        return nullptr;
    StrArray* list = nullptr;
    for (const wchar_t* suffix : suffixes) {
        name->Assign(prefix);
        if (suffix)
            name->Append(suffix);
        else
            name->AppendUInt32(language);
        list = ReadNameTable(name->GetText());
        if (list)
            break;
    }
    name->ReleaseToPool();
    RegCloseKey(HKEY_PERFORMANCE_DATA);
    return list;
}
} // namespace

const wchar_t* GetCounterName(int32_t kind)
{
    if (kind < 0 || kind >= kCounterKindCount)
        return L"";
    return NameSlots()[kind].GetText();
}

void SelectCounterNames()
{
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        CounterNamesMissing = false;
        SharedCounter();
        EnglishCounterNames = Validates(kProbeRows[0].probe);
        bool stored = false;
        if (!EnglishCounterNames) {
            for (size_t row = 1; row < kProbeRowCount && !stored; ++row) {
                if (!Validates(kProbeRows[row].probe))
                    continue;
                if (kProbeRows[row].names)
                    StoreNames(kProbeRows[row].names);
                else
                    StoreNamesByIndex();
                stored = true;
            }
            if (!stored)
                CounterNamesMissing = true;
        }
        if (!stored)
            StoreNames(kEnglishNames);

        StrBuffer* path = StrBuffer::FromText(L"\\");
        if (path) {
            path->Append(GetCounterName(kProcessorObject))->Append(L"(_Total)\\")->Append(GetCounterName(kProcessorTime));
            ProcessorFormValid = Validates(path->GetText());
            path->ReleaseToPool();
        } else {
            ProcessorFormValid = false;
        }

        if (!(CounterNamesMissing && LodctrPending))
            return;
        LodctrPending = false;
        gRebuild.load()();
        RepairPerfCounters();
    }
}

void RepairPerfCounters()
{
    for (const wchar_t* keyPath : kPerformanceKeys) {
        MachineKey key(keyPath);
        if (!key.IsOpen())
            continue;
        if (key->GetUInt32(kDisableValue, 0) != 0) {
            key->SetUInt32(kDisableValue, 0);
            if (key->GetUInt32(kDisableValue, 1) == 0)
                CounterRepairMade = true;
        }
    }
    StrArray* counters = nullptr;
    StrArray* help = nullptr;
    ReadPerflibNames(&counters, &help);
    {
        MachineKey perflib(kPerflibKey);
        if (perflib.IsOpen()) {
            RaiseLast(perflib, kLastCounter, counters);
            RaiseLast(perflib, kLastHelp, help);
        }
    }
    if (counters)
        counters->ReleaseToPool();
    if (help)
        help->ReleaseToPool();
    SharedCounter();
}

void ReadPerflibNames(StrArray** counters, StrArray** help)
{
    const LANGID language = PerflibLanguage();
    *counters = ReadFirstNameTable(L"Counter ", language);
    *help = ReadFirstNameTable(L"Help ", language);
}

int32_t LargestPerflibIndex(StrArray* table)
{
    if (!table)
        return -1;
    const uint32_t count = table->GetCount();
    if (count <= 1 || count % 2 != 0)
        return -1;
    int32_t largest = -1;
    bool found = false;
    for (uint32_t i = 0; i < count; i += 2) {
        StrBuffer* entry = table->Get(i);
        if (!entry->IsInteger())
            continue;
        const int32_t index = entry->ToInt32();
        if (!found || index > largest) {
            largest = index;
            found = true;
        }
    }
    return found ? largest : -1;
}

CounterRegistryRebuild SetCounterRegistryRebuild(CounterRegistryRebuild rebuild)
{
    return gRebuild.exchange(rebuild ? rebuild : &RunLodctr);
}

} // namespace win
} // namespace counter
} // namespace system
} // namespace s
