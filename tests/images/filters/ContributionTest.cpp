// The contribution entries of a shrink and of an enlargement: first and last index, stored weights.
#include <gtest/gtest.h>

#include "images/filters/scale/BilinearFilter.h"
#include "images/filters/scale/Contribution.h"

namespace {

using s::image::filters::scale::BilinearFilter;
using s::image::filters::scale::Contribution;

TEST(Contribution, HalvingFourColumnsWeighsTwoThirdsAndOneThird)
{
    BilinearFilter tent;
    Contribution list;
    ASSERT_TRUE(list.Build(&tent, 2, 4, 0.5));
    EXPECT_EQ(2, list.GetEntryCount());
    // Support 1 widened to 2 over the source: 2 x 2 + 1 weights per entry.
    EXPECT_EQ(5, list.GetWeightsPerEntry());
    EXPECT_EQ(8 + 4 * 5, list.GetEntrySize());
    const int32_t* first = list.GetEntry(0);
    EXPECT_EQ(0, first[0]);
    EXPECT_EQ(1, first[1]);
    EXPECT_EQ(static_cast<int32_t>(2.0 / 3.0 * 65536), first[2]);
    EXPECT_EQ(static_cast<int32_t>(1.0 / 3.0 * 65536), first[3]);
    // Output 1 is centred on column 2: columns 1, 2 and 3 with 1/4, 2/4 and 1/4 (no half-pixel offset).
    const int32_t* second = list.GetEntry(1);
    EXPECT_EQ(1, second[0]);
    EXPECT_EQ(3, second[1]);
    EXPECT_EQ(16384, second[2]);
    EXPECT_EQ(32768, second[3]);
    EXPECT_EQ(16384, second[4]);
}

TEST(Contribution, DoublingTwoColumnsCopiesAtTheEdges)
{
    BilinearFilter tent;
    Contribution list;
    ASSERT_TRUE(list.Build(&tent, 4, 2, 2.0));
    EXPECT_EQ(3, list.GetWeightsPerEntry());
    struct Expected {
        int32_t first, last, weights[2];
    };
    // Centres 0, 0.5, 1 and 1.5.
    const Expected expected[] = {{0, 0, {65536, 0}}, {0, 1, {32768, 32768}}, {1, 1, {65536, 0}}, {1, 1, {65536, 0}}};
    for (int32_t i = 0; i < 4; ++i) {
        const int32_t* entry = list.GetEntry(i);
        EXPECT_EQ(expected[i].first, entry[0]) << i;
        EXPECT_EQ(expected[i].last, entry[1]) << i;
        for (int32_t k = 0; k <= entry[1] - entry[0]; ++k)
            EXPECT_EQ(expected[i].weights[k], entry[2 + k]) << i;
    }
}

TEST(Contribution, NoSizeBuildsNothing)
{
    BilinearFilter tent;
    Contribution list;
    EXPECT_FALSE(list.Build(&tent, 0, 4, 0.0));
    EXPECT_FALSE(list.Build(&tent, 4, 0, 4.0));
    EXPECT_FALSE(list.Build(nullptr, 4, 4, 1.0));
    EXPECT_EQ(0, list.GetEntryCount());
}

TEST(Contribution, TheTentIsSupportMinusDistance)
{
    BilinearFilter tent;
    EXPECT_DOUBLE_EQ(1.0, tent.GetSupport());
    EXPECT_DOUBLE_EQ(1.0, tent.GetWeight(0.0));
    EXPECT_DOUBLE_EQ(0.75, tent.GetWeight(-0.25));
    EXPECT_DOUBLE_EQ(0.0, tent.GetWeight(1.0));
    EXPECT_DOUBLE_EQ(0.0, tent.GetWeight(3.0));
    tent.SetSupport(2.0);
    EXPECT_DOUBLE_EQ(1.5, tent.GetWeight(0.5));
    tent.Reset();
    EXPECT_DOUBLE_EQ(1.0, tent.GetSupport());
}

} // namespace
