#include "app/monitor/ViewSettingValues.h"

#include <cwctype>

#include "app/monitor/RefreshCycle.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {

struct Choice {
    const wchar_t* text;
    int32_t value;
};

const Choice kAutoHideStyles[] = {{L"AUTOHIDE_TYPE_SHRINK", kAutoHideShrink}, {L"AUTOHIDE_TYPE_TRANS", kAutoHideTransparent}};
const Choice kAlignTypes[] = {{L"ALIGN_TYPE_HORIZONTAL", kAlignHorizontal},
                              {L"ALIGN_TYPE_HORIZONTALFLOW", kAlignHorizontalFlow},
                              {L"ALIGN_TYPE_VERTICAL", kAlignVertical}};
const Choice kSizeTypes[] = {{L"SIZE_TYPE_VERYSMALL", kSizeVerySmall}, {L"SIZE_TYPE_SMALL", kSizeSmall},
                             {L"SIZE_TYPE_MEDIUM", kSizeMedium},       {L"SIZE_TYPE_LARGE", kSizeLarge},
                             {L"SIZE_TYPE_VERYLARGE", kSizeVeryLarge}, {L"SIZE_TYPE_CUSTOM", kSizeCustom}};
const Choice kCellStyles[] = {{L"CELL_TYPE_BOX", kCellBox},
                              {L"CELL_TYPE_BOXFLAT", kCellBoxFlat},
                              {L"CELL_TYPE_FLAT", kCellFlat},
                              {L"CELL_TYPE_FLATSLIM", kCellFlatSlim}};

const RefreshPeriod kRefreshPeriods[kRefreshPeriodCount] = {
    {505, 710050, 500},    {510, 710100, 1000},   {515, 710150, 1500},   {520, 710200, 2000},   {530, 710300, 3000},
    {540, 710400, 5000},   {550, 710500, 10000},  {560, 710600, 30000},  {570, 710700, 60000},  {580, 710800, 300000},
};

const int32_t kLongDelays[] = {15, 20, 30, 60, 300, 600};
const int32_t kShortDelayCount = 11;

const int32_t kOpaqueCommand = 600;
const int32_t kFirstOpacityStep = 610;
const int32_t kLastOpacityStep = 690;

const LayoutPreset kLayoutPresets[kLayoutPresetCount] = {
    {850, 720010, kAlignVertical, kCellBox},          {852, 720020, kAlignVertical, kCellFlat},
    {854, 720030, kAlignVertical, kCellFlatSlim},     {860, 720040, kAlignHorizontal, kCellBox},
    {862, 720050, kAlignHorizontal, kCellBoxFlat},    {864, 720060, kAlignHorizontal, kCellFlatSlim},
    {870, 720070, kAlignHorizontalFlow, kCellBox},    {872, 720080, kAlignHorizontalFlow, kCellBoxFlat},
    {874, 720090, kAlignHorizontalFlow, kCellFlatSlim},
};

bool SameText(const wchar_t* a, const wchar_t* b)
{
    for (;; ++a, ++b) {
        if (std::towupper(*a) != std::towupper(*b))
            return false;
        if (!*a)
            return true;
    }
}

template <size_t N>
int32_t FromText(const Choice (&table)[N], const wchar_t* text, int32_t fallback, size_t count = N)
{
    for (size_t i = 0; text && i < count; ++i) {
        if (SameText(table[i].text, text))
            return table[i].value;
    }
    return fallback;
}

template <size_t N>
const wchar_t* ToText(const Choice (&table)[N], int32_t value, const wchar_t* fallback)
{
    for (const Choice& choice : table) {
        if (choice.value == value)
            return choice.text;
    }
    return fallback;
}

} // namespace

int32_t AutoHideStyleFromText(const wchar_t* text)
{
    return FromText(kAutoHideStyles, text, kAutoHideShrink);
}

const wchar_t* AutoHideStyleText(int32_t style)
{
    return ToText(kAutoHideStyles, style, kAutoHideStyles[0].text);
}

int32_t AlignTypeFromText(const wchar_t* text)
{
    return FromText(kAlignTypes, text, kAlignVertical);
}

const wchar_t* AlignTypeText(int32_t alignment)
{
    return ToText(kAlignTypes, alignment, L"ALIGN_TYPE_VERTICAL");
}

int32_t SizeTypeFromText(const wchar_t* text, bool customAllowed)
{
    const size_t count = sizeof(kSizeTypes) / sizeof(kSizeTypes[0]);
    return FromText(kSizeTypes, text, kSizeMedium, customAllowed ? count : count - 1);
}

const wchar_t* SizeTypeText(int32_t size)
{
    return ToText(kSizeTypes, size, L"SIZE_TYPE_MEDIUM");
}

int32_t CellStyleFromText(const wchar_t* text, int32_t alignment)
{
    const int32_t style = FromText(kCellStyles, text, kCellBox);
    return style == kCellFlat && alignment == kAlignHorizontal ? kCellBoxFlat : style;
}

const wchar_t* CellStyleText(int32_t style)
{
    return ToText(kCellStyles, style, L"CELL_TYPE_BOX");
}

const RefreshPeriod* RefreshPeriods()
{
    return kRefreshPeriods;
}

int32_t RefreshPeriodFromStored(int32_t millis)
{
    return RefreshPeriodPosition(millis) >= 0 ? millis : s::gui::dialogs::monitor::RefreshCycle::kDefaultPeriod;
}

int32_t RefreshPeriodPosition(int32_t millis)
{
    for (int32_t i = 0; i < kRefreshPeriodCount; ++i) {
        if (kRefreshPeriods[i].millis == millis)
            return i;
    }
    return -1;
}

int32_t RefreshPeriodCommandPosition(int32_t command)
{
    for (int32_t i = 0; i < kRefreshPeriodCount; ++i) {
        if (kRefreshPeriods[i].command == command)
            return i;
    }
    return -1;
}

int32_t AutoHideSecondsOfCommand(int32_t command)
{
    if (command < kFirstAutoHideDelayCommand || command > kLastAutoHideDelayCommand)
        return -1;
    const int32_t step = command - kFirstAutoHideDelayCommand;
    return step < kShortDelayCount ? step : kLongDelays[step - kShortDelayCount];
}

int32_t AutoHideDelayPosition(int32_t seconds)
{
    if (seconds >= 0 && seconds < kShortDelayCount)
        return seconds;
    for (int32_t i = 0; i < static_cast<int32_t>(sizeof(kLongDelays) / sizeof(kLongDelays[0])); ++i) {
        if (kLongDelays[i] == seconds)
            return kShortDelayCount + i;
    }
    return -1;
}

int32_t OpacityOfCommand(int32_t command)
{
    if (command == kOpaqueCommand)
        return 100;
    if (command < kFirstOpacityStep || command > kLastOpacityStep || command % 10 != 0)
        return -1;
    return 100 - (command - kOpaqueCommand);
}

int32_t OpacityPosition(int32_t opacity)
{
    return opacity >= 10 && opacity <= 90 ? (100 - opacity) / 10 : 0;
}

int32_t OpacityFromStored(int32_t opacity)
{
    return opacity >= 10 && opacity <= 100 && opacity % 10 == 0 ? opacity : kDefaultOpacity;
}

const LayoutPreset* LayoutPresets()
{
    return kLayoutPresets;
}

const LayoutPreset* FindLayoutPreset(int32_t command)
{
    for (const LayoutPreset& preset : kLayoutPresets) {
        if (preset.command == command)
            return &preset;
    }
    return nullptr;
}

int32_t LayoutPresetPosition(int32_t alignment, int32_t cellStyle)
{
    for (int32_t i = 0; i < kLayoutPresetCount; ++i) {
        if (kLayoutPresets[i].alignment == alignment && kLayoutPresets[i].cellStyle == cellStyle)
            return i;
    }
    return -1;
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
