#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "measurement/hdd/LogicalDrives.h"

using namespace s::system::hdd::win;

namespace {
const uint64_t kGiB = 1ull << 30;

TEST(UsedPercent, RoundsTenthsHalfUpAndRefusesEmptyTotals)
{
    struct Case {
        uint64_t total, free;
        int32_t percent;
    } cases[] = {
        {0, 0, 0},                      // nothing to divide by
        {100, 100, 0},
        {100, 0, 100},
        {1000, 995, 1},                 // 0.5 % rounds up
        {1000, 996, 0},                 // 0.4 % rounds down
        {1000, 5, 100},                 // 99.5 % rounds up
        {1000, 6, 99},
        {100, 150, 0},                  // a free count above the total is no use, not a negative
        {16000ull * 1024 * kGiB, 4000ull * 1024 * kGiB, 75}, // 16 PiB: no overflow of the tenths
        {UINT64_MAX, UINT64_MAX / 2, 50},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.percent, UsedPercent(c.total, c.free)) << c.total << " " << c.free;
}

// The fixed drives the system itself reports, in letter order.
int32_t SystemFixedDrives(wchar_t roots[26][4])
{
    int32_t count = 0;
    const DWORD mask = GetLogicalDrives();
    for (int32_t letter = 0; letter < 26; ++letter) {
        const wchar_t root[4] = {static_cast<wchar_t>(L'A' + letter), L':', L'\\', 0};
        if ((mask & (1u << letter)) && GetDriveTypeW(root) == DRIVE_FIXED)
            wcscpy(roots[count++], root);
    }
    return count;
}

TEST(LogicalDrives, FixedDrivesAreTheSystemsInLetterOrder)
{
    wchar_t expected[26][4];
    const int32_t count = SystemFixedDrives(expected);
    ASSERT_GT(count, 0) << "the Wine prefix has its C: drive";
    ASSERT_EQ(count, GetFixedDriveCount());
    for (int32_t i = 0; i < count; ++i)
        EXPECT_STREQ(expected[i], GetFixedDriveRoot(i));
    EXPECT_EQ(nullptr, GetFixedDriveRoot(-1));
    EXPECT_EQ(nullptr, GetFixedDriveRoot(count));
}

TEST(LogicalDrives, UsedPercentOfADriveInEveryFormMatchesItsFreeSpace)
{
    const wchar_t* root = GetFixedDriveRoot(0);
    ASSERT_NE(nullptr, root);
    ULARGE_INTEGER total = {}, free = {};
    ASSERT_TRUE(GetDiskFreeSpaceExW(root, nullptr, &total, &free));
    const int32_t expected = UsedPercent(total.QuadPart, free.QuadPart);
    // Free space moves while other programs write: a point either way is the same reading.
    const wchar_t letter[2] = {root[0], 0};
    const wchar_t colon[3] = {root[0], L':', 0};
    wchar_t folder[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryW(folder, MAX_PATH), 0u);
    for (const wchar_t* form : {letter, colon, root}) {
        const int32_t percent = GetDriveUsedPercent(form);
        EXPECT_NEAR(expected, percent, 1) << form;
        EXPECT_GE(percent, 0);
        EXPECT_LE(percent, 100);
    }
    if (folder[0] == root[0]) {
        EXPECT_NEAR(expected, GetDriveUsedPercent(folder), 1);
    }
    const int32_t all = GetFixedDrivesUsedPercent();
    EXPECT_GE(all, 0);
    EXPECT_LE(all, 100);
}

TEST(LogicalDrives, UnreadableDrivesGiveZero)
{
    const DWORD mask = GetLogicalDrives();
    wchar_t missing[3] = {0, L':', 0};
    for (int32_t letter = 25; letter >= 0 && !missing[0]; --letter) {
        if (!(mask & (1u << letter)))
            missing[0] = static_cast<wchar_t>(L'A' + letter);
    }
    ASSERT_NE(0, missing[0]);
    for (const wchar_t* drive : {static_cast<const wchar_t*>(missing), L"", L"Q:\\no such folder\\at all",
                                 static_cast<const wchar_t*>(nullptr)})
        EXPECT_EQ(0, GetDriveUsedPercent(drive));
}
} // namespace

namespace {
TEST(DriveText, IsCompletedToARootBeforeTheQuery)
{
    struct Case {
        const wchar_t* drive;
        const wchar_t* root;
    } cases[] = {
        {L"C", L"C:\\"},
        {L"C:", L"C:\\"},
        {L"CD", L"CD:\\"},
        {L"C:\\", L"C:\\"},
        {L"C:\\Windows", L"C:\\Windows\\"},
        {L"C:\\Windows\\", L"C:\\Windows\\"},
    };
    for (const Case& c : cases) {
        wchar_t root[MAX_PATH] = {};
        ASSERT_TRUE(CompleteDriveText(c.drive, root, MAX_PATH)) << c.drive;
        EXPECT_STREQ(c.root, root) << c.drive;
    }
    wchar_t small[4] = {};
    EXPECT_FALSE(CompleteDriveText(L"", small, 4));
    EXPECT_FALSE(CompleteDriveText(nullptr, small, 4));
    EXPECT_FALSE(CompleteDriveText(L"C:\\a", small, 4));
    EXPECT_TRUE(CompleteDriveText(L"C:", small, 4));
}

TEST(DriveText, UnreadableDrivesGiveNothing)
{
    for (const wchar_t* drive : {L"", L"?", L"C:\\no such folder\\deeper"}) {
        EXPECT_EQ(0u, GetDriveFreeBytes(drive)) << drive;
        EXPECT_EQ(0, GetDriveUsedPercent(drive)) << drive;
    }
    EXPECT_EQ(0u, GetDriveFreeBytes(nullptr));
}

TEST(LogicalDrives, DriveNamesAreTheRootsWithoutTheirBackslash)
{
    for (int32_t i = 0; i < GetFixedDriveCount(); ++i) {
        const std::wstring root = GetFixedDriveRoot(i);
        EXPECT_EQ(root.substr(0, 2), GetFixedDriveName(i));
        EXPECT_GT(GetDriveFreeBytes(GetFixedDriveName(i)), 0u) << root.c_str();
    }
    EXPECT_EQ(nullptr, GetFixedDriveName(GetFixedDriveCount()));
}
} // namespace
