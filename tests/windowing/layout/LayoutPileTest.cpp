// The pile: shown children only, the widest minimum, growth towards the client height, every
// alignment, and its four size results.
#include <gtest/gtest.h>

#include "windowing/layout/LayoutCase.h"
#include "windowing/layout/LayoutPile.h"
#include "windowing/layout/Pile.h"

namespace {

using testing_support::ChildSizes;
using testing_support::LayoutScene;
using testing_support::Placed;
using testing_support::SizeResults;

struct PileCase {
    const char* name;
    int32_t clientWidth;
    int32_t clientHeight;
    int32_t hAlign;
    int32_t vAlign;
    std::vector<ChildSizes> children;
    std::vector<Placed> placed;
    // Minimum width, minimum height, maximum width, maximum height.
    SizeResults results;
};

TEST(LayoutPile, PlacesSizesAndReportsAsTheTableSays)
{
    const PileCase cases[] = {
        {"a fixed-size child at the end of both axes", 100, 50, 2, 2,
         {{20, 10, 20, 10}},
         {{80, 40, 20, 10}},
         {20, 10, 20, 10}},
        {"a fixed-size child centred", 100, 50, 1, 1,
         {{20, 10, 20, 10}},
         {{40, 20, 20, 10}},
         {20, 10, 20, 10}},
        {"a fixed-size child at the start", 100, 50, 0, 0,
         {{20, 10, 20, 10}},
         {{0, 0, 20, 10}},
         {20, 10, 20, 10}},
        {"as wide as the widest minimum, grown to its maximum height", 40, 25, 0, 2,
         {{30, 10, 100, 40}, {50, 10, 100, 10}},
         {{0, 0, 50, 40}, {0, 15, 50, 10}},
         {50, 10, 100, 40}},
        {"a hidden child neither counts nor moves", 10, 10, 0, 0,
         {{20, 10, 20, 10}, {200, 300, 200, 300, -1, false}},
         {{0, 0, 20, 10}, {0, 0, 0, 0}},
         {20, 10, 20, 10}},
    };
    for (const PileCase& c : cases) {
        LayoutScene scene(c.clientWidth, c.clientHeight, c.children);
        SizeResults got = {-1, -1, -1, -1};
        s::gui::layout::LayoutPile(&scene.container, c.hAlign, c.vAlign, 9, &got.first, &got.second, &got.third,
                                   &got.fourth);
        scene.ExpectPlaced(c.placed, c.name);
        testing_support::ExpectResults(c.results, got, c.name);
        for (size_t i = 0; i < c.children.size(); ++i) {
            if (!c.children[i].shown) {
                EXPECT_EQ(0, scene.children[i]->moves) << c.name;
            }
        }
    }
}

TEST(LayoutPile, TheSharedManagerRunsThePileAtTheStart)
{
    LayoutScene scene(100, 50, {{20, 10, 20, 10}});
    s::gui::layout::Pile::Shared()->Layout(&scene.container);
    scene.ExpectPlaced({{0, 0, 20, 10}}, "pile manager");
    EXPECT_STREQ(L"s_gui_layout_Pile", s::gui::layout::Pile::Shared()->GetClassName());
}

} // namespace
