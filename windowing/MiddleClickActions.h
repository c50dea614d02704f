#pragma once

namespace s {
namespace gui {
namespace win {

// The three actions of a middle click on a window, as its settings holder stores them. The
// window compares the action it is given against these by address, so every holder answers
// with one of these very texts.
extern const wchar_t kMiddleClickDoNothing[];
extern const wchar_t kMiddleClickIconize[];
extern const wchar_t kMiddleClickClose[];

} // namespace win
} // namespace gui
} // namespace s
