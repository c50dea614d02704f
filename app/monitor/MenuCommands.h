#pragma once
#include <cstdint>

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

// Command ids of the monitor's menus. Ids 0 to 99 choose a language pack by its index (the
// number of packs opens the translation page); ranges hold one id per option.
namespace command {

// Notification-area menu.
const int32_t kOpenWindow = 900;
const int32_t kTrayKeepInScreen = 905;
const int32_t kTrayKeepOnTop = 910;
const int32_t kTrayAutoHide = 920;
const int32_t kTrayExit = 990;
const int32_t kTrayAutoHideShrink = 1100;
const int32_t kTrayAutoHideTransparent = 1110;

// About submenu, in both menus.
const int32_t kVersionInformation = 10000;
const int32_t kSoftwarePage = 10100;
const int32_t kTellDevelopers = 10200;
const int32_t kErrorReport = 10300;
const int32_t kSoftwareList = 10900;
const int32_t kWorkplace = 10950;

// Main (context) menu.
const int32_t kLastLanguage = 99;
const int32_t kKeepOnTop = 100;
const int32_t kTaskbarButton = 130;
const int32_t kWithBrackets = 131;
const int32_t kKeepInScreen = 135;
const int32_t kStartWithWindows = 140;
const int32_t kTaskScheduler = 141;
const int32_t kFirstRefresh = 505;
const int32_t kLastRefresh = 580;
const int32_t kFirstOpacity = 590;
const int32_t kOpaque = 600;
const int32_t kLastOpacity = 699;
const int32_t kAutoHideShrink = 700;
const int32_t kAutoHideTransparent = 710;
const int32_t kAutoHide = 750;
const int32_t kFirstAutoHide = 700;
const int32_t kLastAutoHide = 776;
const int32_t kFirstSize = 777;
const int32_t kSizeVerySmall = 810;
const int32_t kSizeCustom = 820;
const int32_t kLastSize = 849;
const int32_t kFirstLayout = 850;
const int32_t kLastLayout = 899;
const int32_t kFirstMouse = 900;
const int32_t kDoubleClickShrinks = 1010;
const int32_t kMiddleClickIconizes = 1030;
const int32_t kShiftSuspendsAutoHide = 1040;
const int32_t kLastMouse = 1099;
const int32_t kFirstCellWidth = 1100;
const int32_t kCellWidthVerySmall = 1210;
const int32_t kLastCellWidth = 1249;
const int32_t kFirstFont = 1250;
const int32_t kHeaderBold = 1500;
const int32_t kHeaderOutline = 1501;
const int32_t kFirstHeaderSize = 1511;
const int32_t kLastHeaderSize = 1520;
const int32_t kDataBold = 1600;
const int32_t kDataOutline = 1601;
const int32_t kFirstDataSize = 1611;
const int32_t kLastDataSize = 1620;
const int32_t kLastFont = 1699;
const int32_t kFirstField = 1700;
const int32_t kFieldBase = 2000;
const int32_t kCustomizeFields = 2996;
const int32_t kRestoreDefaultFields = 2997;
const int32_t kDeselectAllFields = 2998;
const int32_t kSelectAllFields = 2999;
const int32_t kFirstSkinCommand = 3000;
const int32_t kIconize = 10001;
const int32_t kExit = 10002;
const int32_t kSkinBase = 28200;
const int32_t kSkinThumbnails = 29997;
const int32_t kCreateSkinImages = 29998;
const int32_t kCustomizeSkin = 29999;

} // namespace command

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
