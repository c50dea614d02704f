#include "mfc/Font.h"

CFont::CFont() : m_hObject(nullptr) {}

CFont::~CFont() {}

BOOL CFont::CreateFontIndirect(const LOGFONTW* description)
{
    if (m_hObject || !description)
        return FALSE;
    m_hObject = ::CreateFontIndirectW(description);
    return m_hObject != nullptr;
}

BOOL CFont::Attach(HFONT font)
{
    if (m_hObject || !font)
        return FALSE;
    m_hObject = font;
    return TRUE;
}

HFONT CFont::Detach()
{
    HFONT font = m_hObject;
    m_hObject = nullptr;
    return font;
}

BOOL CFont::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}
