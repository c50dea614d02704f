// The flow: line breaks at an exact fit, gaps only between non-empty children, line alignment,
// height shared among lines, and its four size results.
#include <gtest/gtest.h>

#include "windowing/layout/LayoutCase.h"
#include "windowing/layout/LayoutFlow.h"

namespace {

using testing_support::ChildSizes;
using testing_support::LayoutScene;
using testing_support::Placed;
using testing_support::SizeResults;

struct FlowCase {
    const char* name;
    int32_t clientWidth;
    int32_t clientHeight;
    int32_t hAlign;
    int32_t vAlign;
    int32_t hGap;
    int32_t vGap;
    std::vector<ChildSizes> children;
    std::vector<Placed> placed;
    // Minimum width, natural height, preferred width, maximum height.
    SizeResults results;
};

TEST(LayoutFlow, PlacesSizesAndReportsAsTheTableSays)
{
    const FlowCase cases[] = {
        {"an exact fit stays on the line", 50, 0, 0, 0, 0, 3,
         {{20, 10, 20, 10}, {30, 10, 30, 10}},
         {{0, 0, 20, 10}, {20, 0, 30, 10}},
         {30, 10, 50, 10}},
        {"one pixel more opens a line", 50, 0, 0, 0, 0, 3,
         {{20, 10, 20, 10}, {31, 10, 31, 10}},
         {{0, 0, 20, 10}, {0, 13, 31, 10}},
         {31, 23, 51, 23}},
        {"an exact fit with its gap", 50, 0, 0, 0, 5, 0,
         {{20, 10, 20, 10}, {25, 10, 25, 10}},
         {{0, 0, 20, 10}, {25, 0, 25, 10}},
         {25, 10, 50, 10}},
        {"no gap before or after hidden and zero-width children", 100, 0, 0, 0, 5, 0,
         {{20, 10, 20, 10}, {0, 0, 0, 0}, {0, 10, 0, 10, -1, false}, {20, 10, 20, 10}},
         {{0, 0, 20, 10}, {20, 0, 0, 0}, {20, 0, 0, 10}, {25, 0, 20, 10}},
         {20, 10, 45, 10}},
        {"lines centred, the whole centred", 100, 30, 1, 1, 0, 2,
         {{30, 10, 30, 10}, {30, 10, 30, 10}, {50, 10, 50, 10}},
         {{20, 4, 30, 10}, {50, 4, 30, 10}, {25, 16, 50, 10}},
         {50, 22, 110, 22}},
        {"lines at the right, the whole at the bottom", 100, 30, 2, 2, 0, 2,
         {{30, 10, 30, 10}, {30, 10, 30, 10}, {50, 10, 50, 10}},
         {{40, 8, 30, 10}, {70, 8, 30, 10}, {50, 20, 50, 10}},
         {50, 22, 110, 22}},
        {"extra height shared among the lines", 100, 30, 0, 2, 0, 0,
         {{60, 10, 60, 20}, {60, 10, 60, 20}},
         {{0, 0, 60, 15}, {0, 15, 60, 15}},
         {60, 20, 120, 40}},
        {"a child as wide as the line fills it, the next opens another", 50, 0, 1, 0, 4, 0,
         {{80, 10, 80, 10}, {10, 10, 10, 10}},
         {{0, 0, 80, 10}, {35, 10, 10, 10}},
         {80, 20, 94, 20}},
    };
    for (const FlowCase& c : cases) {
        LayoutScene scene(c.clientWidth, c.clientHeight, c.children);
        SizeResults got = {-1, -1, -1, -1};
        s::gui::layout::LayoutFlow(&scene.container, c.hAlign, c.vAlign, c.hGap, c.vGap, &got.first, &got.second,
                                   &got.third, &got.fourth);
        scene.ExpectPlaced(c.placed, c.name);
        testing_support::ExpectResults(c.results, got, c.name);
    }
}

TEST(LayoutFlow, WithoutChildrenReportsFourZeros)
{
    LayoutScene scene(100, 100, {});
    SizeResults got = {5, 5, 5, 5};
    s::gui::layout::LayoutFlow(&scene.container, 2, 2, 3, 3, &got.first, &got.second, &got.third, &got.fourth);
    testing_support::ExpectResults({0, 0, 0, 0}, got, "no children");
}

} // namespace
