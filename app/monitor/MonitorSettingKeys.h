#pragma once

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

// Groups and keys of the monitor's stored settings, each group below the main window's section.
namespace key {

constexpr const wchar_t kGroupView[] = L"View";
constexpr const wchar_t kGroupHeaderFont[] = L"View\\HeaderFont";
constexpr const wchar_t kGroupDataFont[] = L"View\\DataFont";
constexpr const wchar_t kGroupMouse[] = L"Mouse";
constexpr const wchar_t kGroupField[] = L"Field";
constexpr const wchar_t kGroupFieldOrder[] = L"FieldOrder";
constexpr const wchar_t kGroupLastVisible[] = L"LastVisible";
constexpr const wchar_t kGroupLanguage[] = L"Language";
constexpr const wchar_t kGroupSkinSet[] = L"SkinSet";

constexpr const wchar_t kWithBracket[] = L"WithBracket";
constexpr const wchar_t kTransparency[] = L"Transparency";
constexpr const wchar_t kTransparencyOnlyOnTop[] = L"TransparencyOnlyOnTop";
constexpr const wchar_t kKeepInScreen[] = L"KeepInScreen";
constexpr const wchar_t kShowTaskBarButton[] = L"ShowTaskBarButton";
constexpr const wchar_t kRefreshFrequency[] = L"RefreshFrequency";
constexpr const wchar_t kAutoHide[] = L"AutoHide";
constexpr const wchar_t kAutoHideOnlyOnTop[] = L"AutoHideOnlyOnTop";
constexpr const wchar_t kAutoHideSec[] = L"AutoHideSec";
constexpr const wchar_t kAutoHideStyle[] = L"AutoHideStyle";
constexpr const wchar_t kAlignType[] = L"AlignType";
constexpr const wchar_t kSizeType[] = L"SizeType";
constexpr const wchar_t kCellWidthType[] = L"CellWidthType";
constexpr const wchar_t kCellStyle[] = L"CellStyle";
constexpr const wchar_t kRandomSkinDay[] = L"RandomSkinDay";
constexpr const wchar_t kRandomSkinLastChange[] = L"RandomSkinLastChange";
constexpr const wchar_t kBold[] = L"Bold";
constexpr const wchar_t kOutline[] = L"Outline";
constexpr const wchar_t kSize[] = L"Size";
constexpr const wchar_t kSizeCustom[] = L"SizeCustom";
constexpr const wchar_t kDoubleClickShrink[] = L"LDblClickShrink";
constexpr const wchar_t kShiftCancelAutoHide[] = L"ShiftCancelAutoHide";
constexpr const wchar_t kCount[] = L"count";
constexpr const wchar_t kLanguageName[] = L"";

} // namespace key

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
