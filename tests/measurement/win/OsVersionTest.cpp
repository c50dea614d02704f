#include "measurement/win/OsVersion.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using s::system::win::GetOsVersion;
using s::system::win::LoadOsVersion;
using s::system::win::OsVersionInfo;

namespace {

TEST(OsVersion, ThresholdFlagsFollowTheVersion)
{
    struct Case {
        int32_t major, minor;
        bool vista, seven, eight;
    };
    const Case cases[] = {
        {5, 1, false, false, false}, {5, 2, false, false, false}, {6, 0, true, false, false},
        {6, 1, true, true, false},   {6, 2, true, true, true},    {6, 3, true, true, true},
        {7, 0, true, true, true},    {10, 0, true, true, true},   {0, 0, false, false, false},
    };
    for (const Case& c : cases) {
        OsVersionInfo record;
        record.SetVersion(c.major, c.minor);
        EXPECT_EQ(c.vista, record.isVistaOrLater) << c.major << "." << c.minor;
        EXPECT_EQ(c.seven, record.isWindows7OrLater) << c.major << "." << c.minor;
        EXPECT_EQ(c.eight, record.isWindows8OrLater) << c.major << "." << c.minor;
    }
}

TEST(OsVersion, FilledOnceWhateverThreadsAskFirst)
{
    std::vector<std::thread> askers;
    for (int i = 0; i < 8; ++i)
        askers.emplace_back([] {
            if (!GetOsVersion().done)
                LoadOsVersion();
        });
    for (std::thread& t : askers)
        t.join();
    OsVersionInfo& record = GetOsVersion();
    ASSERT_TRUE(record.done);
    EXPECT_TRUE(record.is64BitProcess);
    EXPECT_TRUE(record.isNtPlatform);

    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ASSERT_TRUE(GetVersionExW(&version));
#pragma GCC diagnostic pop
    EXPECT_EQ(static_cast<int32_t>(version.dwMajorVersion), record.major);
    EXPECT_EQ(static_cast<int32_t>(version.dwMinorVersion), record.minor);
    EXPECT_EQ(static_cast<int32_t>(version.dwBuildNumber), record.build);
    EXPECT_STREQ(version.szCSDVersion, record.servicePack);

    // A later call changes nothing.
    record.build = -5;
    LoadOsVersion();
    EXPECT_EQ(-5, record.build);
    record.build = static_cast<int32_t>(version.dwBuildNumber);
}

} // namespace
