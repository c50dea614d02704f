#pragma once
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "windowing/layout/FakeComponent.h"

namespace testing_support {

// One child of a layout case: its limits, the height a layout size of 0 gives, and whether it
// is shown.
struct ChildSizes {
    int32_t minWidth;
    int32_t minHeight;
    int32_t maxWidth;
    int32_t maxHeight;
    int32_t naturalHeight = -1;
    bool shown = true;
};

// Where a child must end up.
struct Placed {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

// A container of fake children for one case of a table.
class LayoutScene {
public:
    LayoutScene(int32_t clientWidth, int32_t clientHeight, const std::vector<ChildSizes>& childSizes)
    {
        container.clientWidth = clientWidth;
        container.clientHeight = clientHeight;
        for (const ChildSizes& sizes : childSizes) {
            children.emplace_back(new FakeComponent(sizes.minWidth, sizes.minHeight, sizes.maxWidth, sizes.maxHeight));
            children.back()->naturalHeight = sizes.naturalHeight;
            children.back()->shown = sizes.shown;
            container.children.push_back(children.back().get());
        }
    }

    void ExpectPlaced(const std::vector<Placed>& expected, const std::string& name)
    {
        ASSERT_EQ(expected.size(), children.size()) << name;
        for (size_t i = 0; i < expected.size(); ++i) {
            const FakeComponent& child = *children[i];
            EXPECT_EQ(expected[i].x, child.x) << name << ", child " << i;
            EXPECT_EQ(expected[i].y, child.y) << name << ", child " << i;
            EXPECT_EQ(expected[i].width, child.width) << name << ", child " << i;
            EXPECT_EQ(expected[i].height, child.height) << name << ", child " << i;
        }
    }

    FakeComponent container;
    std::vector<std::unique_ptr<FakeComponent>> children;
};

// The four size results of a pass, in the order the algorithms write them.
struct SizeResults {
    int32_t first;
    int32_t second;
    int32_t third;
    int32_t fourth;
};

inline void ExpectResults(const SizeResults& expected, const SizeResults& got, const std::string& name)
{
    EXPECT_EQ(expected.first, got.first) << name << ", first result";
    EXPECT_EQ(expected.second, got.second) << name << ", second result";
    EXPECT_EQ(expected.third, got.third) << name << ", third result";
    EXPECT_EQ(expected.fourth, got.fourth) << name << ", fourth result";
}

} // namespace testing_support
