// The row: gaps only after children with a width, free width shared by what each may still
// grow with the remainder pass, the leftover for the alignment, and its four size results.
#include <gtest/gtest.h>

#include "windowing/layout/LayoutCase.h"
#include "windowing/layout/LayoutHorizontal.h"

namespace {

using testing_support::ChildSizes;
using testing_support::LayoutScene;
using testing_support::Placed;
using testing_support::SizeResults;

struct RowCase {
    const char* name;
    int32_t clientWidth;
    int32_t clientHeight;
    int32_t hAlign;
    int32_t vAlign;
    int32_t gap;
    std::vector<ChildSizes> children;
    std::vector<Placed> placed;
    // Minimum width, minimum height, maximum width, maximum height.
    SizeResults results;
};

TEST(LayoutHorizontal, PlacesSizesAndReportsAsTheTableSays)
{
    const RowCase cases[] = {
        {"no gap after an empty child", 0, 0, 0, 0, 4,
         {{10, 5, 10, 5}, {0, 5, 0, 5}, {10, 5, 10, 5}},
         {{0, 0, 10, 5}, {14, 0, 0, 5}, {14, 0, 10, 5}},
         {24, 5, 24, 5}},
        {"a trailing empty child takes its gap back", 0, 0, 0, 0, 4,
         {{10, 5, 10, 5}, {10, 5, 10, 5}, {0, 5, 0, 5}},
         {{0, 0, 10, 5}, {14, 0, 10, 5}, {28, 0, 0, 5}},
         {24, 5, 24, 5}},
        {"room for every maximum: the leftover centred", 100, 0, 1, 0, 0,
         {{20, 5, 60, 5}, {20, 5, 20, 5}},
         {{10, 0, 60, 5}, {70, 0, 20, 5}},
         {40, 5, 80, 5}},
        {"children that cannot grow leave the free width to the alignment", 100, 0, 2, 0, 0,
         {{20, 5, 20, 5}, {20, 5, 20, 5}},
         {{60, 0, 20, 5}, {80, 0, 20, 5}},
         {40, 5, 40, 5}},
        {"free width shared by what each may still grow", 70, 0, 0, 0, 0,
         {{20, 5, 60, 5}, {20, 5, 60, 5}},
         {{0, 0, 35, 5}, {35, 0, 35, 5}},
         {40, 5, 120, 5}},
        {"what truncation left goes to the first child", 71, 0, 0, 0, 0,
         {{20, 5, 60, 5}, {20, 5, 60, 5}},
         {{0, 0, 36, 5}, {36, 0, 35, 5}},
         {40, 5, 120, 5}},
        {"every child as high as the row, centred in it", 0, 20, 0, 1, 0,
         {{10, 10, 10, 10}, {10, 30, 10, 30}, {10, 10, 10, 40}},
         {{0, 10, 10, 10}, {10, 0, 10, 30}, {20, 0, 10, 30}},
         {30, 30, 30, 40}},
        {"at the bottom of the row", 0, 20, 0, 2, 0,
         {{10, 10, 10, 10}, {10, 20, 10, 20}},
         {{0, 10, 10, 10}, {10, 0, 10, 20}},
         {20, 20, 20, 20}},
        {"a client narrower than the minima: no leftover whatever the alignment", 30, 0, 2, 0, 5,
         {{20, 5, 40, 5}, {20, 5, 40, 5}},
         {{0, 0, 20, 5}, {25, 0, 20, 5}},
         {45, 5, 85, 5}},
    };
    for (const RowCase& c : cases) {
        LayoutScene scene(c.clientWidth, c.clientHeight, c.children);
        SizeResults got = {-1, -1, -1, -1};
        s::gui::layout::LayoutHorizontal(&scene.container, c.hAlign, c.vAlign, c.gap, &got.first, &got.second,
                                         &got.third, &got.fourth);
        scene.ExpectPlaced(c.placed, c.name);
        testing_support::ExpectResults(c.results, got, c.name);
    }
}

TEST(LayoutHorizontal, WithoutChildrenReportsFourZeros)
{
    LayoutScene scene(100, 100, {});
    SizeResults got = {5, 5, 5, 5};
    s::gui::layout::LayoutHorizontal(&scene.container, 1, 1, 3, &got.first, &got.second, &got.third, &got.fourth);
    testing_support::ExpectResults({0, 0, 0, 0}, got, "no children");
}

} // namespace
