#include "mfc/DC.h"

#include "mfc/Printer.h"

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

BOOL CDC::CreateCompatibleDC(CDC* like)
{
    if (m_hDC)
        return FALSE;
    m_hDC = ::CreateCompatibleDC(like ? like->m_hDC : nullptr);
    return m_hDC != nullptr;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    const BOOL deleted = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    return deleted;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object)
{
    return m_hDC && object ? ::SelectObject(m_hDC, object) : nullptr;
}

int CDC::GetDeviceCaps(int index) const
{
    return m_hDC ? ::GetDeviceCaps(m_hDC, index) : 0;
}

int CDC::SetMapMode(int mode)
{
    return ::SetMapMode(m_hDC, mode);
}

void CDC::FillSolidRect(const RECT& rect, COLORREF color)
{
    // An opaque ExtTextOut fills without creating a brush.
    const COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color)
{
    const RECT rect = {x, y, x + width, y + height};
    FillSolidRect(rect, color);
}

int CDC::DrawText(const wchar_t* text, int length, RECT* rect, UINT format)
{
    return ::DrawTextW(m_hDC, text, length, rect, format);
}

int CDC::SetBkMode(int mode)
{
    return ::SetBkMode(m_hDC, mode);
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return ::SetTextColor(m_hDC, color);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
                     int sourceHeight, DWORD rop)
{
    return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY,
                        sourceWidth, sourceHeight, rop);
}

int CDC::ExcludeClipRect(const RECT& rect)
{
    return ::ExcludeClipRect(m_hDC, rect.left, rect.top, rect.right, rect.bottom);
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    return m_hDC ? ::IntersectClipRect(m_hDC, left, top, right, bottom) : ERROR;
}

int CDC::SaveDC()
{
    return m_hDC ? ::SaveDC(m_hDC) : 0;
}

BOOL CDC::RestoreDC(int saved)
{
    return m_hDC ? ::RestoreDC(m_hDC, saved) : FALSE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom)
{
    return m_hDC ? ::Ellipse(m_hDC, left, top, right, bottom) : FALSE;
}

int CDC::SetStretchBltMode(int mode)
{
    if (!m_hDC)
        return 0;
    const int previous = ::SetStretchBltMode(m_hDC, mode);
    // HALFTONE misaligns the brush origin, which must be set again after it.
    if (mode == HALFTONE)
        ::SetBrushOrgEx(m_hDC, 0, 0, nullptr);
    return previous;
}

int CDC::GetStretchBltMode() const
{
    return m_hDC ? ::GetStretchBltMode(m_hDC) : 0;
}

int CDC::StartDoc(const DOCINFOW* document)
{
    return AfxGetPrinterFunctions().startDoc(m_hDC, document);
}

int CDC::StartPage()
{
    return AfxGetPrinterFunctions().startPage(m_hDC);
}

int CDC::EndPage()
{
    return AfxGetPrinterFunctions().endPage(m_hDC);
}

int CDC::EndDoc()
{
    return AfxGetPrinterFunctions().endDoc(m_hDC);
}

HBITMAP CDC::CreateCompatibleBitmap(int width, int height) const
{
    return m_hDC ? ::CreateCompatibleBitmap(m_hDC, width, height) : nullptr;
}
