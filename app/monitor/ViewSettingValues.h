#pragma once
#include <cstdint>

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

// The monitor's stored view settings as values: the texts they are stored as, the menu commands
// that choose them and the radio positions that show them. A stored text or number the gadget
// does not know reads as the setting's default.

enum AutoHideStyle : int32_t { kAutoHideShrink = 0, kAutoHideTransparent = 1 };
enum AlignType : int32_t { kAlignHorizontal = 0, kAlignHorizontalFlow = 1, kAlignVertical = 2 };
// Size and cell-width types; custom is a size type only.
enum SizeType : int32_t {
    kSizeVerySmall = 0,
    kSizeSmall = 2,
    kSizeMedium = 4,
    kSizeLarge = 6,
    kSizeVeryLarge = 8,
    kSizeCustom = 10
};
enum CellStyle : int32_t { kCellBox = 0, kCellBoxFlat = 1, kCellFlat = 2, kCellFlatSlim = 3 };

// Texts compare without regard to case and must match whole.
int32_t AutoHideStyleFromText(const wchar_t* text);
const wchar_t* AutoHideStyleText(int32_t style);
int32_t AlignTypeFromText(const wchar_t* text);
const wchar_t* AlignTypeText(int32_t alignment);
// "SizeType" knows the custom size, "CellWidthType" does not.
int32_t SizeTypeFromText(const wchar_t* text, bool customAllowed);
const wchar_t* SizeTypeText(int32_t size);
// A flat cell under the horizontal alignment reads as box flat.
int32_t CellStyleFromText(const wchar_t* text, int32_t alignment);
const wchar_t* CellStyleText(int32_t style);

// Refresh periods, commands 505 to 580: the stored period, its text id and its radio position.
struct RefreshPeriod {
    int32_t command;
    int32_t textId;
    int32_t millis;
};
const int32_t kRefreshPeriodCount = 10;
const RefreshPeriod* RefreshPeriods();
// A stored period that no item offers reads as the refresh cycle's default, 1,000 ms.
int32_t RefreshPeriodFromStored(int32_t millis);
// The radio position of a period or command; -1 for none.
int32_t RefreshPeriodPosition(int32_t millis);
int32_t RefreshPeriodCommandPosition(int32_t command);

// Auto-hide delays, commands 760 to 776: 0-10 seconds, then 15, 20, 30, 60, 300 and 600.
const int32_t kFirstAutoHideDelayCommand = 760;
const int32_t kLastAutoHideDelayCommand = 776;
// -1 for a command outside the range.
int32_t AutoHideSecondsOfCommand(int32_t command);
// The radio position of a delay (the seconds up to 10, then 11-16); -1 for a delay no item offers.
int32_t AutoHideDelayPosition(int32_t seconds);

// Opacity, commands 600 (opaque, "0%") and 610-690 (90 % down to 10 %).
const int32_t kDefaultOpacity = 90;
// -1 for a command outside the range or between its steps.
int32_t OpacityOfCommand(int32_t command);
// (100 - opacity) / 10 for 10-90, else 0.
int32_t OpacityPosition(int32_t opacity);
// A stored opacity that no item offers reads as the default.
int32_t OpacityFromStored(int32_t opacity);

// Layout presets, commands 850 to 874: alignment and cell style at a radio position.
struct LayoutPreset {
    int32_t command;
    int32_t textId;
    int32_t alignment;
    int32_t cellStyle;
};
const int32_t kLayoutPresetCount = 9;
const LayoutPreset* LayoutPresets();
// The preset of a command, null for none.
const LayoutPreset* FindLayoutPreset(int32_t command);
// The radio position of a combination; -1 when no preset shows it.
int32_t LayoutPresetPosition(int32_t alignment, int32_t cellStyle);

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
