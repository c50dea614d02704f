#include "storage/archive/ResourceTypeCode.h"

#include <gtest/gtest.h>

namespace {

using s::archive::CodeToRtType;
using s::archive::RtTypeToCode;

TEST(ResourceTypeCode, EveryTypeBothWays)
{
    struct Case {
        uint32_t code;
        uint32_t rt;
    };
    const Case cases[] = {
        {0, 9},   {1, 21},  {2, 22},  {3, 2},   {4, 1},   {5, 5},   {6, 17},
        {7, 8},   {8, 7},   {9, 12},  {10, 14}, {11, 23}, {12, 3},  {13, 24},
        {14, 4},  {15, 11}, {16, 19}, {17, 10}, {18, 6},  {19, 16}, {20, 20},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.code, RtTypeToCode(c.rt)) << "RT " << c.rt;
        EXPECT_EQ(c.rt, CodeToRtType(c.code)) << "code " << c.code;
    }
    EXPECT_EQ(14u, CodeToRtType(s::archive::kTypeGroupIcon));
    EXPECT_EQ(s::archive::kTypeRcData, RtTypeToCode(10));
}

TEST(ResourceTypeCode, NumbersOutsideTheTablePassThrough)
{
    const uint32_t rtTypes[] = {0, 13, 15, 18, 25, 240, 0xFFFF};
    for (uint32_t rt : rtTypes)
        EXPECT_EQ(rt, RtTypeToCode(rt)) << rt;
    const uint32_t codes[] = {21, 24, 240, 0xFFFF};
    for (uint32_t code : codes)
        EXPECT_EQ(code, CodeToRtType(code)) << code;
    // Read back through both conversions, the stray numbers land on other types.
    EXPECT_EQ(24u, CodeToRtType(RtTypeToCode(13)));
    EXPECT_EQ(11u, CodeToRtType(RtTypeToCode(15)));
    EXPECT_EQ(6u, CodeToRtType(RtTypeToCode(18)));
}

} // namespace
