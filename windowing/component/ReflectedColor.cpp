#include "windowing/component/ReflectedColor.h"

#include "mfc/Brush.h"
#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace win {

LRESULT AnswerReflectedColor(CBrush* brush, HDC dc, bool inherited, IComponent* parent, COLORREF background,
                             COLORREF textColor)
{
    brush->DeleteObject();
    if (inherited && !parent) {
        brush->CreateStockObject(NULL_BRUSH);
        ::SetBkMode(dc, TRANSPARENT);
    } else {
        const COLORREF color = inherited ? parent->GetEffectiveBackgroundColor() : background;
        brush->CreateSolidBrush(color);
        ::SetBkColor(dc, color);
    }
    ::SetTextColor(dc, textColor);
    return reinterpret_cast<LRESULT>(brush->GetSafeHandle());
}

} // namespace win
} // namespace gui
} // namespace s
