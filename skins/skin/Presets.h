#pragma once
#include <cstdint>

namespace s {
namespace gui {
namespace drawer {

class ISkin;

namespace skin {

class Thin;
class ThinWindow;

// The skins defined in code, so that a manager has skins before any skin set is loaded.

// A fresh fifteen-colour skin of the preset number (1 to 4, 6 to 13, 16 to 19); null for a
// number without a preset.
ThinWindow* BuildThinWindowPreset(int32_t number);
// A fresh six-colour skin of the preset number (1 to 4, 6 to 14); null for a number without one.
Thin* BuildThinPreset(int32_t number);

// The built-in skins of each type, in the order a manager adds them.
uint32_t GetThinWindowBuiltInCount();
ISkin* BuildThinWindowBuiltIn(uint32_t position);
uint32_t GetThinBuiltInCount();
ISkin* BuildThinBuiltIn(uint32_t position);

} // namespace skin
} // namespace drawer
} // namespace gui
} // namespace s
