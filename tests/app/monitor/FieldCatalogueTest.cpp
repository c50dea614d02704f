#include <gtest/gtest.h>

#include <set>

#include "FakeSources.h"
#include "app/monitor/FieldCatalogue.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/XmlMappedData.h"

using namespace s::system::counter;

namespace {
const wchar_t kSection[] = L"Monitor/Field";

std::vector<std::wstring> Keys(const FieldCatalogue& catalogue)
{
    std::vector<std::wstring> keys;
    for (const FieldDescription& field : catalogue.GetFields())
        keys.push_back(field.key);
    return keys;
}

bool Has(const FieldCatalogue& catalogue, const wchar_t* key)
{
    return catalogue.Find(key) != nullptr;
}

class FieldCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        localizer = s::lang::Localizer::New();
        s::lang::LangPack* pack = s::lang::LangPack::New();
        const wchar_t* months[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                   L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
        for (int32_t m = 0; m < 12; ++m)
            pack->AddText(5000100 + m * 100, months[m]);
        // Saturday is missing from this pack: its name is empty.
        const wchar_t* days[] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri"};
        for (int32_t d = 0; d < 6; ++d)
            pack->AddText(5100100 + d * 100, days[d]);
        pack->AddText(903500, L"\u00A0\u00B0C");
        pack->AddText(903600, L"\u00A0\u00B0F");
        pack->AddText(901100, L"\u00A0IN");
        pack->AddText(905500, L"Local IP");
        pack->AddText(910000, L"\u00A0RPM");
        localizer->AddPack(pack);
        // A store over a file that is never saved.
        settings = s::xml::MappedData::OpenFile(L"C:\\pulsegrid-catalogue-test-never-saved.xml");
    }
    void TearDown() override
    {
        settings->ReleaseToPool();
        localizer->ReleaseToPool();
    }
    FakeSourcesScope scope;
    s::lang::Localizer* localizer = nullptr;
    s::xml::MappedData* settings = nullptr;
};

TEST_F(FieldCatalogueTest, SmallMachineGetsTotalsOnly)
{
    Fake().processors = {L"0"};
    Fake().drives = {L"C:\\"};
    Fake().disks = {L"0 C:"};
    FakeConnection connection;
    Fake().connections = {&connection};
    FieldCatalogue catalogue;
    catalogue.Build(localizer, settings, kSection);
    for (const wchar_t* absent : {L"CPU_USAGE_0", L"DRIVE_USED_0", L"DISK_IO_0", L"NETWORK_IO_0", L"NETWORK_IP_0",
                                  L"HDD_TEMP_C_0"})
        EXPECT_FALSE(Has(catalogue, absent)) << absent;
    EXPECT_TRUE(Has(catalogue, L"DRIVE_FREE_BYTES_0"));
    EXPECT_TRUE(catalogue.Find(L"DRIVE_FREE_BYTES_0")->enabled);
    EXPECT_EQ(L"C:\\", catalogue.Find(L"DRIVE_FREE_BYTES_0")->prefix);
    EXPECT_TRUE(Has(catalogue, L"NETWORK_IP"));
    // The fixed rows, the three temperatures and five fans always, whatever the chips.
    const std::vector<std::wstring> keys = Keys(catalogue);
    EXPECT_EQ(L"COMPUTER_NAME", keys.front());
    EXPECT_EQ(L"BATTERY_LEFT_TOTAL", keys.back());
    EXPECT_EQ(L"DESKTOP-7", catalogue.Find(L"COMPUTER_NAME")->sample);
    for (const wchar_t* key : {L"SYS_TEMP_C_2", L"SYS_TEMP_F_0", L"FAN_SPEED_RPM_4"})
        EXPECT_TRUE(Has(catalogue, key)) << key;
    EXPECT_EQ(L"1\u00A0\u00B0C", catalogue.Find(L"SYS_TEMP_C_0")->suffix);
    EXPECT_EQ(L"5\u00A0RPM", catalogue.Find(L"FAN_SPEED_RPM_4")->suffix);
    std::set<std::wstring> unique(keys.begin(), keys.end());
    EXPECT_EQ(keys.size(), unique.size());
}

TEST_F(FieldCatalogueTest, InstancesAreNumberedAndLabelled)
{
    Fake().processors = {L"0", L"1", L"2", L"3"};
    Fake().drives = {L"C:\\", L"D:\\"};
    Fake().disks = {L"0 C: D:", L"1"};
    FakeHdd first, second;
    second.smart = false;
    FakeHdd third;
    Fake().hdds = {&first, &second, &third};
    FakeConnection a, b;
    Fake().connections = {&a, &b};
    FieldCatalogue catalogue;
    catalogue.Build(localizer, settings, kSection);

    const FieldDescription* core = catalogue.Find(L"CPU_USAGE_3");
    ASSERT_NE(nullptr, core);
    EXPECT_EQ(L"CPU #4", core->prefix);
    EXPECT_EQ(904000, core->labelTextId);
    EXPECT_EQ(3, core->extraValue);
    EXPECT_EQ(2, core->displayType);
    EXPECT_FALSE(core->enabled);
    EXPECT_EQ(L"D:\\", catalogue.Find(L"DRIVE_USED_1")->prefix);
    EXPECT_EQ(L"C: D:", catalogue.Find(L"DISK_IO_0")->prefix);
    EXPECT_EQ(L"HDD1", catalogue.Find(L"DISK_BUSY_1")->prefix);   // an instance name without a space
    EXPECT_EQ(1024, catalogue.Find(L"DISK_IO_READ_1")->maximum);
    EXPECT_EQ(100, catalogue.Find(L"DISK_SEEK_0")->maximum);
    // Disks with S.M.A.R.T. only, numbered by their place in the disk list.
    EXPECT_TRUE(Has(catalogue, L"HDD_TEMP_C_0"));
    EXPECT_FALSE(Has(catalogue, L"HDD_TEMP_C_1"));
    EXPECT_EQ(L"#3\u00A0\u00B0F", catalogue.Find(L"HDD_TEMP_F_2")->suffix);
    EXPECT_EQ(L" #2\u00A0IN", catalogue.Find(L"NETWORK_IO_IN_1")->suffix);
    EXPECT_EQ(905000, catalogue.Find(L"NETWORK_IO_IN_1")->labelTextId);
    EXPECT_EQ(L" #1 Local IP", catalogue.Find(L"NETWORK_IP_0")->suffix);
    EXPECT_FALSE(Has(catalogue, L"NETWORK_IP"));
    // Each network total is followed at once by its per-connection fields.
    const std::vector<std::wstring> keys = Keys(catalogue);
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == L"NETWORK_IO_OUT_MAX_TOTAL") {
            EXPECT_EQ(L"NETWORK_IO_OUT_MAX_0", keys[i + 1]);
            EXPECT_EQ(L"NETWORK_IO_OUT_MAX_1", keys[i + 2]);
        }
    }
    EXPECT_TRUE(catalogue.Find(L"DISK_IO_WRITE_1")->toggleCounterFlag);
    EXPECT_TRUE(catalogue.Find(L"NETWORK_IO_OUT_TOTAL")->toggleCounterFlag);
    EXPECT_FALSE(catalogue.Find(L"NETWORK_IO_OUT_MAX_TOTAL")->toggleCounterFlag);
    EXPECT_FALSE(catalogue.Find(L"DISK_IO_TOTAL")->toggleCounterFlag);
    for (const wchar_t* key : {L"MAIN_VILLAIN", L"CPU_VILLAIN", L"MEM_VILLAIN", L"HDD_VILLAIN", L"THREAD_VILLAIN",
                               L"HANDLE_VILLAIN"})
        EXPECT_TRUE(catalogue.Find(key)->longValue) << key;
}

TEST_F(FieldCatalogueTest, NoConnectionNoAddressField)
{
    FieldCatalogue catalogue;
    catalogue.Build(localizer, settings, kSection);
    EXPECT_FALSE(Has(catalogue, L"NETWORK_IP"));
    EXPECT_FALSE(Has(catalogue, L"NETWORK_IP_0"));
    EXPECT_TRUE(Has(catalogue, L"NETWORK_GIP"));
}

TEST_F(FieldCatalogueTest, DefaultsFollowWhatTheMachineCanRead)
{
    // Every reading available: exactly the eighteen default keys are on.
    Fake().cpuTemperature = 50;
    Fake().adlActivity = 10;
    Fake().adlTemperature = 60;
    FakeHdd disk;
    Fake().hdds = {&disk};
    Fake().drives = {L"C:\\"};
    Fake().power.ACLineStatus = 0;
    FieldCatalogue full;
    full.Build(localizer, settings, kSection);
    std::vector<std::wstring> on;
    for (const FieldDescription& field : full.GetFields()) {
        if (field.enabled)
            on.push_back(field.key);
        EXPECT_EQ(FieldCatalogue::IsDefaultField(field.key.c_str()), field.defaultEnabled) << field.key;
    }
    EXPECT_EQ(18u, on.size());
    EXPECT_TRUE(full.cpuTemperatureReadable && full.gpuUsageReadable && full.gpuTemperatureReadable
                && full.diskTemperatureReadable && full.onBattery);

    // Nothing of it: those defaults are off.
    Fake() = FakeReadings();
    Fake().power.ACLineStatus = 1;
    FieldCatalogue bare;
    bare.Build(localizer, settings, kSection);
    for (const wchar_t* key : {L"CPU_TEMP_C_TOTAL", L"GPU_USAGE_TOTAL", L"GPU_TEMP_C_1", L"BATTERY_LEFT_TOTAL"})
        EXPECT_FALSE(bare.Find(key)->enabled) << key;
    EXPECT_TRUE(FieldCatalogue::IsDefaultField(L"uptime_normal"));
    EXPECT_FALSE(FieldCatalogue::IsDefaultField(L"UPTIME"));
    EXPECT_FALSE(FieldCatalogue::IsDefaultField(nullptr));
}

TEST_F(FieldCatalogueTest, StoredStateWinsOverTheDefault)
{
    settings->SetSection(kSection);
    settings->SetBool(kSection, L"UPTIME_NORMAL", false);
    settings->SetBool(kSection, L"computer_name", true);   // keys in any letter case
    settings->SetString(kSection, L"DATE_TIME", L"not a boolean");
    FieldCatalogue catalogue;
    catalogue.Build(localizer, settings, kSection);
    EXPECT_FALSE(catalogue.Find(L"UPTIME_NORMAL")->enabled);
    EXPECT_TRUE(catalogue.Find(L"COMPUTER_NAME")->enabled);
    EXPECT_FALSE(catalogue.Find(L"DATE_TIME")->enabled);
    EXPECT_TRUE(catalogue.Find(L"BOTTLENECK")->enabled);
    // Without a store or a pack: defaults and empty texts, no crash.
    FieldCatalogue bare;
    bare.Build(nullptr, nullptr, kSection);
    EXPECT_TRUE(bare.Find(L"BOTTLENECK")->enabled);
    EXPECT_TRUE(bare.GetDateNames().names[0].empty());
}

TEST_F(FieldCatalogueTest, DateNamesComeFromThePack)
{
    FieldCatalogue catalogue;
    catalogue.Build(localizer, settings, kSection);
    const DateNameList& names = catalogue.GetDateNames();
    EXPECT_EQ(L"Jan", names.names[0]);
    EXPECT_EQ(L"Dec", names.names[11]);
    EXPECT_EQ(L"Sun", names.names[12]);
    EXPECT_EQ(L"Fri", names.names[17]);
    EXPECT_TRUE(names.names[18].empty());
    const FieldDescription* date = catalogue.Find(L"DATE_TIME");
    EXPECT_TRUE(date->userDataIsBracketFlag);
    EXPECT_EQ(reinterpret_cast<intptr_t>(&names), date->extraValue);
    EXPECT_EQ(UpdateDateTime, date->callback);
}
} // namespace
