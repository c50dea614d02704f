#pragma once
#include <cstdint>

namespace s {
namespace gui {
namespace drawer {

class ISkin;
class SkinColorSet;

namespace skin {

class Thin;
class ThinWindow;

// The only place where skin colours are routed to drawer properties. Components are taken as
// int32 and stored as their low byte; both builders always give a new skin (null only when no
// memory is left).

// A fifteen-colour skin from 45 values, red, green and blue per colour in builder order
// (windowBg, windowFg, compDisabled, compFg, groupBorder, text, ...).
ThinWindow* BuildThinWindow(const wchar_t* name, const int32_t* values);
// A six-colour skin from 18 values: windowBg, compFg, text, sliderBg, counter01, counter02.
Thin* BuildThin(const wchar_t* name, const int32_t* values);

// The fifteen colours written into the drawers the skin has, along the routes of the
// fifteen-colour builder; a drawer the skin lacks is skipped. The colour editor's live preview.
void WriteColors(ISkin* skin, const SkinColorSet& colors);

// The fifteen colours read back from the skin's drawers, as the skin-set writer stores them;
// a colour whose drawer the skin lacks reads as black.
void ReadColors(ISkin* skin, SkinColorSet* colors);

} // namespace skin
} // namespace drawer
} // namespace gui
} // namespace s
