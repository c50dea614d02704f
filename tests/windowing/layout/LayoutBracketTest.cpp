// Every algorithm moves each child's native window at most once per pass, and not at all while
// an outer pass holds the container suspended; the shared managers run the right algorithm.
#include <functional>

#include <gtest/gtest.h>

#include "windowing/layout/FlowH.h"
#include "windowing/layout/LayoutCase.h"
#include "windowing/layout/LayoutFlow.h"
#include "windowing/layout/LayoutHorizontal.h"
#include "windowing/layout/LayoutPile.h"
#include "windowing/layout/LayoutVertical.h"
#include "windowing/layout/Vertical.h"

namespace {

using testing_support::FakeComponent;
using testing_support::LayoutScene;

struct Algorithm {
    const char* name;
    std::function<void(s::gui::IComponent*)> run;
};

const Algorithm kAlgorithms[] = {
    {"column", [](s::gui::IComponent* c) { s::gui::layout::LayoutVertical(c, 1, 1, 3); }},
    {"flow", [](s::gui::IComponent* c) { s::gui::layout::LayoutFlow(c, 1, 1, 3, 3); }},
    {"row", [](s::gui::IComponent* c) { s::gui::layout::LayoutHorizontal(c, 1, 1, 3); }},
    {"pile", [](s::gui::IComponent* c) { s::gui::layout::LayoutPile(c, 1, 1, 3); }},
};

// Children that grow, so that every algorithm sizes each of them more than once.
LayoutScene GrowingScene()
{
    return LayoutScene(200, 200, {{10, 10, 80, 60}, {20, 5, 90, 70}, {5, 20, 40, 30}});
}

TEST(LayoutBracket, EachChildMovesAtMostOncePerPassAndIsRedrawn)
{
    for (const Algorithm& algorithm : kAlgorithms) {
        LayoutScene scene = GrowingScene();
        algorithm.run(&scene.container);
        for (const auto& child : scene.children) {
            EXPECT_EQ(1, child->moves) << algorithm.name;
            EXPECT_EQ(1, child->redraws) << algorithm.name;
            EXPECT_FALSE(child->suspended) << algorithm.name;
        }
    }
}

TEST(LayoutBracket, InsideAnOuterSuspensionNothingMovesUntilItEnds)
{
    for (const Algorithm& algorithm : kAlgorithms) {
        LayoutScene scene = GrowingScene();
        scene.container.SuspendBounds();
        algorithm.run(&scene.container);
        for (const auto& child : scene.children) {
            EXPECT_EQ(0, child->moves) << algorithm.name;
            EXPECT_EQ(0, child->redraws) << algorithm.name;
            EXPECT_TRUE(child->suspended) << algorithm.name;
        }
        scene.container.ResumeBounds();
        for (const auto& child : scene.children)
            EXPECT_EQ(1, child->moves) << algorithm.name;
    }
}

TEST(LayoutBracket, TheSharedManagersRunColumnAndFlowAtTheStart)
{
    LayoutScene column(100, 100, {{10, 10, 10, 10}, {10, 10, 10, 10}});
    s::gui::layout::Vertical::Shared()->Layout(&column.container);
    column.ExpectPlaced({{0, 0, 10, 10}, {0, 10, 10, 10}}, "column manager");
    LayoutScene flow(100, 100, {{10, 10, 10, 10}, {10, 10, 10, 10}});
    s::gui::layout::FlowH::Shared()->Layout(&flow.container);
    flow.ExpectPlaced({{0, 0, 10, 10}, {10, 0, 10, 10}}, "flow manager");
    EXPECT_STREQ(L"s_gui_layout_Vertical", s::gui::layout::Vertical::Shared()->GetClassName());
    EXPECT_STREQ(L"s_gui_layout_FlowH", s::gui::layout::FlowH::Shared()->GetClassName());
}

} // namespace
