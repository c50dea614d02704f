#pragma once

namespace s {
namespace gui {
namespace drawer {
class Skinner;
}
} // namespace gui

namespace app {
namespace win {

// Whether one of the manager's skins has that name (A to Z in either case): a stored skin name
// is used only while a skin of that name still exists.
bool HasSkinNamed(gui::drawer::Skinner* skinner, const wchar_t* name);

} // namespace win
} // namespace app
} // namespace s
