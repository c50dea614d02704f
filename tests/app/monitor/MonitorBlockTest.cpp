// A field row as the catalogue builds it, before any window holds it: the shown name, the
// widgets and series of each display type, switching on and off, and the red highlight.
#include <gtest/gtest.h>

#include <string>

#include "app/monitor/MonitorBlock.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "windowing/box/Box.h"
#include "windowing/paint/CounterData.h"
#include "windowing/widgets/Counter.h"
#include "windowing/widgets/Label.h"

using s::system::counter::MonitorBlock;

namespace {

class MonitorBlockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        localizer = s::lang::Localizer::New();
        s::lang::LangPack* pack = s::lang::LangPack::New();
        pack->AddText(1000000, L"CPU");
        pack->AddText(900000, L"\u00A0Usage");
        pack->AddText(904000, L"");
        localizer->AddPack(pack);
    }
    void TearDown() override
    {
        for (MonitorBlock* block : blocks)
            block->ReleaseToPool();
        localizer->ReleaseToPool();
    }

    MonitorBlock* Make(int32_t type, bool enabled = true, int32_t maximum = -1, const wchar_t* prefix = L"",
                       int32_t textId = 1000000, const wchar_t* suffix = L"")
    {
        MonitorBlock* block = MonitorBlock::New(&brackets, localizer, L"CPU_USAGE_TOTAL", enabled, type, maximum,
                                                false, true, 8, prefix, textId, suffix, true, true, 11, L"100%",
                                                nullptr, nullptr, -1);
        if (block)
            blocks.push_back(block);
        return block;
    }

    uint8_t brackets = 1;
    s::lang::Localizer* localizer = nullptr;
    std::vector<MonitorBlock*> blocks;
};

TEST_F(MonitorBlockTest, ShownNameFollowsTheBracketSetting)
{
    struct Case {
        uint8_t brackets;
        const wchar_t* prefix;
        int32_t textId;
        const wchar_t* suffix;
        const wchar_t* shown;
    };
    const Case cases[] = {
        // The first per-core field: a prefix and an id whose text is empty.
        {1, L"CPU #1", 904000, L"", L"[CPU #1]"},
        {0, L"CPU #1", 904000, L"", L"CPU #1"},
        {1, L"C:\\", 900000, L"", L"[C:\\\u00A0Usage]"},
        {1, L"", 1000000, L" #2", L"[CPU #2]"},
        // An id the pack lacks names the row by its key, never "[]".
        {0, L"", 123, L"", L"CPU_USAGE_TOTAL"},
        {1, L"D:\\", 123, L" #2", L"[CPU_USAGE_TOTAL]"},
    };
    for (const Case& c : cases) {
        brackets = c.brackets;
        MonitorBlock* block = Make(1, true, -1, c.prefix, c.textId, c.suffix);
        ASSERT_NE(nullptr, block);
        EXPECT_EQ(std::wstring(c.shown), block->GetShownLabel()) << c.prefix;
        EXPECT_EQ(std::wstring(c.shown), block->GetNameLabel()->GetText());
    }
    // The setting read anew each time the name is composed.
    MonitorBlock* block = blocks.front();
    brackets = 0;
    block->RefreshLabel();
    EXPECT_EQ(std::wstring(L"CPU #1"), block->GetNameLabel()->GetText());
}

TEST_F(MonitorBlockTest, EachDisplayTypeBuildsItsWidgetsAndSeries)
{
    struct Case {
        int32_t type;
        int32_t maximum;
        bool counter;
        bool secondShown;
        int32_t graphMode;
        uint32_t history;
        bool unbounded;
    };
    const Case cases[] = {
        {0, -1, false, false, 0, 0, false},  {1, -1, true, false, 0, 300, false}, {2, 1024, true, true, 0, 300, true},
        {3, -1, true, false, 1, 2, false},   {4, 100, true, true, 1, 2, true},
    };
    for (const Case& c : cases) {
        MonitorBlock* block = Make(c.type, true, c.maximum);
        ASSERT_NE(nullptr, block);
        ASSERT_NE(nullptr, block->GetContent()) << c.type;
        // Name, filler and value, in this order, in the content Box.
        ASSERT_EQ(3, block->GetContent()->GetChildCount()) << c.type;
        EXPECT_EQ(block->GetNameLabel(), block->GetContent()->GetChildAt(0));
        EXPECT_EQ(block->GetValueLabel(), block->GetContent()->GetChildAt(2));
        EXPECT_EQ(std::wstring(L"100%"), block->GetValueLabel()->GetText());
        EXPECT_EQ(c.counter, block->GetCounter() != nullptr) << c.type;
        if (!block->GetCounter()) {
            EXPECT_EQ(block->GetContent(), block->GetRow());
            continue;
        }
        s::gui::win::Counter* counter = block->GetCounter();
        EXPECT_EQ(counter, block->GetRow());
        EXPECT_EQ(c.secondShown, counter->IsSecondaryShown()) << c.type;
        EXPECT_EQ(c.graphMode, counter->GetGraphMode()) << c.type;
        s::gui::counter::CounterData* first = counter->GetPrimaryData();
        EXPECT_EQ(c.history, first->Points.GetCount()) << c.type;
        EXPECT_EQ(1u, first->SamplesPerPoint);
        EXPECT_EQ(100, first->Maximum);
        EXPECT_EQ(0, first->BaseValue);
        EXPECT_EQ(c.unbounded, first->Unbounded != 0) << c.type;
        if (c.unbounded) {
            EXPECT_EQ(c.maximum, first->MaximumFloor);
        }
        EXPECT_EQ(c.secondShown ? c.history : 0u, counter->GetSecondaryData()->Points.GetCount()) << c.type;
    }
}

TEST_F(MonitorBlockTest, BadDisplayTypeGivesALabelsOnlyRow)
{
    for (int32_t type : {-1, 5, 1000}) {
        MonitorBlock* block = Make(type);
        ASSERT_NE(nullptr, block);
        EXPECT_EQ(0, block->GetDisplayType());
        EXPECT_EQ(nullptr, block->GetCounter());
    }
}

TEST_F(MonitorBlockTest, SwitchingToTheSameStateChangesNothing)
{
    MonitorBlock* graph = Make(2, false);
    ASSERT_NE(nullptr, graph);
    EXPECT_FALSE(graph->IsEnabled());
    graph->SetEnabled(true);
    EXPECT_TRUE(graph->IsEnabled());
    // Again on: the row keeps the form it was given meanwhile.
    graph->LayoutHorizontal(true);
    graph->SetEnabled(true);
    EXPECT_EQ(3, graph->GetLayoutMode());
    graph->SetEnabled(false);
    graph->SetEnabled(false);
    EXPECT_FALSE(graph->IsEnabled());
}

TEST_F(MonitorBlockTest, OnlyRowsWithACounterTurnRed)
{
    MonitorBlock* graph = Make(1);
    MonitorBlock* labels = Make(0);
    ASSERT_NE(nullptr, graph);
    ASSERT_NE(nullptr, labels);
    graph->SetHighlighted(true);
    EXPECT_TRUE(graph->IsHighlighted());
    EXPECT_FALSE(graph->GetCounter()->IsBackgroundInherited());
    EXPECT_EQ(RGB(255, 0, 0), graph->GetCounter()->GetBackgroundColor());
    graph->SetHighlighted(false);
    EXPECT_FALSE(graph->IsHighlighted());
    EXPECT_TRUE(graph->GetCounter()->IsBackgroundInherited());

    labels->SetHighlighted(true);
    EXPECT_FALSE(labels->IsHighlighted());
}

TEST_F(MonitorBlockTest, SamplesReachTheCounterSeries)
{
    MonitorBlock* meter = Make(4);
    ASSERT_NE(nullptr, meter);
    meter->AddPrimarySample(40);
    meter->AddSecondarySample(300);
    s::gui::counter::CounterData* first = meter->GetCounter()->GetPrimaryData();
    s::gui::counter::CounterData* second = meter->GetCounter()->GetSecondaryData();
    EXPECT_EQ(40, first->Points.Get(first->Current));
    // A bounded series cuts a reading out of range at its maximum.
    EXPECT_EQ(100, second->Points.Get(second->Current));
    meter->SetValueText(L"40%", false);
    EXPECT_EQ(std::wstring(L"40%"), meter->GetValueLabel()->GetText());
}

} // namespace
