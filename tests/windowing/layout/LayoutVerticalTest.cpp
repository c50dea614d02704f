// The column: gaps only below children with a height, extra height shared in single precision
// with the remainder pass, alignments, and its four size results.
#include <gtest/gtest.h>

#include "windowing/layout/LayoutCase.h"
#include "windowing/layout/LayoutVertical.h"

namespace {

using testing_support::ChildSizes;
using testing_support::LayoutScene;
using testing_support::Placed;
using testing_support::SizeResults;

struct ColumnCase {
    const char* name;
    int32_t clientWidth;
    int32_t clientHeight;
    int32_t hAlign;
    int32_t vAlign;
    int32_t gap;
    std::vector<ChildSizes> children;
    std::vector<Placed> placed;
    // Minimum width, natural height, maximum width, maximum height.
    SizeResults results;
};

TEST(LayoutVertical, PlacesSizesAndReportsAsTheTableSays)
{
    const ColumnCase cases[] = {
        {"a gap only below a child with a height", 50, 0, 0, 0, 4,
         {{10, 10, 20, 10}, {10, 0, 20, 0}, {10, 5, 20, 5}},
         {{0, 0, 20, 10}, {0, 14, 20, 0}, {0, 14, 20, 5}},
         {10, 19, 20, 19}},
        {"a trailing empty child takes its gap back", 50, 0, 0, 0, 4,
         {{10, 10, 20, 10}, {10, 0, 20, 0}},
         {{0, 0, 20, 10}, {0, 14, 20, 0}},
         {10, 10, 20, 10}},
        {"extra height shared by what each may still grow", 20, 40, 0, 0, 0,
         {{20, 10, 20, 30}, {20, 20, 20, 20}},
         {{0, 0, 20, 20}, {0, 20, 20, 20}},
         {20, 30, 20, 50}},
        {"the share is a single-precision product (7/10 x 10 is 7, not 6)", 20, 34, 0, 0, 0,
         {{20, 10, 20, 20}, {20, 10, 20, 20}},
         {{0, 0, 20, 17}, {0, 17, 20, 17}},
         {20, 20, 20, 40}},
        {"what truncation left goes to the first child that can take it", 20, 35, 0, 0, 0,
         {{20, 10, 20, 13}, {20, 10, 20, 13}, {20, 10, 20, 13}},
         {{0, 0, 20, 13}, {0, 13, 20, 11}, {0, 24, 20, 11}},
         {20, 30, 20, 39}},
        {"room for every maximum: the rest aligns the column at the end", 20, 60, 0, 2, 0,
         {{20, 10, 20, 20}, {20, 10, 20, 15}},
         {{0, 25, 20, 20}, {0, 45, 20, 15}},
         {20, 20, 20, 35}},
        {"room for every maximum, centred", 20, 60, 0, 1, 0,
         {{20, 10, 20, 20}, {20, 10, 20, 15}},
         {{0, 12, 20, 20}, {0, 32, 20, 15}},
         {20, 20, 20, 35}},
        {"an alignment above 2 is the end", 20, 60, 0, 7, 0,
         {{20, 10, 20, 20}, {20, 10, 20, 15}},
         {{0, 25, 20, 20}, {0, 45, 20, 15}},
         {20, 20, 20, 35}},
        {"a client lower than the natural height: nothing grows, the top whatever the alignment", 20, 40, 0, 2, 0,
         {{20, 30, 20, 50}, {20, 30, 20, 50}},
         {{0, 0, 20, 30}, {0, 30, 20, 30}},
         {20, 60, 20, 100}},
        {"centred children; one as wide as the column stands at 0", 50, 0, 1, 0, 0,
         {{80, 10, 80, 10}, {10, 10, 20, 10}},
         {{0, 0, 80, 10}, {30, 10, 20, 10}},
         {80, 20, 80, 20}},
        {"children at the right", 50, 0, 2, 0, 0,
         {{10, 10, 20, 10}, {10, 10, 30, 10}},
         {{30, 0, 20, 10}, {20, 10, 30, 10}},
         {10, 20, 30, 20}},
        {"a negative alignment is the start, a negative gap none", 50, 0, -5, -5, -9,
         {{10, 10, 20, 10}, {10, 10, 20, 10}},
         {{0, 0, 20, 10}, {0, 10, 20, 10}},
         {10, 20, 20, 20}},
        {"a natural height below the maximum, no maximum at all", 20, 30, 0, 0, 0,
         {{20, 0, 20, 0, 8}, {20, 5, 20, 5}},
         {{0, 0, 20, 8}, {0, 8, 20, 5}},
         {20, 13, 20, 13}},
    };
    for (const ColumnCase& c : cases) {
        LayoutScene scene(c.clientWidth, c.clientHeight, c.children);
        SizeResults got = {-1, -1, -1, -1};
        s::gui::layout::LayoutVertical(&scene.container, c.hAlign, c.vAlign, c.gap, &got.first, &got.second,
                                       &got.third, &got.fourth);
        scene.ExpectPlaced(c.placed, c.name);
        testing_support::ExpectResults(c.results, got, c.name);
    }
}

TEST(LayoutVertical, WithoutChildrenReportsFourZeros)
{
    LayoutScene scene(100, 100, {});
    SizeResults got = {5, 5, 5, 5};
    s::gui::layout::LayoutVertical(&scene.container, 1, 1, 3, &got.first, &got.second, &got.third, &got.fourth);
    testing_support::ExpectResults({0, 0, 0, 0}, got, "no children");
    s::gui::layout::LayoutVertical(nullptr, 1, 1, 3, &got.first);
    s::gui::layout::LayoutVertical(&scene.container, 0, 0, 0);
}

} // namespace
