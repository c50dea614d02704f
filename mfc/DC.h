#pragma once
#include <windows.h>

// A device context handle with the drawing calls the toolkit uses. It does not own the
// handle; the classes derived from it that acquire one give it back.
class CDC {
public:
    CDC();
    virtual ~CDC();

    BOOL Attach(HDC dc);
    HDC Detach();
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    void FillSolidRect(const RECT& rect, COLORREF color);
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop);
    int ExcludeClipRect(const RECT& rect);

    HDC m_hDC;

private:
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
};
