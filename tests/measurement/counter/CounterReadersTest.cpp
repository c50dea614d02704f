#include "measurement/counter/CounterReaders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "measurement/counter/CounterNames.h"
#include "measurement/counter/FakePdhControl.h"

namespace cw = s::system::counter::win;
using s::str::strbuffer::StrBuffer;
using testing_support::FakePdh;
using testing_support::WaitFor;

namespace {

// The system the stand-in plays, chosen by the test entry (FAKE_PDH_LANGUAGE): English by default.
enum Language { kEnglish, kGerman, kIndex };

const wchar_t* const kEnglish25[cw::kCounterKindCount] = {
    L"Processor", L"% Processor Time", L"% User Time", L"PhysicalDisk", L"Disk Read Bytes/sec",
    L"Disk Write Bytes/sec", L"Disk Reads/sec", L"Disk Writes/sec", L"% Disk Time", L"LogicalDisk",
    L"% Free Space", L"Free Megabytes", L"Network Interface", L"Bytes Sent/sec", L"Bytes Received/sec",
    L"Process", L"ID Process", L"Working Set", L"IO Read Operations/sec", L"IO Write Operations/sec",
    L"IO Read Bytes/sec", L"IO Write Bytes/sec", L"Thread Count", L"Handle Count", L"Elapsed Time",
};
const wchar_t* const kGerman25[cw::kCounterKindCount] = {
    L"Prozessor", L"Prozessorzeit (%)", L"Benutzerzeit (%)", L"Physikalischer Datenträger", L"Bytes gelesen/s",
    L"Bytes geschrieben/s", L"Lesevorgänge/s", L"Schreibvorgänge/s", L"Zeit (%)", L"Logischer Datenträger",
    L"Freier Speicherplatz (%)", L"MB frei", L"Netzwerkschnittstelle", L"Bytes gesendet/s", L"Empfangene Bytes/s",
    L"Prozess", L"Prozesskennung", L"Arbeitsseiten", L"E/A-Lesevorgänge/s", L"E/A-Schreibvorgänge/s",
    L"E/A-Bytes gelesen/s", L"E/A-Bytes geschrieben/s", L"Threadanzahl", L"Handleanzahl", L"Verstrichene Zeit",
};
const wchar_t* const kIndex25[cw::kCounterKindCount] = {
    L"238", L"6",   L"142", L"234",  L"220",  L"222",  L"214",  L"216", L"200", L"236", L"408", L"410", L"510",
    L"506", L"264", L"230", L"784",  L"180",  L"1412", L"1414", L"1420", L"1422", L"680", L"952", L"684",
};

Language TheLanguage()
{
    const char* value = std::getenv("FAKE_PDH_LANGUAGE");
    if (value && std::string(value) == "German")
        return kGerman;
    if (value && std::string(value) == "Index")
        return kIndex;
    return kEnglish;
}

const wchar_t* Name(int32_t kind)
{
    switch (TheLanguage()) {
    case kGerman:
        return kGerman25[kind];
    case kIndex:
        return kIndex25[kind];
    case kEnglish:
        break;
    }
    return kEnglish25[kind];
}

std::wstring PathOf(int32_t object, const std::wstring& instance, int32_t counter)
{
    return L"\\" + std::wstring(Name(object)) + L"(" + instance + L")\\" + Name(counter);
}

void Expand(int32_t object, int32_t counter, const std::vector<std::wstring>& instances)
{
    std::vector<std::wstring> paths;
    for (const std::wstring& i : instances)
        paths.push_back(PathOf(object, i, counter));
    FakePdh::SetExpansion(PathOf(object, L"*", counter).c_str(), paths);
}

const wchar_t kIntel[] = L"Intel[R] PRO_1000 MT Network Connection _2";
const wchar_t kRealtek[] = L"Realtek PCIe GBE Family Controller - Packet Scheduler Miniport";

int32_t ConnectionCount()
{
    return 3;
}

bool ConnectionDescription(int32_t index, StrBuffer* out)
{
    const wchar_t* const descriptions[] = {L"Intel(R) PRO/1000 MT Network Connection #2",
                                           L"Realtek PCIe GBE Family Controller"};
    if (index < 0 || index >= 2)
        return false;
    out->Assign(descriptions[index]);
    return true;
}

int gRebuilds = 0;
void CountRebuild()
{
    ++gRebuilds;
}

const long long kUpTime = 113;
const long long kUserTotal = 104;

typedef bool (*IndexedReader)(int64_t*, int32_t);

struct ReaderCase {
    const char* label;
    IndexedReader read;
    int32_t instance;
    int32_t object;
    const wchar_t* pathInstance;
    int32_t counter;
    long long value;
};

bool TotalThreads(int64_t* out, int32_t)
{
    return cw::GetTotalThreadCount(out);
}
bool TotalHandles(int64_t* out, int32_t)
{
    return cw::GetTotalHandleCount(out);
}

const ReaderCase kCases[] = {
    {"processor total", cw::GetProcessorTime, -1, cw::kProcessorObject, L"_Total", cw::kProcessorTime, 101},
    {"processor 0", cw::GetProcessorTime, 0, cw::kProcessorObject, L"0", cw::kProcessorTime, 102},
    {"processor 1", cw::GetProcessorTime, 1, cw::kProcessorObject, L"1", cw::kProcessorTime, 103},
    {"user total", cw::GetProcessorUserTime, -1, cw::kProcessorObject, L"_Total", cw::kUserTime, kUserTotal},
    {"user 1", cw::GetProcessorUserTime, 1, cw::kProcessorObject, L"1", cw::kUserTime, 105},
    {"disk read bytes", cw::GetDiskReadBytes, 0, cw::kPhysicalDiskObject, L"0 C:", cw::kDiskReadBytes, 106},
    {"disk write bytes", cw::GetDiskWriteBytes, -1, cw::kPhysicalDiskObject, L"_Total", cw::kDiskWriteBytes, 107},
    {"disk reads", cw::GetDiskReads, 1, cw::kPhysicalDiskObject, L"1 D:", cw::kDiskReads, 108},
    {"disk writes", cw::GetDiskWrites, 0, cw::kPhysicalDiskObject, L"0 C:", cw::kDiskWrites, 109},
    {"disk time", cw::GetDiskTime, -1, cw::kPhysicalDiskObject, L"_Total", cw::kDiskTime, 110},
    {"threads", TotalThreads, -1, cw::kProcessObject, L"_Total", cw::kThreadCount, 111},
    {"handles", TotalHandles, -1, cw::kProcessObject, L"_Total", cw::kHandleCount, 112},
    {"process working set", cw::GetProcessWorkingSet, 1, cw::kProcessObject, L"explorer", cw::kWorkingSet, 114},
    {"process processor", cw::GetProcessProcessorTime, 0, cw::kProcessObject, L"System", cw::kProcessorTime, 115},
    {"process io reads", cw::GetProcessIoReads, 0, cw::kProcessObject, L"System", cw::kIoReadOperations, 116},
    {"process io writes", cw::GetProcessIoWrites, 1, cw::kProcessObject, L"explorer", cw::kIoWriteOperations, 117},
    {"process threads", cw::GetProcessThreadCount, 2, cw::kProcessObject, L"Idle", cw::kThreadCount, 118},
    {"process handles", cw::GetProcessHandleCount, 1, cw::kProcessObject, L"explorer", cw::kHandleCount, 119},
    {"network sent", cw::GetNetworkBytesSent, 0, cw::kNetworkObject, kIntel, cw::kBytesSent, 120},
    {"network received", cw::GetNetworkBytesReceived, 1, cw::kNetworkObject, kRealtek, cw::kBytesReceived, 121},
};


// One scripted system for the whole process: the set-up runs once.
class FakePdhReaders : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        installed_ = FakePdh::Install();
        if (!installed_)
            return;
        FakePdh::Reset();
        cw::SetCounterRegistryRebuild(&CountRebuild);
        cw::SetNetworkConnectionSource(&ConnectionCount, &ConnectionDescription);
        switch (TheLanguage()) {
        case kEnglish:
            FakePdh::SetValid(L"\\Process(_Total)\\% Processor Time");
            FakePdh::SetCounter(L"\\System\\System Up Time", kUpTime);
            break;
        case kGerman:
            FakePdh::SetValid(L"\\Prozess(_Total)\\Prozessorzeit (%)");
            FakePdh::SetCounter(L"\\Prozess(System)\\Verstrichene Zeit", kUpTime);
            break;
        case kIndex:
            FakePdh::SetValid(L"\\230(_Total)\\6");
            FakePdh::SetCounter(L"\\230(System)\\684", kUpTime);
            // The processor form does not validate here, so the total user time is the process one.
            FakePdh::SetInvalid(L"\\238(_Total)\\6");
            FakePdh::SetCounter(L"\\230(_Total)\\142", kUserTotal);
            break;
        }
        const std::vector<std::wstring> processors = {L"0", L"1", L"_Total"};
        Expand(cw::kProcessorObject, cw::kProcessorTime, processors);
        Expand(cw::kProcessorObject, cw::kUserTime, processors);
        const std::vector<std::wstring> disks = {L"0 C:", L"1 D:", L"_Total"};
        for (int32_t k = cw::kDiskReadBytes; k <= cw::kDiskTime; ++k)
            Expand(cw::kPhysicalDiskObject, k, disks);
        Expand(cw::kLogicalDiskObject, cw::kFreeSpace, {L"C:", L"_Total"});
        Expand(cw::kLogicalDiskObject, cw::kFreeMegabytes, {L"C:", L"_Total"});
        Expand(cw::kNetworkObject, cw::kBytesSent, {kIntel, kRealtek});
        Expand(cw::kProcessObject, cw::kProcessId, {L"Idle", L"System", L"explorer", L"Idle", L"_total"});
        for (const ReaderCase& c : kCases)
            FakePdh::SetCounter(PathOf(c.object, c.pathInstance, c.counter).c_str(), c.value);
    }

    void SetUp() override
    {
        if (!installed_)
            GTEST_SKIP() << "another Pdh.dll was bound first in this process";
    }

    static bool ReadsValue(IndexedReader read, int32_t instance, long long expected)
    {
        return WaitFor([&] {
            int64_t value = -1;
            return read(&value, instance) && value == expected;
        });
    }

    static bool installed_;
};
bool FakePdhReaders::installed_ = false;

bool UpTime(int64_t* out, int32_t)
{
    return cw::GetSystemUpTime(out);
}

TEST_F(FakePdhReaders, EachReaderAddsItsExactPathOnceAndReadsItsValue)
{
    // Every counter is added first, so that one collection serves them all.
    for (const ReaderCase& c : kCases) {
        int64_t value = 0;
        c.read(&value, c.instance);
    }
    for (const ReaderCase& c : kCases) {
        EXPECT_TRUE(ReadsValue(c.read, c.instance, c.value)) << c.label;
        const std::wstring path = PathOf(c.object, c.pathInstance, c.counter);
        const bool processForm = TheLanguage() == kIndex && c.read == cw::GetProcessorUserTime && c.instance == -1;
        EXPECT_EQ(processForm ? 0 : 1, FakePdh::Adds(path.c_str())) << c.label;
    }
    EXPECT_TRUE(ReadsValue(UpTime, -1, kUpTime));
    EXPECT_EQ(0, gRebuilds);
}

TEST_F(FakePdhReaders, PathsAreWrittenInTheSystemsLanguage)
{
    int64_t value = 0;
    cw::GetProcessorUserTime(&value, -1);
    cw::GetProcessorTime(&value, -1);
    switch (TheLanguage()) {
    case kEnglish:
        EXPECT_EQ(1, FakePdh::Adds(L"\\Processor(_Total)\\% Processor Time"));
        EXPECT_EQ(1, FakePdh::Adds(L"\\Processor(_Total)\\% User Time"));
        EXPECT_TRUE(cw::EnglishCounterNames);
        break;
    case kGerman:
        EXPECT_EQ(1, FakePdh::Adds(L"\\Prozessor(_Total)\\Benutzerzeit (%)"));
        EXPECT_EQ(1, FakePdh::Adds(L"\\Prozessor(_Total)\\Prozessorzeit (%)"));
        EXPECT_FALSE(cw::EnglishCounterNames);
        break;
    case kIndex:
        EXPECT_EQ(1, FakePdh::Adds(L"\\238(_Total)\\6"));
        EXPECT_EQ(1, FakePdh::Adds(L"\\230(_Total)\\142"));
        EXPECT_EQ(0, FakePdh::Adds(L"\\238(_Total)\\142"));
        break;
    }
    EXPECT_EQ(TheLanguage() != kIndex, cw::ProcessorFormValid);
    EXPECT_FALSE(cw::CounterNamesMissing);
}

TEST_F(FakePdhReaders, InstanceListsLeaveOutTheTotalAndTheFirstIdle)
{
    EXPECT_EQ(2, cw::GetInstanceCount(cw::kProcessorInstances));
    EXPECT_EQ(2, cw::GetInstanceCount(cw::kPhysicalDiskInstances));
    EXPECT_EQ(1, cw::GetInstanceCount(cw::kLogicalDiskInstances));
    EXPECT_EQ(2, cw::GetInstanceCount(cw::kNetworkInstances));
    ASSERT_EQ(3, cw::GetInstanceCount(cw::kProcessInstances));
    StrBuffer* name = StrBuffer::New();
    const wchar_t* const processes[] = {L"System", L"explorer", L"Idle"};
    for (int32_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(cw::GetInstanceName(cw::kProcessInstances, i, name));
        EXPECT_STREQ(processes[i], name->GetText());
    }
    EXPECT_FALSE(cw::GetInstanceName(cw::kProcessInstances, 3, name));
    EXPECT_FALSE(cw::GetInstanceName(cw::kProcessInstances, -1, name));
    name->ReleaseToPool();
}

TEST_F(FakePdhReaders, AnIndexOutsideItsListReadsFalseAndZero)
{
    struct Case {
        const char* label;
        IndexedReader read;
        int32_t instance;
    };
    const Case cases[] = {
        {"processor past the end", cw::GetProcessorTime, 2},
        {"processor below total", cw::GetProcessorTime, -2},
        {"user time far out", cw::GetProcessorUserTime, 1000},
        {"disk past the end", cw::GetDiskReads, 2},
        {"process past the end", cw::GetProcessWorkingSet, 3},
        {"process negative", cw::GetProcessHandleCount, -7},
        {"connection past the end", cw::GetNetworkBytesSent, 3},
    };
    for (const Case& c : cases) {
        int64_t value = 99;
        EXPECT_FALSE(c.read(&value, c.instance)) << c.label;
        EXPECT_EQ(0, value) << c.label;
    }
}

TEST_F(FakePdhReaders, ARejectedPathIsNeverTriedAgain)
{
    const std::wstring missing = PathOf(cw::kPhysicalDiskObject, L"1 D:", cw::kDiskTime);
    for (int i = 0; i < 3; ++i) {
        int64_t value = 99;
        EXPECT_FALSE(cw::GetDiskTime(&value, 1));
        EXPECT_EQ(0, value);
    }
    EXPECT_EQ(1, FakePdh::Adds(missing.c_str()));
    // A connection without a description has no counter either.
    int64_t value = 99;
    EXPECT_FALSE(cw::GetNetworkBytesReceived(&value, 2));
    EXPECT_EQ(0, value);
}

TEST_F(FakePdhReaders, NetworkInstanceNamesAreEscapedAndMatched)
{
    struct Case {
        const wchar_t* description;
        const wchar_t* instance;
    };
    const Case cases[] = {
        {L"Intel(R) PRO/1000 MT Network Connection #2", kIntel},
        {L"  intel(r) pro/1000 mt network connection #2\u3000", kIntel},
        {L"Realtek PCIe GBE Family Controller", kRealtek},
        {L"Unknown (Adapter) #1 / x", L"Unknown [Adapter] _1 _ x"},
        // An empty description names no instance: it must not take the first one by prefix.
        {L"", L""},
        {L" \u3000 ", L""},
    };
    StrBuffer* out = StrBuffer::New();
    for (const Case& c : cases) {
        cw::BuildNetworkInstanceName(c.description, out);
        EXPECT_STREQ(c.instance, out->GetText()) << c.description;
    }
    out->ReleaseToPool();
}

// Last: it changes the instance lists for good.
TEST_F(FakePdhReaders, RefreshKeepsTheCountersOfInstancesThatStay)
{
    int64_t value = 0;
    ASSERT_TRUE(ReadsValue(cw::GetProcessWorkingSet, 1, 114));
    ASSERT_TRUE(ReadsValue(cw::GetProcessProcessorTime, 0, 115));
    Expand(cw::kProcessObject, cw::kProcessId, {L"System", L"notepad", L"Idle", L"explorer"});
    Expand(cw::kProcessorObject, cw::kProcessorTime, {L"0", L"1", L"2", L"_Total"});
    FakePdh::SetCounter(PathOf(cw::kProcessObject, L"notepad", cw::kWorkingSet).c_str(), 130);
    FakePdh::SetCounter(PathOf(cw::kProcessorObject, L"2", cw::kProcessorTime).c_str(), 131);
    cw::RefreshInstances();

    ASSERT_EQ(3, cw::GetInstanceCount(cw::kProcessInstances));
    EXPECT_EQ(3, cw::GetInstanceCount(cw::kProcessorInstances));
    EXPECT_TRUE(ReadsValue(cw::GetProcessWorkingSet, 1, 130));
    EXPECT_TRUE(ReadsValue(cw::GetProcessWorkingSet, 2, 114));
    EXPECT_TRUE(ReadsValue(cw::GetProcessProcessorTime, 0, 115));
    EXPECT_TRUE(ReadsValue(cw::GetProcessorTime, 2, 131));
    EXPECT_TRUE(ReadsValue(cw::GetProcessorTime, 1, 103));
    EXPECT_EQ(1, FakePdh::Adds(PathOf(cw::kProcessObject, L"explorer", cw::kWorkingSet).c_str()));
    EXPECT_EQ(1, FakePdh::Adds(PathOf(cw::kProcessObject, L"System", cw::kProcessorTime).c_str()));
    EXPECT_EQ(1, FakePdh::Adds(PathOf(cw::kProcessorObject, L"1", cw::kProcessorTime).c_str()));
    EXPECT_FALSE(cw::GetProcessWorkingSet(&value, 3));
}

} // namespace
