#include "windowing/FrameEdges.h"

namespace s {
namespace gui {
namespace win {

namespace {

// How near an edge the sizing border reaches, and how far from a corner the corner does.
const int32_t kEdgeBand = 5;
const int32_t kCornerBand = 30;

bool IsBottomEdge(int32_t edge)
{
    return edge == kSizingBottom || edge == kSizingBottomLeft || edge == kSizingBottomRight;
}

} // namespace

int32_t SizingEdgeFromSystem(WPARAM edge)
{
    switch (edge) {
    case WMSZ_LEFT:
        return kSizingLeft;
    case WMSZ_RIGHT:
        return kSizingRight;
    case WMSZ_TOP:
        return kSizingTop;
    case WMSZ_TOPLEFT:
        return kSizingTopLeft;
    case WMSZ_TOPRIGHT:
        return kSizingTopRight;
    case WMSZ_BOTTOM:
        return kSizingBottom;
    case WMSZ_BOTTOMLEFT:
        return kSizingBottomLeft;
    case WMSZ_BOTTOMRIGHT:
        return kSizingBottomRight;
    default:
        return kSizingNone;
    }
}

LRESULT HitTestFrameEdges(int32_t x, int32_t y, int32_t width, int32_t height, LRESULT defaultResult)
{
    const bool nearLeft = x < kEdgeBand;
    const bool nearRight = width - x <= kEdgeBand;
    const bool nearTop = y < kEdgeBand;
    const bool nearBottom = height - y <= kEdgeBand;
    const bool leftCorner = x < kCornerBand;
    const bool rightCorner = width - x <= kCornerBand;
    const bool topCorner = y < kCornerBand;
    const bool bottomCorner = height - y <= kCornerBand;
    if (nearRight)
        return bottomCorner ? HTBOTTOMRIGHT : topCorner ? HTTOPRIGHT : HTRIGHT;
    if (nearBottom)
        return rightCorner ? HTBOTTOMRIGHT : leftCorner ? HTBOTTOMLEFT : HTBOTTOM;
    if (nearLeft)
        return bottomCorner ? HTBOTTOMLEFT : topCorner ? HTTOPLEFT : HTLEFT;
    if (nearTop)
        return rightCorner ? HTTOPRIGHT : leftCorner ? HTTOPLEFT : HTTOP;
    return defaultResult;
}

void FitSizingHeight(RECT* rect, int32_t edge, int32_t maxHeight)
{
    if (!rect || maxHeight <= 0 || rect->bottom - rect->top <= maxHeight)
        return;
    if (IsBottomEdge(edge))
        rect->bottom = rect->top + maxHeight;
    else
        rect->top = rect->bottom - maxHeight;
}

} // namespace win
} // namespace gui
} // namespace s
