#pragma once
#include <windows.h>

class CBrush;

namespace s {
namespace gui {

class IComponent;

namespace win {

// The answer of a natively painted control to its reflected colour request: the parent's
// effective background when the control inherits it, nothing (a hollow brush, transparent text
// background) when it inherits without a parent, else its own colour; the text in textColor.
// The brush is remade in the control's brush object, whose previous brush is deleted.
LRESULT AnswerReflectedColor(CBrush* brush, HDC dc, bool inherited, IComponent* parent, COLORREF background,
                             COLORREF textColor);

} // namespace win
} // namespace gui
} // namespace s
