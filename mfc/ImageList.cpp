#include "mfc/ImageList.h"

CImageList::CImageList() : m_hImageList(nullptr) {}

CImageList::~CImageList()
{
    // As the framework's own: a list still held is destroyed with its holder, so a borrowed one
    // must be detached first.
    DeleteImageList();
}

BOOL CImageList::Attach(HIMAGELIST list)
{
    if (!list || m_hImageList)
        return FALSE;
    m_hImageList = list;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST list = m_hImageList;
    m_hImageList = nullptr;
    return list;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    HIMAGELIST list = Detach();
    return ImageList_Destroy(list);
}

BOOL CImageList::Create(int width, int height, UINT flags, int initial, int grow)
{
    if (m_hImageList)
        return FALSE;
    m_hImageList = ImageList_Create(width, height, flags, initial, grow);
    return m_hImageList != nullptr;
}

int CImageList::Add(HBITMAP bitmap, COLORREF mask)
{
    if (!m_hImageList || !bitmap)
        return -1;
    return ImageList_AddMasked(m_hImageList, bitmap, mask);
}
