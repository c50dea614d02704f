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

    // A memory context compatible with the given one (the screen's when null), which this
    // object then holds until DeleteDC.
    BOOL CreateCompatibleDC(CDC* like);
    BOOL DeleteDC();
    // A bitmap of that size in the format of this context's device; the caller deletes it.
    HBITMAP CreateCompatibleBitmap(int width, int height) const;
    // The previous object of that kind, to be selected back; null when nothing was selected.
    HGDIOBJ SelectObject(HGDIOBJ object);
    int GetDeviceCaps(int index) const;
    int SetMapMode(int mode);

    void FillSolidRect(const RECT& rect, COLORREF color);
    void FillSolidRect(int x, int y, int width, int height, COLORREF color);
    int DrawText(const wchar_t* text, int length, RECT* rect, UINT format);
    int SetBkMode(int mode);
    COLORREF SetTextColor(COLORREF color);
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
                    int sourceHeight, DWORD rop);
    int ExcludeClipRect(const RECT& rect);
    int IntersectClipRect(int left, int top, int right, int bottom);
    // The saved state's number for RestoreDC; 0 on failure.
    int SaveDC();
    BOOL RestoreDC(int saved);
    // Outlined with the selected pen and filled with the selected brush.
    BOOL Ellipse(int left, int top, int right, int bottom);
    // The previous mode, to be set back; 0 on failure.
    int SetStretchBltMode(int mode);
    int GetStretchBltMode() const;

    // The document calls of a printer's context; they go through the application's printer
    // functions (mfc/Printer.h).
    int StartDoc(const DOCINFOW* document);
    int StartPage();
    int EndPage();
    int EndDoc();

    HDC m_hDC;

private:
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
};
