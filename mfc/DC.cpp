#include "mfc/DC.h"

CDC::CDC() : m_hDC(nullptr) {}

CDC::~CDC() {}

BOOL CDC::Attach(HDC dc)
{
    if (m_hDC || !dc)
        return FALSE;
    m_hDC = dc;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    m_hDC = nullptr;
    return dc;
}

void CDC::FillSolidRect(const RECT& rect, COLORREF color)
{
    // An opaque ExtTextOut fills without creating a brush.
    const COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY, rop);
}

int CDC::ExcludeClipRect(const RECT& rect)
{
    return ::ExcludeClipRect(m_hDC, rect.left, rect.top, rect.right, rect.bottom);
}
