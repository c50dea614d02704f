#include <gtest/gtest.h>

#include "measurement/counter/CounterReaders.h"

namespace cw = s::system::counter::win;

namespace {

TEST(DriveFreeMegabytes, ABadIndexReportsNoValue)
{
    for (int32_t index : {-2, -100, 26, 1000}) {
        int64_t value = 7;
        EXPECT_FALSE(cw::GetDriveFreeMegabytes(&value, index)) << index;
        EXPECT_EQ(0, value) << index;
    }
}

TEST(DriveFreeMegabytes, TheTotalIsTheSumOfTheFixedDrives)
{
    int64_t total = 0;
    int64_t sum = 0;
    int32_t drives = 0;
    int64_t value = 0;
    while (drives < 26 && cw::GetDriveFreeMegabytes(&value, drives)) {
        EXPECT_GE(value, 0);
        sum += value;
        ++drives;
    }
    if (drives == 0)
        GTEST_SKIP() << "no fixed drive answers here";
    ASSERT_TRUE(cw::GetDriveFreeMegabytes(&total, -1));
    // Other programs write meanwhile; the sum of the parts stays close to the whole.
    EXPECT_NEAR(static_cast<double>(sum), static_cast<double>(total), 1024.0);
}

} // namespace
