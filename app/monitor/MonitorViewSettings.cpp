// The monitor's view settings: read once at start, changed from the menus, stored at once.
#include "app/monitor/Monitor.h"

#include <cerrno>
#include <cstdint>
#include <cwchar>

#include "app/AppWindow.h"
#include "app/monitor/MenuCommands.h"
#include "app/monitor/MonitorSettingKeys.h"
#include "app/monitor/ViewSettingValues.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/IMappedData.h"
#include "windowing/MiddleClickActions.h"
#include "windowing/Window.h"
#include "windowing/menu/PopupMenu.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {
namespace toolkit = ::s::gui;

const int32_t kStoredAutoHideSeconds = 1;
const int32_t kDefaultHeaderSize = 8;
const int32_t kDefaultDataSize = 11;
const int32_t kSmallestFontSize = 6;
const int32_t kLargestCustomSize = 15;
const int32_t kLargestFontSize = 16;
const wchar_t kStoredAutoHideStyle[] = L"AutoShrinkAlways";
// Choosing a flow layout from another one starts from a wide, low window.
const int32_t kFlowStartWidth = 500;
const int32_t kFlowStartHeight = 50;

int32_t SizeWithin(int32_t size, int32_t largest, int32_t fallback)
{
    return size >= kSmallestFontSize && size <= largest ? size : fallback;
}

void SetCheckedIn(toolkit::win::PopupMenu* menu, int32_t command, bool checked)
{
    if (menu)
        menu->SetChecked(command, checked);
}
} // namespace

// A stored number; a value that is no whole number (of the wrong type, damaged) reads as the
// fallback, as a missing one does.
int64_t Monitor::ReadNumber(const wchar_t* group, const wchar_t* name, int64_t fallback)
{
    const std::wstring section = SectionPath(group);
    if (!settings_ || !settings_->HasValue(section.c_str(), name))
        return fallback;
    const wchar_t* text = settings_->GetString(section.c_str(), name, L"", nullptr, false);
    wchar_t* end = nullptr;
    errno = 0;
    const long long value = std::wcstoll(text, &end, 10);
    if (!text[0] || errno != 0 || (end && *end))
        return fallback;
    return value;
}

int32_t Monitor::ReadInt(const wchar_t* group, const wchar_t* name, int32_t fallback)
{
    const int64_t value = ReadNumber(group, name, fallback);
    return value >= INT32_MIN && value <= INT32_MAX ? static_cast<int32_t>(value) : fallback;
}

void Monitor::StoreBool(const wchar_t* group, const wchar_t* name, bool value)
{
    if (settings_)
        settings_->SetBool(SectionPath(group).c_str(), name, value);
}

void Monitor::LoadViewSettings()
{
    if (!settings_)
        return;
    const std::wstring view = SectionPath(key::kGroupView);
    const std::wstring mouse = SectionPath(key::kGroupMouse);
    withBracket_ = settings_->GetBool(view.c_str(), key::kWithBracket, true) ? 1 : 0;
    opacity_ = OpacityFromStored(ReadInt(key::kGroupView, key::kTransparency, kDefaultOpacity));
    doubleClickShrinks_ = settings_->GetBool(mouse.c_str(), key::kDoubleClickShrink, true);
    middleClickIconizes_ = holder_ ? holder_->IsMiddleClickIconize() : true;
    shiftSuspendsAutoHide_ = settings_->GetBool(mouse.c_str(), key::kShiftCancelAutoHide, true);
    showTaskbarButton_ = settings_->GetBool(view.c_str(), key::kShowTaskBarButton, false);
    cycle_.SetPeriod(RefreshPeriodFromStored(
        ReadInt(key::kGroupView, key::kRefreshFrequency, ::s::gui::dialogs::monitor::RefreshCycle::kDefaultPeriod)));
    LoadAutoHideSettings();
    LoadLayoutSettings();
    LoadFontSettings();
}

void Monitor::LoadAutoHideSettings()
{
    const std::wstring view = SectionPath(key::kGroupView);
    autoHide_ = settings_->GetBool(view.c_str(), key::kAutoHide, false);
    autoHideOnlyOnTop_ = settings_->GetBool(view.c_str(), key::kAutoHideOnlyOnTop, false);
    const int32_t seconds = ReadInt(key::kGroupView, key::kAutoHideSec, kStoredAutoHideSeconds);
    autoHideSeconds_ = AutoHideDelayPosition(seconds) >= 0 ? seconds : kStoredAutoHideSeconds;
    autoHideStyle_ =
        AutoHideStyleFromText(settings_->GetString(view.c_str(), key::kAutoHideStyle, kStoredAutoHideStyle, nullptr, false));
}

void Monitor::LoadLayoutSettings()
{
    const std::wstring view = SectionPath(key::kGroupView);
    alignment_ = AlignTypeFromText(settings_->GetString(view.c_str(), key::kAlignType, L"", nullptr, false));
    sizeType_ = SizeTypeFromText(settings_->GetString(view.c_str(), key::kSizeType, L"", nullptr, false), true);
    cellWidthType_ = SizeTypeFromText(settings_->GetString(view.c_str(), key::kCellWidthType, L"", nullptr, false), false);
    cellStyle_ = CellStyleFromText(settings_->GetString(view.c_str(), key::kCellStyle, L"", nullptr, false), alignment_);
}

void Monitor::LoadFontSettings()
{
    const std::wstring header = SectionPath(key::kGroupHeaderFont);
    const std::wstring data = SectionPath(key::kGroupDataFont);
    headerBold_ = settings_->GetBool(header.c_str(), key::kBold, false);
    headerOutline_ = settings_->GetBool(header.c_str(), key::kOutline, true);
    headerSize_ = SizeWithin(ReadInt(key::kGroupHeaderFont, key::kSize, kDefaultHeaderSize), kLargestFontSize,
                             kDefaultHeaderSize);
    headerCustomSize_ = SizeWithin(ReadInt(key::kGroupHeaderFont, key::kSizeCustom, kDefaultHeaderSize),
                                   kLargestCustomSize, kDefaultHeaderSize);
    dataBold_ = settings_->GetBool(data.c_str(), key::kBold, true);
    dataOutline_ = settings_->GetBool(data.c_str(), key::kOutline, true);
    dataSize_ =
        SizeWithin(ReadInt(key::kGroupDataFont, key::kSize, kDefaultDataSize), kLargestFontSize, kDefaultDataSize);
    dataCustomSize_ = SizeWithin(ReadInt(key::kGroupDataFont, key::kSizeCustom, kDefaultDataSize),
                                 kLargestCustomSize, kDefaultDataSize);
}

void Monitor::SaveAutoHideSettings()
{
    if (!settings_)
        return;
    const std::wstring view = SectionPath(key::kGroupView);
    settings_->SetBool(view.c_str(), key::kAutoHide, autoHide_);
    settings_->SetBool(view.c_str(), key::kAutoHideOnlyOnTop, autoHideOnlyOnTop_);
    settings_->SetInt32(view.c_str(), key::kAutoHideSec, autoHideSeconds_);
    settings_->SetString(view.c_str(), key::kAutoHideStyle, AutoHideStyleText(autoHideStyle_));
}

void Monitor::SaveLayoutSettings()
{
    if (!settings_)
        return;
    const std::wstring view = SectionPath(key::kGroupView);
    settings_->SetString(view.c_str(), key::kAlignType, AlignTypeText(alignment_));
    settings_->SetString(view.c_str(), key::kSizeType, SizeTypeText(sizeType_));
    settings_->SetString(view.c_str(), key::kCellWidthType, SizeTypeText(cellWidthType_));
    settings_->SetString(view.c_str(), key::kCellStyle, CellStyleText(cellStyle_));
}

void Monitor::SaveFontSettings()
{
    if (!settings_)
        return;
    const std::wstring header = SectionPath(key::kGroupHeaderFont);
    const std::wstring data = SectionPath(key::kGroupDataFont);
    settings_->SetBool(header.c_str(), key::kBold, headerBold_);
    settings_->SetBool(header.c_str(), key::kOutline, headerOutline_);
    settings_->SetInt32(header.c_str(), key::kSize, headerSize_);
    settings_->SetInt32(header.c_str(), key::kSizeCustom, headerCustomSize_);
    settings_->SetBool(data.c_str(), key::kBold, dataBold_);
    settings_->SetBool(data.c_str(), key::kOutline, dataOutline_);
    settings_->SetInt32(data.c_str(), key::kSize, dataSize_);
    settings_->SetInt32(data.c_str(), key::kSizeCustom, dataCustomSize_);
}

void Monitor::SaveMouseSettings()
{
    StoreBool(key::kGroupMouse, key::kDoubleClickShrink, doubleClickShrinks_);
    if (window_)
        window_->SetMiddleClickAction(middleClickIconizes_ ? toolkit::win::kMiddleClickIconize
                                                           : toolkit::win::kMiddleClickDoNothing);
    StoreBool(key::kGroupMouse, key::kShiftCancelAutoHide, shiftSuspendsAutoHide_);
}

void Monitor::SetAutoHide(bool on)
{
    autoHide_ = on;
    SetCheckedIn(menus_.GetMainMenu(), command::kAutoHide, on);
    SetCheckedIn(menus_.GetTrayMenu(), command::kTrayAutoHide, on);
    SaveAutoHideSettings();
    Unshrink();
    ApplyHoverHide();
}

void Monitor::SetAutoHideStyle(int32_t style)
{
    autoHideStyle_ = style;
    menus_.MarkAutoHideStyle(style);
    SaveAutoHideSettings();
    Unshrink();
    ApplyHoverHide();
}

void Monitor::OnAutoHideCommand(int32_t command)
{
    if (command == command::kAutoHideShrink) {
        SetAutoHideStyle(kAutoHideShrink);
        return;
    }
    if (command == command::kAutoHideTransparent) {
        if (autoHide_ && window_ && localizer_)
            window_->ShowInfoMessage(localizer_->GetText(kImportantAutoHideText));
        SetAutoHideStyle(kAutoHideTransparent);
        return;
    }
    const int32_t seconds = AutoHideSecondsOfCommand(command);
    if (seconds < 0)
        return;
    autoHideSeconds_ = seconds;
    menus_.MarkAutoHideDelay(seconds);
    SaveAutoHideSettings();
    Unshrink();
    ApplyHoverHide();
}

void Monitor::OnTransparencyCommand(int32_t command)
{
    const int32_t opacity = OpacityOfCommand(command);
    if (opacity >= 0)
        SetTransparency(opacity);
}

void Monitor::SetTransparency(int32_t opacity)
{
    opacity_ = opacity;
    menus_.MarkOpacity(opacity);
    if (settings_) {
        const std::wstring view = SectionPath(key::kGroupView);
        settings_->SetInt32(view.c_str(), key::kTransparency, opacity_);
        settings_->SetBool(view.c_str(), key::kTransparencyOnlyOnTop, opacityOnlyOnTop_);
    }
    if (window_)
        window_->SetOpacity(opacity_, opacityOnlyOnTop_);
}

void Monitor::OnSizeCommand(int32_t command)
{
    const int32_t step = command - command::kSizeVerySmall;
    if (step < 0 || step % 2 != 0 || command > command::kSizeCustom)
        return;
    const int32_t sizeType = step;
    if (sizeType_ == kSizeCustom && sizeType != kSizeCustom) {
        // Leaving the custom size gives the fonts their default look back.
        headerBold_ = false;
        dataBold_ = true;
        headerOutline_ = true;
        dataOutline_ = true;
        toolkit::win::PopupMenu* header = menus_.GetHeaderFontMenu();
        toolkit::win::PopupMenu* data = menus_.GetDataFontMenu();
        SetCheckedIn(header, command::kHeaderBold, headerBold_);
        SetCheckedIn(header, command::kHeaderOutline, headerOutline_);
        SetCheckedIn(data, command::kDataBold, dataBold_);
        SetCheckedIn(data, command::kDataOutline, dataOutline_);
        SaveFontSettings();
        ApplyFonts();
    }
    sizeType_ = sizeType;
    menus_.MarkSize(sizeType_);
    SaveLayoutSettings();
    ApplyLayout(true);
}

void Monitor::OnLayoutCommand(int32_t command)
{
    const LayoutPreset* preset = FindLayoutPreset(command);
    if (!preset)
        return;
    const bool becomesFlow = preset->alignment == kAlignHorizontalFlow && alignment_ != kAlignHorizontalFlow;
    alignment_ = preset->alignment;
    cellStyle_ = preset->cellStyle;
    menus_.MarkLayout(alignment_, cellStyle_);
    SaveLayoutSettings();
    ApplyLayout(false);
    if (becomesFlow && window_) {
        window_->SetSize(kFlowStartWidth, kFlowStartHeight);
        window_->ShrinkHeightToMinimum();
    }
}

void Monitor::OnCellWidthCommand(int32_t command)
{
    const int32_t step = command - command::kCellWidthVerySmall;
    if (step < 0 || step % 2 != 0 || step > kSizeVeryLarge)
        return;
    cellWidthType_ = step;
    menus_.MarkCellWidth(cellWidthType_);
    SaveLayoutSettings();
    ApplyLayout(true);
}

void Monitor::OnMouseCommand(int32_t command)
{
    toolkit::win::PopupMenu* main = menus_.GetMainMenu();
    switch (command) {
    case command::kDoubleClickShrinks:
        doubleClickShrinks_ = !doubleClickShrinks_;
        SetCheckedIn(main, command, doubleClickShrinks_);
        SaveMouseSettings();
        if (!doubleClickShrinks_)
            Unshrink();
        break;
    case command::kMiddleClickIconizes:
        middleClickIconizes_ = !middleClickIconizes_;
        SetCheckedIn(main, command, middleClickIconizes_);
        SaveMouseSettings();
        break;
    case command::kShiftSuspendsAutoHide:
        shiftSuspendsAutoHide_ = !shiftSuspendsAutoHide_;
        SetCheckedIn(main, command, shiftSuspendsAutoHide_);
        SaveMouseSettings();
        ApplyHoverHide();
        break;
    default:
        break;
    }
}

void Monitor::OnFontCommand(int32_t command)
{
    toolkit::win::PopupMenu* header = menus_.GetHeaderFontMenu();
    toolkit::win::PopupMenu* data = menus_.GetDataFontMenu();
    const bool custom = sizeType_ == kSizeCustom;
    if (command == command::kHeaderBold) {
        headerBold_ = !headerBold_;
        SetCheckedIn(header, command, headerBold_);
    } else if (command == command::kHeaderOutline) {
        headerOutline_ = !headerOutline_;
        SetCheckedIn(header, command, headerOutline_);
    } else if (command == command::kDataBold) {
        dataBold_ = !dataBold_;
        SetCheckedIn(data, command, dataBold_);
    } else if (command == command::kDataOutline) {
        dataOutline_ = !dataOutline_;
        SetCheckedIn(data, command, dataOutline_);
    } else if (command >= command::kFirstHeaderSize && command <= command::kLastHeaderSize) {
        headerCustomSize_ = command - command::kFirstHeaderSize + kSmallestFontSize;
        if (custom)
            headerSize_ = headerCustomSize_;
        menus_.MarkHeaderSize(headerCustomSize_);
    } else if (command >= command::kFirstDataSize && command <= command::kLastDataSize) {
        dataCustomSize_ = command - command::kFirstDataSize + kSmallestFontSize;
        if (custom)
            dataSize_ = dataCustomSize_;
        menus_.MarkDataSize(dataCustomSize_);
    } else {
        return;
    }
    SaveFontSettings();
    ApplyFonts();
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
