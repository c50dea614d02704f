#pragma once
#include <windows.h>

#include <cstdint>

class CDC;

namespace s {
namespace gui {

class IComponent;

namespace win {

// Copies what the nearest buffered ancestor painted under the component into the device context
// at (0, 0), so that an inheriting component shows its parent's background through. False when
// no ancestor keeps a back buffer (the caller then fills its colour).
bool CopyParentBackground(IComponent* component, CDC* dc);

class MemDC;

// The off-screen canvas of one paint: a memory context over a new width x height image (both
// given back together with the context), holding the parent's background under the component
// when it inherits one, else filled with fill. Null when either cannot be had or the size is
// empty.
MemDC* NewBackgroundCanvas(IComponent* component, int32_t width, int32_t height, bool inherited, COLORREF fill);

} // namespace win
} // namespace gui
} // namespace s
