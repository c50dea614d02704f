// The sensor fields over the real readings, on screen as well: run in a process whose
// hardware-access library is the tests' stand-in (FakeRingFields) and in one without any
// (MissingRingFields).
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "FakeFieldRow.h"
#include "FakeSources.h"
#include "FieldRowsWindow.h"
#include "app/monitor/FieldCatalogue.h"
#include "app/monitor/FieldSources.h"
#include "measurement/sensors/CpuIdentity.h"
#include "support/BoxRecorder.h"
#include "support/FakeRing.h"

using namespace s::system::counter;
using testing_support::BoxRecorder;
using testing_support::FakeRing;

namespace {

bool IsSensorField(const std::wstring& key)
{
    for (const wchar_t* prefix : {L"CPU_TEMP_", L"SYS_TEMP_", L"FAN_SPEED_RPM_"}) {
        if (key.compare(0, wcslen(prefix), prefix) == 0)
            return true;
    }
    return false;
}

// The English name of a sensor row, as the language pack would give it.
std::wstring RowName(const FieldDescription& field)
{
    const std::wstring& key = field.key;
    const std::wstring number = std::to_wstring(field.extraValue + 1);
    if (key == L"CPU_TEMP_C_TOTAL")
        return L"CPU \u00B0C";
    if (key == L"CPU_TEMP_F_TOTAL")
        return L"CPU \u00B0F";
    if (key.compare(0, 11, L"SYS_TEMP_C_") == 0)
        return L"Temp" + number + L" \u00B0C";
    if (key.compare(0, 11, L"SYS_TEMP_F_") == 0)
        return L"Temp" + number + L" \u00B0F";
    return L"Fan" + number + L" RPM";
}

// The value texts of the processor, board-temperature and fan fields after one update, by key,
// with the catalogue built over fakes except the sensor readings themselves. With a name, the
// rows are shown in a window as well and its picture is written under that name.
std::map<std::wstring, std::wstring> UpdateSensorFields(FieldCatalogue* catalogue, const wchar_t* screenshot)
{
    FieldSources& sources = GetFieldSources();
    const FieldSources system = SystemFieldSources();
    sources.cpuTemperature = system.cpuTemperature;
    sources.sensorTemperature = system.sensorTemperature;
    sources.sensorFan = system.sensorFan;
    catalogue->Build(nullptr, nullptr, L"Field");
    std::vector<const FieldDescription*> fields;
    std::vector<std::wstring> names;
    for (const FieldDescription& field : catalogue->GetFields()) {
        if (IsSensorField(field.key)) {
            fields.push_back(&field);
            names.push_back(RowName(field));
        }
    }
    std::map<std::wstring, std::wstring> texts;
    if (!screenshot) {
        for (const FieldDescription* field : fields) {
            FakeFieldRow row(field->displayType);
            row.extraValue = field->extraValue;
            field->callback(&row, nullptr, field->extraValue);
            texts[field->key] = row.value;
        }
        return texts;
    }
    FieldRowsWindow window;
    EXPECT_TRUE(window.Open(names));
    for (size_t i = 0; i < fields.size(); ++i) {
        texts[fields[i]->key] = window.Update(i, fields[i]->callback, fields[i]->displayType, fields[i]->extraValue);
        EXPECT_EQ(texts[fields[i]->key], window.LabelText(i));
    }
    EXPECT_TRUE(window.Save(screenshot));
    return texts;
}

TEST(FakeRingFields, ShowTheProcessorTemperatureThreeBoardTemperaturesAndFiveFans)
{
    ASSERT_TRUE(FakeRing::Install());
    FakeRing::Reset();
    s::system::win::LoadCpuIdentity();
    const bool processorScripted =
        FakeRing::ScriptCpuTemperature(s::system::win::GetCpuIdentityRecord().vendor.GetText(), 47);
    // An ITE chip with sixteen-bit fan counters at 0x2E.
    FakeRing::AddSuperIo(0x2E, FakeRing::kKeyB2E, 0x87, 0x16, 0x01, 0x290);
    FakeRing::AddRegisterFile(0x295, 0x297, false);
    const uint16_t data = 0x297;
    FakeRing::SetRegister(data, 0x0C, 0x30);
    FakeRing::SetRegister(data, 0x29, 41);
    FakeRing::SetRegister(data, 0x2A, 38);
    FakeRing::SetRegister(data, 0x2B, 29);
    const struct {
        int low, high, count;
    } fans[] = {{0x0D, 0x18, 300}, {0x0E, 0x19, 450}, {0x0F, 0x1A, 600}, {0x80, 0x81, 100}, {0x82, 0x83, 200}};
    for (const auto& fan : fans) {
        FakeRing::SetRegister(data, fan.low, static_cast<BYTE>(fan.count & 0xFF));
        FakeRing::SetRegister(data, fan.high, static_cast<BYTE>(fan.count >> 8));
    }

    FakeSourcesScope scope;
    FieldCatalogue catalogue;
    std::map<std::wstring, std::wstring> texts = UpdateSensorFields(&catalogue, L"SensorRowsWithTheStandInLibrary");
    EXPECT_EQ(processorScripted, catalogue.cpuTemperatureReadable);
    EXPECT_EQ(processorScripted, catalogue.Find(L"CPU_TEMP_C_TOTAL")->enabled);
    EXPECT_EQ(processorScripted ? L"47 \u00B0C" : L"-----", texts[L"CPU_TEMP_C_TOTAL"]);
    EXPECT_EQ(processorScripted ? L"116 \u00B0F" : L"-----", texts[L"CPU_TEMP_F_TOTAL"]);
    EXPECT_EQ(L"41 \u00B0C", texts[L"SYS_TEMP_C_0"]);
    EXPECT_EQ(L"38 \u00B0C", texts[L"SYS_TEMP_C_1"]);
    EXPECT_EQ(L"29 \u00B0C", texts[L"SYS_TEMP_C_2"]);
    EXPECT_EQ(L"105 \u00B0F", texts[L"SYS_TEMP_F_0"]);
    EXPECT_EQ(L"100 \u00B0F", texts[L"SYS_TEMP_F_1"]);
    EXPECT_EQ(L"84 \u00B0F", texts[L"SYS_TEMP_F_2"]);
    EXPECT_EQ(L"2,250", texts[L"FAN_SPEED_RPM_0"]);
    EXPECT_EQ(L"1,500", texts[L"FAN_SPEED_RPM_1"]);
    EXPECT_EQ(L"1,125", texts[L"FAN_SPEED_RPM_2"]);
    EXPECT_EQ(L"6,750", texts[L"FAN_SPEED_RPM_3"]);
    EXPECT_EQ(L"3,375", texts[L"FAN_SPEED_RPM_4"]);
    EXPECT_TRUE(BoxRecorder::Take().empty());
}

TEST(MissingRingFields, ShowDashesAfterOneBoxWhileTheCatalogueIsBuilt)
{
    HMODULE probe = LoadLibraryW(L"WinRing0x64.dll");
    if (probe) {
        FreeLibrary(probe);
        GTEST_SKIP() << "a hardware-access library loads in this process";
    }
    BoxRecorder::Take();
    FakeSourcesScope scope;
    FieldCatalogue catalogue;
    std::map<std::wstring, std::wstring> texts = UpdateSensorFields(&catalogue, L"SensorRowsWithoutTheLibrary");
    // The catalogue asks for the processor temperature first: that shows the one box.
    const std::vector<testing_support::RecordedBox> boxes = BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(0u, boxes[0].text.find(L"Failed to Load WinRing0.dll!!\nError Code - "));
    EXPECT_FALSE(catalogue.cpuTemperatureReadable);
    EXPECT_FALSE(catalogue.Find(L"CPU_TEMP_C_TOTAL")->enabled);
    EXPECT_EQ(13u, texts.size());
    for (const auto& text : texts)
        EXPECT_EQ(L"-----", text.second) << text.first;
    // The next refresh shows nothing more.
    FieldCatalogue again;
    UpdateSensorFields(&again, nullptr);
    EXPECT_TRUE(BoxRecorder::Take().empty());
}

} // namespace
