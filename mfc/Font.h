#pragma once
#include <windows.h>

// Holder of one GDI font handle. It deletes only a handle it was told it owns; the fonts of the
// toolkit decide that themselves.
class CFont {
public:
    CFont();
    virtual ~CFont();

    // Makes a font from the description; the handle is null when GDI refuses it.
    BOOL CreateFontIndirect(const LOGFONTW* description);
    BOOL Attach(HFONT font);
    HFONT Detach();
    // Deletes the held font, if any, and forgets it.
    BOOL DeleteObject();

    HFONT GetSafeHandle() const { return m_hObject; }
    operator HFONT() const { return m_hObject; }

    HFONT m_hObject;

private:
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
};
