#include "core/time/TimeZone.h"

#include <gtest/gtest.h>

#include "core/str/StrBuffer.h"

using s::time::TimeZone;

namespace {

TEST(TimeZone, APooledZoneComesBackEmptyWithItsOwnTexts)
{
    TimeZone* zone = static_cast<TimeZone*>(TimeZone::GetProcessZone().NewInstance());
    ASSERT_NE(nullptr, zone);
    for (auto* text : zone->texts) {
        ASSERT_NE(nullptr, text);
        EXPECT_EQ(0u, text->GetLength());
    }
    EXPECT_EQ(static_cast<LONG>(0), zone->information.Bias);

    zone->flag = 3;
    zone->bytes[1] = 9;
    zone->texts[0]->Assign(L"Central Europe");
    zone->information.Bias = -60;
    s::str::strbuffer::StrBuffer* first = zone->texts[0];
    zone->ReleaseToPool();

    TimeZone* again = static_cast<TimeZone*>(TimeZone::GetPool()->Take());
    EXPECT_EQ(zone, again);
    EXPECT_EQ(0, again->flag);
    EXPECT_EQ(0, again->bytes[1]);
    EXPECT_EQ(first, again->texts[0]);
    EXPECT_EQ(0u, again->texts[0]->GetLength());
    EXPECT_EQ(0u, again->texts[0]->GetCapacity());
    EXPECT_EQ(static_cast<LONG>(0), again->information.Bias);
    EXPECT_STREQ(L"s_time_TimeZone", again->GetClassName());
    again->ReleaseToPool();
}

TEST(TimeZone, TheProcessZoneIsOneInstance)
{
    EXPECT_EQ(&TimeZone::GetProcessZone(), &TimeZone::GetProcessZone());
}

} // namespace
