// The drive, disk-temperature and address fields over the real disk list, connection list and
// address finder, whose devices, adapters and address page are scripted. The lists are built once
// per process, so these tests run in a process of their own (ScriptedDevices*).
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "FieldRowsWindow.h"
#include "app/monitor/FieldCallbacks.h"
#include "app/monitor/FieldSources.h"
#include "measurement/hdd/Hdds.h"
#include "measurement/hdd/LogicalDrives.h"
#include "measurement/network/GipFinder.h"
#include "measurement/network/NicConns.h"
#include "../../measurement/hdd/ScriptedDisks.h"
#include "../../measurement/network/ScriptedNetwork.h"

using namespace s::system::counter;
namespace nw = s::system::network::win;

namespace {
bool AnswerPage(const wchar_t*, wchar_t* path, uint32_t, const std::atomic<bool>*)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"gip", 0, path);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const char answer[] = "203.0.113.9\r\n";
    DWORD written = 0;
    WriteFile(file, answer, sizeof(answer) - 1, &written, nullptr);
    CloseHandle(file);
    return true;
}

bool Online()
{
    return true;
}

TEST(ScriptedDevices, TheGadgetShowsAddressesDriveUsageAndTheDiskTemperature)
{
    ScriptedDisksScope disks;
    ScriptedDisk disk;
    disk.model = "PULSE SSD 512";
    disk.entries = {Word(194, 38)};
    Devices().disks[0] = disk;
    ScriptedNetworkScope network;
    network.AddRegistryConnection(L"{E7A1}", L"PCI\\VEN_8086", L"Ethernet");
    ScriptedAdapter adapter;
    adapter.name = "{E7A1}";
    adapter.description = "Intel(R) Ethernet";
    adapter.ip = "192.168.1.20";
    adapter.index = 4;
    Scripted().adapters = {adapter};
    Scripted().interfaces = {{"Intel(R) Ethernet", 0, 4, 0, 0}};
    Scripted().counts64[4] = {5368709120ULL, 1073741824ULL};
    nw::GipFinderCalls savedFinder = nw::GetGipFinderCalls();
    nw::GetGipFinderCalls().isConnected = Online;
    nw::GetGipFinderCalls().download = AnswerPage;
    FieldSources saved = GetFieldSources();
    GetFieldSources() = SystemFieldSources();
    ResetFieldCallbackState();

    const wchar_t* root = s::system::hdd::win::GetFixedDriveRoot(0);
    ASSERT_NE(nullptr, root);
    const std::wstring used = std::to_wstring(s::system::hdd::win::GetDriveUsedPercent(root)) + L"%";
    struct Row {
        std::wstring name;
        FieldUpdateCallback callback;
        int64_t extra;
    } rows[] = {
        {L"Network Local IP", UpdateLocalIp, 0},
        {L"Network IP", UpdateGlobalIp, 0},
        {L"Network Sum", UpdateNetworkSum, -1},
        {L"HDD Usage", UpdateDriveUsed, -1},
        {std::wstring(root) + L" Usage", UpdateDriveUsed, 0},
        {L"HDD \u00B0C", UpdateHddTempC, 0},
        {L"HDD \u00B0F", UpdateHddTempF, 0},
    };
    std::vector<std::wstring> names;
    for (const Row& row : rows)
        names.push_back(row.name);
    FieldRowsWindow window;
    ASSERT_TRUE(window.Open(names));
    std::vector<std::wstring> texts;
    for (size_t i = 0; i < names.size(); ++i)
        texts.push_back(window.Update(i, rows[i].callback, 0, rows[i].extra));
    EXPECT_EQ(L"192.168.1.20", texts[0]);
    // The finder starts at the first refresh and has the address at a later one.
    EXPECT_TRUE(texts[1] == L"finding.." || texts[1] == L"203.0.113.9") << texts[1].c_str();
    for (int32_t waited = 0; waited < 20000 && !nw::GetGipFinder()->IsFound(); waited += 50)
        Sleep(50);
    EXPECT_EQ(L"203.0.113.9", window.Update(1, UpdateGlobalIp, 0, 0));
    EXPECT_EQ(L"6.00 GB", texts[2]);
    EXPECT_EQ(used, texts[4]);
    EXPECT_EQ(L"38 \u00B0C", texts[5]);
    EXPECT_EQ(L"100 \u00B0F", texts[6]);
    EXPECT_EQ(1, s::system::hdd::win::GetHddCount());
    EXPECT_STREQ(L"PULSE SSD 512", s::system::hdd::win::GetHdd(0)->GetName()->GetText());
    EXPECT_TRUE(window.Save(L"GadgetAddressesDrivesAndDiskTemperature"));

    GetFieldSources() = saved;
    nw::GetGipFinder()->Stop(true);
    nw::GetGipFinderCalls() = savedFinder;
}
} // namespace
