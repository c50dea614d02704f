#include "mfc/Brush.h"

CBrush::CBrush() : m_hObject(nullptr), owned_(false) {}

CBrush::~CBrush()
{
    DeleteObject();
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    DeleteObject();
    m_hObject = ::CreateSolidBrush(color);
    owned_ = m_hObject != nullptr;
    return m_hObject != nullptr;
}

BOOL CBrush::CreateStockObject(int index)
{
    DeleteObject();
    m_hObject = static_cast<HBRUSH>(::GetStockObject(index));
    owned_ = false;
    return m_hObject != nullptr;
}

BOOL CBrush::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    const BOOL deleted = owned_ ? ::DeleteObject(m_hObject) : TRUE;
    m_hObject = nullptr;
    owned_ = false;
    return deleted;
}
