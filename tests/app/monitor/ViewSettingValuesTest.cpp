// The stored view settings as values: every known text, and what unknown or missing ones read as.
#include <gtest/gtest.h>

#include "app/monitor/ViewSettingValues.h"

namespace {

using namespace s::system::gui::dialogs::monitor;

TEST(ViewSettingValuesTest, StoredTextsReadBackAndUnknownOnesGiveTheDefaults)
{
    struct Case {
        const char* what;
        int32_t read;
        int32_t expected;
    };
    const Case cases[] = {
        {"style shrink", AutoHideStyleFromText(L"AUTOHIDE_TYPE_SHRINK"), kAutoHideShrink},
        {"style in lower case", AutoHideStyleFromText(L"autohide_type_trans"), kAutoHideTransparent},
        {"style default text", AutoHideStyleFromText(L"AutoShrinkAlways"), kAutoHideShrink},
        {"style missing", AutoHideStyleFromText(nullptr), kAutoHideShrink},
        {"style longer", AutoHideStyleFromText(L"AUTOHIDE_TYPE_TRANSX"), kAutoHideShrink},
        {"align horizontal", AlignTypeFromText(L"ALIGN_TYPE_HORIZONTAL"), kAlignHorizontal},
        {"align flow", AlignTypeFromText(L"Align_Type_HorizontalFlow"), kAlignHorizontalFlow},
        {"align unknown", AlignTypeFromText(L"DIAGONAL"), kAlignVertical},
        {"size custom", SizeTypeFromText(L"SIZE_TYPE_CUSTOM", true), kSizeCustom},
        {"cell width custom", SizeTypeFromText(L"SIZE_TYPE_CUSTOM", false), kSizeMedium},
        {"size very large", SizeTypeFromText(L"SIZE_TYPE_VERYLARGE", false), kSizeVeryLarge},
        {"size empty", SizeTypeFromText(L"", true), kSizeMedium},
        {"cell flat vertical", CellStyleFromText(L"CELL_TYPE_FLAT", kAlignVertical), kCellFlat},
        {"cell flat horizontal", CellStyleFromText(L"CELL_TYPE_FLAT", kAlignHorizontal), kCellBoxFlat},
        {"cell flat slim", CellStyleFromText(L"CELL_TYPE_FLATSLIM", kAlignHorizontal), kCellFlatSlim},
        {"cell unknown", CellStyleFromText(L"CELL", kAlignVertical), kCellBox},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, c.read) << c.what;

    // Each value is stored as the text that reads back as it.
    for (int32_t style : {kAutoHideShrink, kAutoHideTransparent})
        EXPECT_EQ(style, AutoHideStyleFromText(AutoHideStyleText(style)));
    for (int32_t alignment : {kAlignHorizontal, kAlignHorizontalFlow, kAlignVertical})
        EXPECT_EQ(alignment, AlignTypeFromText(AlignTypeText(alignment)));
    for (int32_t size : {kSizeVerySmall, kSizeSmall, kSizeMedium, kSizeLarge, kSizeVeryLarge, kSizeCustom})
        EXPECT_EQ(size, SizeTypeFromText(SizeTypeText(size), true));
    for (int32_t style : {kCellBox, kCellBoxFlat, kCellFlat, kCellFlatSlim})
        EXPECT_EQ(style, CellStyleFromText(CellStyleText(style), kAlignVertical));
}

TEST(ViewSettingValuesTest, RefreshPeriodsOfTheMenuAndStoredOnes)
{
    const int32_t commands[] = {505, 510, 515, 520, 530, 540, 550, 560, 570, 580};
    const int32_t millis[] = {500, 1000, 1500, 2000, 3000, 5000, 10000, 30000, 60000, 300000};
    for (int32_t i = 0; i < kRefreshPeriodCount; ++i) {
        EXPECT_EQ(commands[i], RefreshPeriods()[i].command);
        EXPECT_EQ(millis[i], RefreshPeriods()[i].millis);
        EXPECT_EQ(i, RefreshPeriodCommandPosition(commands[i]));
        EXPECT_EQ(i, RefreshPeriodPosition(millis[i]));
        EXPECT_EQ(millis[i], RefreshPeriodFromStored(millis[i]));
    }
    EXPECT_EQ(710050, RefreshPeriods()[0].textId);
    EXPECT_EQ(710800, RefreshPeriods()[9].textId);
    for (int32_t stored : {0, -1, 499, 750, 300001})
        EXPECT_EQ(1000, RefreshPeriodFromStored(stored)) << stored;
    EXPECT_EQ(-1, RefreshPeriodCommandPosition(525));
}

TEST(ViewSettingValuesTest, DelaysOpacitiesAndLayoutPresetsOfTheMenu)
{
    const int32_t seconds[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 20, 30, 60, 300, 600};
    for (int32_t command = 760; command <= 776; ++command) {
        const int32_t delay = seconds[command - 760];
        EXPECT_EQ(delay, AutoHideSecondsOfCommand(command));
        EXPECT_EQ(command - 760, AutoHideDelayPosition(delay));
    }
    EXPECT_EQ(-1, AutoHideSecondsOfCommand(759));
    EXPECT_EQ(-1, AutoHideSecondsOfCommand(777));
    EXPECT_EQ(-1, AutoHideDelayPosition(12));

    EXPECT_EQ(100, OpacityOfCommand(600));
    EXPECT_EQ(0, OpacityPosition(100));
    for (int32_t command = 610; command <= 690; command += 10) {
        const int32_t opacity = OpacityOfCommand(command);
        EXPECT_EQ(100 - (command - 600), opacity);
        EXPECT_EQ((command - 600) / 10, OpacityPosition(opacity));
        EXPECT_EQ(opacity, OpacityFromStored(opacity));
    }
    for (int32_t command : {599, 605, 695, 700})
        EXPECT_EQ(-1, OpacityOfCommand(command)) << command;
    // A stored opacity that would hide the window or that no item offers reads as 90.
    for (int32_t stored : {0, 5, 45, 101, -10})
        EXPECT_EQ(90, OpacityFromStored(stored)) << stored;

    for (int32_t i = 0; i < kLayoutPresetCount; ++i) {
        const LayoutPreset& preset = LayoutPresets()[i];
        EXPECT_EQ(&preset, FindLayoutPreset(preset.command));
        EXPECT_EQ(i, LayoutPresetPosition(preset.alignment, preset.cellStyle));
        EXPECT_EQ(720010 + 10 * i, preset.textId);
    }
    EXPECT_EQ(nullptr, FindLayoutPreset(851));
    EXPECT_EQ(-1, LayoutPresetPosition(kAlignVertical, kCellBoxFlat));
    EXPECT_EQ(-1, LayoutPresetPosition(kAlignHorizontalFlow, kCellFlat));
}

} // namespace
