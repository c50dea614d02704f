#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptedDisks.h"
#include "measurement/hdd/Hdd.h"
#include "measurement/hdd/Hdds.h"

namespace hw = s::system::hdd::win;
using s::system::hdd::IHdd;
using s::str::strarray::StrArray;

namespace {
std::vector<std::wstring> Lines(StrArray* lines)
{
    std::vector<std::wstring> out;
    for (uint32_t i = 0; lines && i < lines->GetCount(); ++i)
        out.push_back(lines->Get(i)->GetText());
    if (lines)
        lines->ReleaseToPool();
    return out;
}

class HddTest : public ::testing::Test {
protected:
    void TearDown() override { list.Clear(); }

    ScriptedDisksScope scope;
    hw::HddList list;
};

TEST(HddSlots, EveryKeptAttributeHasItsSlotAndOthersNone)
{
    struct Case {
        int id;
        int32_t slot;
    } cases[] = {
        {1, 0}, {2, 1}, {3, 2}, {13, 12}, {191, 13}, {221, 13}, {192, 14}, {193, 15}, {225, 15}, {194, 16},
        {195, 17}, {209, 31}, {220, 32}, {222, 33}, {223, 34}, {224, 35}, {226, 36}, {227, 37}, {228, 38},
        {230, 39}, {240, 40}, {250, 41}, {231, 45}, {178, 48},
        {0, -1}, {14, -1}, {177, -1}, {190, -1}, {210, -1}, {229, -1}, {232, -1}, {241, -1}, {255, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.slot, hw::Hdd::SlotOf(static_cast<uint8_t>(c.id))) << c.id;
}

TEST(HddSlots, EntriesAreStoredByTheirIdsRules)
{
    hw::Hdd* disk = hw::Hdd::New();
    ASSERT_NE(nullptr, disk);
    const AttributeEntry entries[] = {
        Entry(194, {0x1E, 0, 0, 0, 0x23, 0}),    // 30, lowest 0, highest 35
        Entry(231, {0x28, 0, 0x50, 0, 0x14, 0}), // 40, lowest 20, highest 80
        Entry(1, {1, 2, 3, 4, 5, 6}),            // the whole 48-bit raw value
        Entry(3, {0x10, 0, 0x22, 0, 0, 0}),      // first word, second word kept apart
        Entry(5, {0x10, 0, 0x22, 0, 0, 0}),      // raw
        Entry(240, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),
        Entry(178, {0x2A, 0, 9, 0, 9, 0}),       // first word only
        Entry(0, {9, 9, 9, 9, 9, 9}),            // empty entry
        Entry(100, {9, 9, 9, 9, 9, 9}),          // unknown id
    };
    for (const AttributeEntry& e : entries)
        disk->StoreAttribute(e.data());
    struct Case {
        int32_t slot;
        int64_t value;
    } cases[] = {
        {16, 30}, {43, 0}, {44, 35}, {45, 40}, {46, 20}, {47, 80},
        {0, 0x060504030201LL}, {2, 0x10}, {42, 0x22}, {4, 0x220010}, {40, 0x7FFFFFFFFFFFLL}, {48, 42},
        {3, IHdd::kUnknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.value, disk->GetSlot(c.slot)) << c.slot;
    EXPECT_EQ(30, disk->GetAttribute194());
    EXPECT_EQ(0, disk->GetAttribute194Min());
    EXPECT_EQ(35, disk->GetAttribute194Max());
    EXPECT_EQ(40, disk->GetAttribute231());
    EXPECT_EQ(20, disk->GetAttribute231Min());
    EXPECT_EQ(80, disk->GetAttribute231Max());
    // A plain value (raw equal to its first word) leaves the lowest and highest alone.
    disk->StoreAttribute(Word(194, 33).data());
    EXPECT_EQ(33, disk->GetAttribute194());
    EXPECT_EQ(35, disk->GetAttribute194Max());
    disk->ReleaseToPool();
}

TEST(HddTemperature, EveryRuleOfTheTemperature)
{
    struct Case {
        std::vector<AttributeEntry> entries;
        const char* firmware;
        int32_t celsius, fahrenheit;
    } cases[] = {
        {{}, "X", IHdd::kNoTemperature, IHdd::kNoTemperature},        // before any read
        {{Word(194, 45)}, "X", 45, 113},
        {{Word(194, 450)}, "X", 45, 113},                             // tenths above 200
        {{Word(194, 454)}, "X", 45, 113},
        {{Word(194, 455)}, "X", 46, 114},
        {{Word(194, 200)}, "X", 200, 392},
        {{Word(194, 201)}, "X", 20, 68},
        {{Word(194, -30)}, "X", 30, 86},                              // negative read as positive
        {{Word(194, -1)}, "X", 1, 33},
        {{Word(231, 40)}, "X", 40, 104},                              // 194 unknown: 231
        {{Word(194, 35), Word(231, 40)}, "X", 35, 95},
        {{Word(194, 35), Word(178, 52)}, "VAM05D1Q", 52, 125},        // that firmware reads 178
        {{Word(194, 35), Word(178, 52)}, "vam05d1q", 52, 125},
        {{Word(194, 35)}, "VAM05D1Q", IHdd::kNoTemperature, IHdd::kNoTemperature},
        {{Word(194, 0)}, "X", 0, 32},
        {{Word(194, -5)}, "X", 5, 41},
    };
    for (const Case& c : cases) {
        ScriptedDisksScope scope;
        ScriptedDisk disk;
        disk.firmware = c.firmware;
        disk.entries = c.entries;
        Devices().disks[0] = disk;
        hw::HddList list;
        if (!c.entries.empty())
            hw::LoadHdds(&list);
        IHdd* hdd = list.GetCount() ? list.Get(0) : nullptr;
        hw::Hdd* fresh = hdd ? nullptr : hw::Hdd::New();
        IHdd* read = hdd ? hdd : fresh;
        EXPECT_EQ(c.celsius, read->GetTemperature()) << c.firmware << " " << c.celsius;
        EXPECT_EQ(c.fahrenheit, read->GetTemperatureFahrenheit()) << c.firmware << " " << c.celsius;
        if (fresh)
            fresh->ReleaseToPool();
        list.Clear();
    }
}

TEST_F(HddTest, DisksThatOpenAndAnswerTheirGeometryAreListedInDriveOrder)
{
    Devices().disks[0] = ScriptedDisk();
    Devices().disks[2] = ScriptedDisk();
    Devices().disks[2].model = "SECOND";
    Devices().disks[3].geometry = false;
    Devices().disks[5].opens = false;
    Devices().disks[7] = ScriptedDisk();
    Devices().disks[7].model = "THIRD";
    Devices().disks[7].cylinders = 7;
    hw::LoadHdds(&list);
    ASSERT_EQ(3, list.GetCount());
    const int32_t drives[] = {0, 2, 7};
    const wchar_t* names[] = {L"SCRIPTED DISK", L"SECOND", L"THIRD"};
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(static_cast<uint32_t>(i), list.Get(i)->GetIndex());
        EXPECT_EQ(drives[i], list.Get(i)->GetDriveNumber());
        EXPECT_STREQ(names[i], list.Get(i)->GetName()->GetText());
    }
    IHdd* third = list.Get(2);
    EXPECT_EQ(7 * 255 * 63 * 512LL, third->GetSizeBytes());
    EXPECT_EQ(third->GetSizeBytes() / 1024, third->GetSizeKilobytes());
    EXPECT_EQ(255u, third->GetTracksPerCylinder());
    // The geometry is asked with access 0, the read with read and write access.
    EXPECT_EQ(0u, Devices().openAccesses[0]);
    EXPECT_EQ(static_cast<DWORD>(GENERIC_READ | GENERIC_WRITE), Devices().openAccesses[1]);
}

TEST_F(HddTest, TheProtocolSendsItsControlCodesAndCommandBlocks)
{
    Devices().disks[1] = ScriptedDisk();
    hw::LoadHdds(&list);
    ASSERT_EQ(1, list.GetCount());
    const std::vector<DeviceCall>& calls = Devices().calls;
    ASSERT_EQ(5u, calls.size());
    EXPECT_EQ(0x70000u, calls[0].code);
    EXPECT_EQ(24u, calls[0].outSize);
    EXPECT_EQ(0x74080u, calls[1].code);
    EXPECT_EQ(24u, calls[1].outSize);
    struct Expected {
        DWORD code, inSize, outSize, bufferSize;
        uint8_t features, cylinderLow, cylinderHigh, command;
    } expected[] = {
        {0x7C084, 32, 16, 0, 0xD8, 0x4F, 0xC2, 0xB0},
        {0x7C088, 32, 528, 512, 0x00, 0x00, 0x00, 0xEC},
        {0x7C088, 32, 528, 512, 0xD0, 0x4F, 0xC2, 0xB0},
    };
    for (int32_t i = 0; i < 3; ++i) {
        const DeviceCall& c = calls[2 + i];
        const Expected& e = expected[i];
        EXPECT_EQ(e.code, c.code) << i;
        EXPECT_EQ(e.inSize, c.inSize) << i;
        EXPECT_EQ(e.outSize, c.outSize) << i;
        EXPECT_EQ(e.bufferSize, c.bufferSize) << i;
        EXPECT_EQ(e.features, c.features) << i;
        EXPECT_EQ(1, c.count) << i;
        EXPECT_EQ(1, c.number) << i;
        EXPECT_EQ(e.cylinderLow, c.cylinderLow) << i;
        EXPECT_EQ(e.cylinderHigh, c.cylinderHigh) << i;
        EXPECT_EQ(0xB0, c.driveHead) << i; // odd drive number
        EXPECT_EQ(e.command, c.command) << i;
        EXPECT_EQ(1, c.driveNumber) << i;
    }
    IHdd* disk = list.Get(0);
    EXPECT_TRUE(disk->IsAccessible());
    EXPECT_TRUE(disk->HasVersionIoControl());
    EXPECT_TRUE(disk->HasSmart());
    EXPECT_TRUE(disk->HasIdentifyCommand());
    EXPECT_TRUE(disk->HasDeviceInfo());
    EXPECT_EQ(0x3FFFu, disk->GetDeviceInfoValue());
    EXPECT_STREQ(L"FW1", disk->GetFirmware()->GetText());
    EXPECT_STREQ(L"SN42", disk->GetSerial()->GetText());
}

TEST_F(HddTest, APacketDeviceIsIdentifiedWithItsOwnCommandAndAnEvenDriveWithItsHead)
{
    Devices().disks[0] = ScriptedDisk();
    Devices().disks[0].deviceMap = 0x10;
    hw::LoadHdds(&list);
    ASSERT_EQ(1, list.GetCount());
    const DeviceCall& identify = Devices().calls[3];
    EXPECT_EQ(0xA1, identify.command);
    EXPECT_EQ(0xA0, identify.driveHead);
    EXPECT_FALSE(list.Get(0)->HasDeviceInfo());
    EXPECT_EQ(0u, list.Get(0)->GetDeviceInfoValue());
}

TEST_F(HddTest, AFailingStepLeavesItsFlagFalseAndTheOthersRun)
{
    Devices().disks[0] = ScriptedDisk();
    Devices().disks[0].enable = false;
    Devices().disks[0].identify = false;
    Devices().disks[0].entries = {Word(194, 41)};
    Devices().disks[1] = ScriptedDisk();
    Devices().disks[1].version = false;
    Devices().disks[2] = ScriptedDisk();
    Devices().disks[2].opensForReading = false;
    hw::LoadHdds(&list);
    ASSERT_EQ(3, list.GetCount());
    IHdd* noSmart = list.Get(0);
    EXPECT_FALSE(noSmart->HasSmart());
    EXPECT_FALSE(noSmart->HasIdentifyCommand());
    EXPECT_EQ(41, noSmart->GetTemperature());
    EXPECT_STREQ(L"", noSmart->GetName()->GetText());
    EXPECT_TRUE(list.Get(1)->IsAccessible());
    EXPECT_FALSE(list.Get(1)->HasVersionIoControl());
    EXPECT_FALSE(list.Get(1)->HasSmart());
    EXPECT_FALSE(list.Get(2)->IsAccessible());
    EXPECT_EQ(IHdd::kNoTemperature, list.Get(2)->GetTemperature());
    // A disk that could not be opened is not tried again.
    const size_t opens = Devices().openAccesses.size();
    list.Get(2)->ReadSmart(nullptr);
    EXPECT_EQ(opens, Devices().openAccesses.size());
}

TEST_F(HddTest, IdentifyTextsAreReadWithinTheirBytesAndTrimmed)
{
    std::vector<uint8_t> block(512, 0);
    // Model: no terminator, every byte a letter; firmware: control characters around the text.
    for (int i = 54; i < 94; ++i)
        block[i] = 'M';
    const char firmware[8] = {'\x01', 'V', 'A', '\t', ' ', 'F', '\x7F', '\0'}; // as bytes in the block
    for (int i = 0; i < 8; ++i)
        block[46 + i] = static_cast<uint8_t>(firmware[i]);
    for (int i = 20; i < 40; ++i)
        block[i] = ' ';
    Devices().disks[0] = ScriptedDisk();
    Devices().disks[0].identifyBlock = block;
    hw::LoadHdds(&list);
    ASSERT_EQ(1, list.GetCount());
    IHdd* disk = list.Get(0);
    EXPECT_EQ(std::wstring(40, L'M'), disk->GetName()->GetText());
    // Swapped words give "V", 0x01, TAB, "A", "F", " ", NUL, DEL: the controls read as blanks.
    EXPECT_STREQ(L"V  AF", disk->GetFirmware()->GetText());
    EXPECT_STREQ(L"", disk->GetSerial()->GetText());
}

TEST_F(HddTest, TheDiskIsReadAtMostOncePerFiveSecondsWhateverTheRequests)
{
    Devices().disks[0] = ScriptedDisk();
    Devices().disks[0].entries = {Word(194, 40)};
    hw::LoadHdds(&list);
    ASSERT_EQ(1, Devices().attributeReads);
    Devices().disks[0].entries = {Word(194, 44)};
    IHdd* disk = list.Get(0);
    for (int32_t i = 0; i < 100; ++i) {
        disk->RequestRefresh();
        Sleep(20);
        if (i == 0) {
            for (int32_t waited = 0; waited < 10000 && Devices().attributeReads < 2; waited += 10)
                Sleep(10);
        }
    }
    EXPECT_EQ(2, Devices().attributeReads);
    EXPECT_EQ(44, disk->GetTemperature());
    // After the pause the pending request is served.
    for (int32_t waited = 0; waited < 20000 && Devices().attributeReads < 3; waited += 50)
        Sleep(50);
    EXPECT_EQ(3, Devices().attributeReads);
}

DWORD WINAPI ReleaseList(void* list)
{
    static_cast<hw::HddList*>(list)->Clear();
    return 0;
}

TEST_F(HddTest, AReleaseDuringAReadFinishesWithoutDeadlock)
{
    Devices().disks[0] = ScriptedDisk();
    hw::LoadHdds(&list);
    ASSERT_EQ(1, list.GetCount());
    Devices().disks[0].attributeDelayMs = 1500;
    list.Get(0)->RequestRefresh();
    for (int32_t waited = 0; waited < 10000 && Devices().calls.size() < 10; waited += 10)
        Sleep(10);
    // The worker is inside its read (the attribute request takes 1.5 s); the release waits for it.
    HANDLE releaser = CreateThread(nullptr, 0, ReleaseList, &list, 0, nullptr);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(releaser, 20000));
    CloseHandle(releaser);
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(0, Devices().openHandles);
}

DWORD WINAPI ReadOnce(void* disk)
{
    static_cast<IHdd*>(disk)->ReadSmart(nullptr);
    return 0;
}

TEST_F(HddTest, TwoReadersNeverHoldTheDeviceAtOnce)
{
    Devices().disks[0] = ScriptedDisk();
    hw::LoadHdds(&list);
    Devices().disks[0].attributeDelayMs = 300;
    Devices().mostOpenAtOnce = 0;
    HANDLE readers[4];
    for (HANDLE& reader : readers)
        reader = CreateThread(nullptr, 0, ReadOnce, list.Get(0), 0, nullptr);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(4, readers, TRUE, 20000));
    for (HANDLE reader : readers)
        CloseHandle(reader);
    EXPECT_EQ(1, Devices().mostOpenAtOnce);
    EXPECT_EQ(0, Devices().openHandles);
    // The device is free again afterwards.
    const int32_t reads = Devices().attributeReads;
    list.Get(0)->ReadSmart(nullptr);
    EXPECT_EQ(reads + 1, Devices().attributeReads);
}

TEST_F(HddTest, TheReportListsEachDiskAndAFreshReadOfItsAttributes)
{
    Devices().disks[0] = ScriptedDisk();
    Devices().disks[0].entries = {Entry(194, {0x1E, 0, 0, 0, 0x23, 0}), Entry(0, {1, 1, 1, 1, 1, 1}), Word(9, 1234),
                                  Entry(231, {0x28, 0, 0, 0, 0, 0})};
    Devices().disks[3] = ScriptedDisk();
    Devices().disks[3].enable = false;
    Devices().disks[3].identify = false;
    Devices().disks[3].attributes = false;
    hw::LoadHdds(&list);
    const std::vector<std::wstring> expected = {
        L"[HDD]",
        L"#0", L"Name: SCRIPTED DISK", L"Firmware: FW1", L"Device Handle: Accessible",
        L"Version IO Control: Accessible", L"Identify Command: Successful", L"Device Info: Accessible",
        L"S.M.A.R.T: Supported", L"194: 30 0 35", L"231: 40 -1000 -1000",
        L"194: " + std::to_wstring(0x230000001ELL) + L"\r\n9: 1234\r\n231: 40",
        L"#1", L"Name: ", L"Firmware: ", L"Device Handle: Accessible", L"Version IO Control: Accessible",
        L"Identify Command: Failed", L"Device Info: Not Accessible", L"S.M.A.R.T: Not Supoorted",
        L"194: -1000 -1000 -1000", L"231: -1000 -1000 -1000",
    };
    EXPECT_EQ(expected, Lines(hw::BuildHddReport(&list)));
}

TEST_F(HddTest, WithoutDisksTheReportIsItsHeaderAlone)
{
    hw::LoadHdds(&list);
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(std::vector<std::wstring>{L"[HDD]"}, Lines(hw::BuildHddReport(&list)));
}
} // namespace
