#pragma once
class CDC;

namespace s {
namespace gui {

class IComponent;

namespace win {

// Copies what the nearest buffered ancestor painted under the component into the device context
// at (0, 0), so that an inheriting component shows its parent's background through. False when
// no ancestor keeps a back buffer (the caller then fills its colour).
bool CopyParentBackground(IComponent* component, CDC* dc);

} // namespace win
} // namespace gui
} // namespace s
