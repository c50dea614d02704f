// The counters a producer shares with the progress dialog: taken once per change, shares that
// never divide by nothing or overflow, and a reset that starts a new operation afresh.
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "core/str/StrBuffer.h"
#include "storage/archive/ProgressData.h"

namespace {

using s::archive::ProgressData;

TEST(ProgressDataTest, SharesClampAndNeverDivideByNothing)
{
    const int64_t kMax = std::numeric_limits<int64_t>::max();
    struct Case {
        int64_t part;
        int64_t whole;
        int64_t scale;
        int64_t share;
    };
    const Case cases[] = {
        {50, 200, 100, 25},
        {250, 1000, 10000, 2500},
        {607, 1000, 200, 121},
        {0, 100, 100, 0},
        {-3, 100, 100, 0},
        {150, 100, 200, 200},
        {5, 0, 100, -1},
        {5, -100, 100, -1},
        {kMax - 1, kMax, 10000, 9999},
        {kMax / 2 + 1, kMax, 10000, 5000},
        {1000000000000000000LL, 4000000000000000000LL, 100, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.part << " of " << c.whole << " in " << c.scale);
        EXPECT_EQ(c.share, ProgressData::ShareOf(c.part, c.whole, c.scale));
    }
}

TEST(ProgressDataTest, EachChangeIsTakenOnceAndTheTotalCountsTheCurrentEntry)
{
    ProgressData* data = ProgressData::New();
    ASSERT_NE(nullptr, data);
    s::str::strbuffer::StrBuffer name;
    int64_t size = 0;
    int64_t offset = 0;
    // A fresh operation shows its defaults once.
    EXPECT_TRUE(data->TakeEntryName(&name));
    EXPECT_STREQ(L"", name.GetText());
    EXPECT_TRUE(data->TakeEntryProgress(&size, &offset));
    EXPECT_EQ(100, size);
    EXPECT_EQ(0, offset);
    EXPECT_TRUE(data->TakeTotalProgress(&size, &offset));
    EXPECT_FALSE(data->TakeEntryName(&name));
    EXPECT_FALSE(data->TakeEntryProgress(&size, &offset));
    EXPECT_FALSE(data->TakeTotalProgress(&size, &offset));

    data->SetEntryName(L"Classic LG.xml");
    data->SetTotalProgress(1000, 200);
    data->SetEntryProgress(200, 50);
    EXPECT_TRUE(data->TakeEntryName(&name));
    EXPECT_STREQ(L"Classic LG.xml", name.GetText());
    EXPECT_TRUE(data->TakeEntryProgress(&size, &offset));
    EXPECT_EQ(200, size);
    EXPECT_EQ(50, offset);
    int64_t total = 0;
    int64_t done = 0;
    EXPECT_TRUE(data->TakeTotalProgress(&total, &done));
    EXPECT_EQ(1000, total);
    EXPECT_EQ(250, done);
    EXPECT_EQ(2500, data->GetDoneRatio());
    // A new entry's offset alone moves the total too.
    data->SetEntryProgress(200, 150);
    EXPECT_TRUE(data->TakeTotalProgress(&total, &done));
    EXPECT_EQ(350, done);

    data->SetTotalProgress(0, 5);
    EXPECT_EQ(0, data->GetDoneRatio());
    data->SetTotalProgress(100, 500);
    EXPECT_EQ(ProgressData::kRatioScale, data->GetDoneRatio());
    data->ReleaseToPool();
}

// Counts its returns to the pool.
class Attachment : public s::thread::IPoolable {
public:
    void ReleaseToPool() override { ++released; }
    void Reset() override {}
    int released = 0;
};

TEST(ProgressDataTest, ResetStartsAfreshAndGivesTheAttachedObjectBack)
{
    ProgressData* data = ProgressData::New();
    ASSERT_NE(nullptr, data);
    Attachment attachment;
    data->SetAttachedObject(&attachment);
    data->paused = 1;
    data->cancelled = 1;
    data->finished = 1;
    data->minimized = 1;
    data->backgroundMode = 1;
    data->secondValue = 42;
    data->SetEntryName(L"x");
    data->SetEntryProgress(7, 3);
    data->SetTotalProgress(9, 1);
    s::str::strbuffer::StrBuffer name;
    int64_t size = 0;
    int64_t offset = 0;
    data->TakeEntryName(&name);
    data->TakeEntryProgress(&size, &offset);
    data->TakeTotalProgress(&size, &offset);

    data->Reset();
    EXPECT_EQ(1, attachment.released);
    EXPECT_EQ(nullptr, data->GetAttachedObject());
    for (const std::atomic<uint8_t>* flag :
         {&data->paused, &data->cancelled, &data->finished, &data->minimized, &data->backgroundMode})
        EXPECT_EQ(0, flag->load());
    EXPECT_EQ(0, data->secondValue.load());
    EXPECT_TRUE(data->TakeEntryName(&name));
    EXPECT_STREQ(L"", name.GetText());
    EXPECT_TRUE(data->TakeEntryProgress(&size, &offset));
    EXPECT_EQ(100, size);
    EXPECT_EQ(0, offset);
    EXPECT_TRUE(data->TakeTotalProgress(&size, &offset));
    EXPECT_EQ(100, size);
    EXPECT_EQ(0, offset);
    data->ReleaseToPool();
    EXPECT_EQ(1, attachment.released);
}

} // namespace
