#include "windowing/component/CopyParentBackground.h"

#include "images/win/BufferedImage.h"
#include "mfc/DC.h"
#include "mfc/Wnd.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/component/IComponent.h"
#include "windowing/paint/MemDC.h"

namespace s {
namespace gui {
namespace win {

bool CopyParentBackground(IComponent* component, CDC* dc)
{
    IComponent* parent = component ? component->GetParent() : nullptr;
    CWnd* self = dynamic_cast<CWnd*>(component);
    CWnd* parentWindow = dynamic_cast<CWnd*>(parent);
    if (!parent || !dc || !self || !self->m_hWnd || !parentWindow || !parentWindow->m_hWnd)
        return false;
    int32_t x = 0;
    int32_t y = 0;
    image::win::BufferedImage* buffer = parent->GetBackBuffer(&x, &y);
    if (!buffer)
        return false;
    RECT place;
    self->GetWindowRect(&place);
    parentWindow->ScreenToClient(&place);
    // Compatible with the screen: asking the painting window for another context in the middle of
    // its paint empties what the paint then copies (seen under Wine).
    MemDC* source = MemDC::Create(nullptr, buffer, false);
    if (!source)
        return false;
    const BOOL copied = dc->BitBlt(0, 0, place.right - place.left, place.bottom - place.top, source, place.left + x,
                                   place.top + y, SRCCOPY);
    source->ReleaseToPool();
    return copied != FALSE;
}

MemDC* NewBackgroundCanvas(IComponent* component, int32_t width, int32_t height, bool inherited, COLORREF fill)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    image::win::BufferedImage* image = image::win::BufferedImage::New();
    if (!image)
        return nullptr;
    if (!image->Create(width, height)) {
        image->ReleaseToPool();
        return nullptr;
    }
    MemDC* canvas = MemDC::Create(dynamic_cast<CWnd*>(component), image, true);
    if (!canvas) {
        image->ReleaseToPool();
        return nullptr;
    }
    const bool copied = inherited && CopyParentBackground(component, canvas);
    if (!copied)
        canvas->FillSolidRect(0, 0, width, height, fill);
    return canvas;
}

} // namespace win
} // namespace gui
} // namespace s
