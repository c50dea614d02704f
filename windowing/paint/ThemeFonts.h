#pragma once
#include <windows.h>

namespace s {
namespace gui {
namespace win {

// The visual theme's six system fonts (caption, small caption, menu, status, message box and
// icon title), read from "UxTheme.dll" at most once per process and kept until exit.
class ThemeFonts {
public:
    enum { kCaption = 801, kSmallCaption, kMenu, kStatus, kMessageBox, kIconTitle };

    // Copies the theme font with the id (801 to 806); false, leaving the record alone, when the
    // theme offers no fonts. The first call loads them.
    static bool GetFont(int id, LOGFONTW* font);
    static bool GetCaptionFont(LOGFONTW* font) { return GetFont(kCaption, font); }
};

} // namespace win
} // namespace gui
} // namespace s
