#include <gtest/gtest.h>

#include <winternl.h>

#include <string>

#include "ScriptedNetwork.h"
#include "measurement/network/NicConn.h"
#include "measurement/network/NicConns.h"

namespace nw = s::system::network::win;
using s::str::strbuffer::StrBuffer;

namespace {
const wchar_t kGuidA[] = L"{AAAAAAAA-0000-0000-0000-000000000001}";
const wchar_t kGuidB[] = L"{BBBBBBBB-0000-0000-0000-000000000002}";
const wchar_t kGuidC[] = L"{CCCCCCCC-0000-0000-0000-000000000003}";
const wchar_t kGuidD[] = L"{DDDDDDDD-0000-0000-0000-000000000004}";

std::string Narrow(const wchar_t* text)
{
    std::string out;
    for (; *text; ++text)
        out += static_cast<char>(*text);
    return out;
}

ScriptedAdapter Adapter(const wchar_t* guid, const char* description, DWORD index)
{
    ScriptedAdapter a;
    a.name = Narrow(guid);
    a.description = description;
    a.index = index;
    a.mac = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    a.ip = "192.168.1." + std::to_string(index);
    a.mask = "255.255.255.0";
    a.gateway = "192.168.1.1";
    a.dns = {"192.168.1.1", "8.8.4.4"};
    return a;
}

// A list of its own over the scripted network, stopped and given back at the end.
class NicConnTest : public ::testing::Test {
protected:
    void TearDown() override { list.Clear(); }

    std::wstring Text(bool (s::system::network::INicConn::*getter)(StrBuffer*), s::system::network::INicConn* c)
    {
        StrBuffer* text = StrBuffer::New();
        text->Assign(L"untouched");
        const bool ok = (c->*getter)(text);
        const std::wstring result = ok ? text->GetText() : L"<false:" + std::wstring(text->GetText()) + L">";
        text->ReleaseToPool();
        return result;
    }

    ScriptedNetworkScope scope;
    nw::NicConnList list;
};

TEST_F(NicConnTest, RegistryConnectionsComeFirstThenNumberedVirtualOnesInAdapterOrder)
{
    scope.AddRegistryConnection(kGuidB, L"PCI\\VEN_8086", L"Local Area Connection");
    Scripted().adapters = {Adapter(kGuidA, "First adapter", 1), Adapter(kGuidB, "Second adapter", 2),
                           Adapter(kGuidC, "Third adapter", 3)};
    nw::LoadNicConns(&list);
    ASSERT_EQ(3, list.GetCount());
    struct Expected {
        const wchar_t* name;
        const wchar_t* adapter;
        bool isVirtual;
    } expected[] = {
        {L"Local Area Connection", kGuidB, false},
        {L"Virtual Connection 1", kGuidA, true},
        {L"Virtual Connection 2", kGuidC, true},
    };
    for (int32_t i = 0; i < 3; ++i) {
        s::system::network::INicConn* c = list.Get(i);
        EXPECT_STREQ(expected[i].name, c->GetName()->GetText()) << i;
        EXPECT_STREQ(expected[i].adapter, c->GetAdapterId()->GetText()) << i;
        EXPECT_EQ(expected[i].isVirtual, c->IsVirtual()) << i;
        EXPECT_TRUE(c->IsValid()) << i;
    }
    EXPECT_STREQ(L"PCI\\VEN_8086", list.Get(0)->GetPnpInstanceId()->GetText());
    EXPECT_EQ(nullptr, list.Get(3));
    EXPECT_EQ(nullptr, list.Get(-1));
}

TEST_F(NicConnTest, ConnectionNamesAreOpenedWithReadRightsOnly)
{
    scope.AddRegistryConnection(kGuidA, L"PCI\\VEN_10EC", L"Ethernet");
    Scripted().adapters = {Adapter(kGuidA, "Realtek", 1)};
    nw::LoadNicConns(&list);
    ASSERT_EQ(1, list.GetCount());
    EXPECT_FALSE(list.Get(0)->IsVirtual());
    ASSERT_FALSE(Scripted().accesses.empty());
    for (REGSAM access : Scripted().accesses)
        EXPECT_EQ(static_cast<REGSAM>(KEY_READ), access);
}

TEST_F(NicConnTest, NamesOfAnotherTypeOrWithoutTerminatorAreIgnored)
{
    scope.AddRegistryConnection(kGuidA, L"PCI\\1", L"Good");
    HKEY number = scope.OpenConnectionKey(kGuidB);
    const DWORD value = 5;
    RegSetValueExW(number, L"PnpInstanceID", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"PCI\\2"), 12);
    RegSetValueExW(number, L"Name", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(number);
    HKEY unterminated = scope.OpenConnectionKey(kGuidC);
    RegSetValueExW(unterminated, L"PnpInstanceID", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"PCI\\3"), 12);
    // Stored through the native call: the Win32 one may add the terminator itself.
    typedef LONG(NTAPI * SetValue)(HANDLE, UNICODE_STRING*, ULONG, ULONG, PVOID, ULONG);
    SetValue setValue = reinterpret_cast<SetValue>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtSetValueKey")));
    ASSERT_NE(nullptr, setValue);
    wchar_t valueName[] = L"Name";
    UNICODE_STRING name = {8, 10, valueName};
    wchar_t cut[] = L"Cut";
    ASSERT_EQ(0, setValue(unterminated, &name, 0, REG_SZ, cut, 6));
    RegCloseKey(unterminated);
    Scripted().adapters = {Adapter(kGuidA, "A", 1), Adapter(kGuidB, "B", 2), Adapter(kGuidC, "C", 3)};
    nw::LoadNicConns(&list);
    ASSERT_EQ(3, list.GetCount());
    EXPECT_STREQ(L"Good", list.Get(0)->GetName()->GetText());
    EXPECT_STREQ(L"Virtual Connection 1", list.Get(1)->GetName()->GetText());
    EXPECT_STREQ(kGuidB, list.Get(1)->GetAdapterId()->GetText());
    EXPECT_STREQ(L"Virtual Connection 2", list.Get(2)->GetName()->GetText());
}

TEST_F(NicConnTest, AdapterTextsAreReadFromTheAdapterAndItsDnsList)
{
    ScriptedAdapter a = Adapter(kGuidA, "Intel(R) Ethernet   ", 7);
    a.dhcp = true;
    a.dhcpServer = "192.168.1.254";
    a.wins = true;
    a.primaryWins = "10.0.0.1";
    a.secondaryWins = "10.0.0.2";
    ScriptedAdapter b = Adapter(kGuidB, "Wireless", 8);
    b.dns = {"1.1.1.1"};
    Scripted().adapters = {a, b};
    nw::LoadNicConns(&list);
    ASSERT_EQ(2, list.GetCount());
    s::system::network::INicConn* c = list.Get(0);
    using I = s::system::network::INicConn;
    EXPECT_EQ(L"Intel(R) Ethernet", Text(&I::GetDescription, c));
    EXPECT_EQ(L"00:1A:2B:3C:4D:5E", Text(&I::GetMacAddress, c));
    EXPECT_EQ(L"192.168.1.7", Text(&I::GetIpAddress, c));
    EXPECT_EQ(L"255.255.255.0", Text(&I::GetSubnetMask, c));
    EXPECT_EQ(L"192.168.1.1", Text(&I::GetGateway, c));
    EXPECT_EQ(L"192.168.1.1", Text(&I::GetDnsServer1, c));
    EXPECT_EQ(L"8.8.4.4", Text(&I::GetDnsServer2, c));
    EXPECT_EQ(L"192.168.1.254", Text(&I::GetDhcpServer, c));
    EXPECT_EQ(L"10.0.0.1", Text(&I::GetPrimaryWins, c));
    EXPECT_EQ(L"10.0.0.2", Text(&I::GetSecondaryWins, c));
    bool flag = false;
    EXPECT_TRUE(c->IsDhcpEnabled(&flag));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(c->HasWins(&flag));
    EXPECT_TRUE(flag);
    // One DNS server leaves the second empty; no DHCP or WINS leaves their texts empty.
    s::system::network::INicConn* w = list.Get(1);
    EXPECT_EQ(L"1.1.1.1", Text(&I::GetDnsServer1, w));
    EXPECT_EQ(L"", Text(&I::GetDnsServer2, w));
    EXPECT_EQ(L"", Text(&I::GetDhcpServer, w));
    EXPECT_EQ(L"", Text(&I::GetPrimaryWins, w));
    EXPECT_TRUE(w->IsDhcpEnabled(&flag));
    EXPECT_FALSE(flag);
}

TEST_F(NicConnTest, HardwareAddressesAndFieldsBeyondTheirArraysAreCut)
{
    ScriptedAdapter a = Adapter(kGuidA, "", 1);
    a.description = std::string(200, 'x');
    a.mac = {1, 2, 3, 4, 5, 6, 7, 8};
    a.macLength = 64;
    a.ip = "1234567890123456789";
    ScriptedAdapter b = Adapter(kGuidB, "Short", 2);
    b.mac = {0xAB};
    ScriptedAdapter c = Adapter(kGuidC, "None", 3);
    c.mac = {};
    Scripted().adapters = {a, b, c};
    nw::LoadNicConns(&list);
    ASSERT_EQ(3, list.GetCount());
    using I = s::system::network::INicConn;
    EXPECT_EQ(L"01:02:03:04:05:06:07:08", Text(&I::GetMacAddress, list.Get(0)));
    EXPECT_EQ(std::wstring(132, L'x'), Text(&I::GetDescription, list.Get(0)));
    EXPECT_EQ(L"1234567890123456", Text(&I::GetIpAddress, list.Get(0)));
    EXPECT_EQ(L"AB", Text(&I::GetMacAddress, list.Get(1)));
    EXPECT_EQ(L"", Text(&I::GetMacAddress, list.Get(2)));
}

TEST_F(NicConnTest, ARegistryOnlyAdapterStaysInvalidAndItsGettersAnswerFalse)
{
    scope.AddRegistryConnection(kGuidD, L"PCI\\GONE", L"Unplugged");
    Scripted().adapters = {Adapter(kGuidA, "Present", 1)};
    Scripted().interfaces = {{"Present", 0, 1, 10, 20}};
    nw::LoadNicConns(&list);
    ASSERT_EQ(2, list.GetCount());
    s::system::network::INicConn* gone = list.Get(0);
    EXPECT_STREQ(L"Unplugged", gone->GetName()->GetText());
    EXPECT_FALSE(gone->IsValid());
    using I = s::system::network::INicConn;
    for (auto getter : {&I::GetDescription, &I::GetMacAddress, &I::GetIpAddress, &I::GetSubnetMask, &I::GetGateway,
                        &I::GetDnsServer1, &I::GetDnsServer2, &I::GetDhcpServer, &I::GetPrimaryWins,
                        &I::GetSecondaryWins})
        EXPECT_EQ(L"<false:untouched>", Text(getter, gone));
    bool flag = true;
    EXPECT_FALSE(gone->IsDhcpEnabled(&flag));
    EXPECT_FALSE(gone->HasWins(&flag));
    EXPECT_TRUE(flag);
    int64_t octets = 7;
    EXPECT_FALSE(gone->GetTotalOctets(&octets));
    EXPECT_TRUE(list.Get(1)->GetTotalOctets(&octets));
    EXPECT_EQ(30, octets);
}

TEST_F(NicConnTest, AnAdapterThatGoesAndComesBackChangesValidity)
{
    Scripted().adapters = {Adapter(kGuidA, "Flaky", 1)};
    nw::LoadNicConns(&list);
    ASSERT_EQ(1, list.GetCount());
    s::system::network::INicConn* c = list.Get(0);
    EXPECT_TRUE(c->IsValid());
    Scripted().adaptersResult = ERROR_NOT_SUPPORTED;
    c->RefreshAdapterInfo();
    EXPECT_FALSE(c->IsValid());
    Scripted().adaptersResult = NO_ERROR;
    Scripted().adapters[0].ip = "10.1.2.3";
    c->RefreshAdapterInfo();
    EXPECT_TRUE(c->IsValid());
    using I = s::system::network::INicConn;
    EXPECT_EQ(L"10.1.2.3", Text(&I::GetIpAddress, c));
}

TEST(NicConnPeaks, PeaksOnlyRiseAndNeverFall)
{
    nw::NicConn* c = nw::NicConn::New();
    ASSERT_NE(nullptr, c);
    const int64_t rates[] = {100, 50, 0, -5, 100, 5000000000LL, 7};
    int64_t highest = 0;
    for (int64_t rate : rates) {
        c->RaisePeakTotal(rate);
        c->RaisePeakReceived(rate / 2);
        c->RaisePeakSent(rate * 2);
        highest = rate > highest ? rate : highest;
        EXPECT_EQ(highest, c->GetPeakTotal()) << rate;
        EXPECT_EQ(highest / 2, c->GetPeakReceived()) << rate;
        EXPECT_EQ(highest * 2, c->GetPeakSent()) << rate;
    }
    // A connection given back starts again from nothing.
    c->ReleaseToPool();
    nw::NicConn* again = nw::NicConn::New();
    EXPECT_EQ(0, again->GetPeakTotal());
    again->ReleaseToPool();
}

TEST_F(NicConnTest, OctetsComeFromTheInterfaceRowWithTheSameDescription)
{
    Scripted().adapters = {Adapter(kGuidA, "Intel Ethernet", 1), Adapter(kGuidB, "Wifi Adapter", 2),
                           Adapter(kGuidC, "Unlisted", 3)};
    ScriptedInterface padded{std::string("WIFI ADAPTER  \0\0", 16), 16, 12, 1000, 2000};
    Scripted().interfaces = {{"Loopback", 0, 10, 1, 1}, {"Intel Ethernet Extra", 0, 11, 5, 5}, padded,
                             {"intel ethernet", 0, 13, 300, 400}};
    Scripted().has64 = false;
    nw::GetIpHelperCalls().getIfOctets64 = nullptr;
    nw::LoadNicConns(&list);
    struct Case {
        int32_t connection;
        bool found;
        int64_t total, in, out;
    } cases[] = {
        {0, true, 700, 300, 400},   // letter case ignored, a longer description is another interface
        {1, true, 3000, 1000, 2000}, // trailing blanks and NULs of the row ignored
        {2, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        s::system::network::INicConn* connection = list.Get(c.connection);
        int64_t total = -1, in = -1, out = -1;
        EXPECT_EQ(c.found, connection->GetTotalOctets(&total)) << c.connection;
        EXPECT_EQ(c.found, connection->GetInOctets(&in)) << c.connection;
        EXPECT_EQ(c.found, connection->GetOutOctets(&out)) << c.connection;
        EXPECT_EQ(c.total, total) << c.connection;
        EXPECT_EQ(c.in, in) << c.connection;
        EXPECT_EQ(c.out, out) << c.connection;
    }
}

TEST_F(NicConnTest, SumsBeyondFourGibibytesComeFromTheSameInterfacesWideCounters)
{
    Scripted().adapters = {Adapter(kGuidA, "Fast", 1), Adapter(kGuidB, "Old", 2)};
    Scripted().interfaces = {{"Fast", 0, 21, 5, 6}, {"Old", 0, 22, 7, 8}};
    Scripted().counts64[21] = {6000000000ULL, 5000000000ULL};
    nw::LoadNicConns(&list);
    int64_t in = 0, out = 0, total = 0;
    ASSERT_TRUE(list.Get(0)->GetInOctets(&in));
    ASSERT_TRUE(list.Get(0)->GetOutOctets(&out));
    ASSERT_TRUE(list.Get(0)->GetTotalOctets(&total));
    EXPECT_EQ(6000000000LL, in);
    EXPECT_EQ(5000000000LL, out);
    EXPECT_EQ(11000000000LL, total);
    // Without the interface's wide counters the row's own counts answer.
    ASSERT_TRUE(list.Get(1)->GetTotalOctets(&total));
    EXPECT_EQ(15, total);
}

TEST_F(NicConnTest, AnInterfaceDescriptionLongerThanItsArrayIsCutToIt)
{
    const std::string longName(300, 'n');
    Scripted().adapters = {Adapter(kGuidA, "n", 1)};
    Scripted().interfaces = {{longName, 5000, 31, 1, 2}, {"n", 0, 32, 3, 4}};
    nw::LoadNicConns(&list);
    int64_t total = 0;
    ASSERT_TRUE(list.Get(0)->GetTotalOctets(&total));
    EXPECT_EQ(7, total);
}

TEST_F(NicConnTest, TheWorkerRefreshesAndStopsPromptly)
{
    Scripted().adapters = {Adapter(kGuidA, "Worker", 1)};
    nw::LoadNicConns(&list);
    const int32_t afterLoad = Scripted().adapterCalls;
    // The first refresh after 3,000 ms; generous for a loaded machine.
    for (int32_t waited = 0; waited < 20000 && Scripted().adapterCalls == afterLoad; waited += 100)
        Sleep(100);
    EXPECT_GT(Scripted().adapterCalls, afterLoad);
    const DWORD start = GetTickCount();
    list.Get(0)->StopSampler(true);
    EXPECT_LT(GetTickCount() - start, 5000u);
}
} // namespace
