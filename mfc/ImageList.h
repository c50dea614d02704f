#pragma once
#include <windows.h>
#include <commctrl.h>

// Holder of one common-controls image list. A list still held when the holder is destroyed is
// destroyed with it; a borrowed list (the system's) is detached before.
class CImageList {
public:
    CImageList();
    virtual ~CImageList();

    // Holds the list; false when a list is already held or the handle is null.
    BOOL Attach(HIMAGELIST list);
    // A new list of images of that size, held from then on; false when one is held already or
    // the system refuses.
    BOOL Create(int width, int height, UINT flags, int initial, int grow);
    // Adds the bitmap with every pixel of the mask colour transparent; the image's index, or -1.
    int Add(HBITMAP bitmap, COLORREF mask);
    // Lets go of the list without destroying it and hands it back.
    HIMAGELIST Detach();
    // Destroys the held list; false when there is none or the system refuses.
    BOOL DeleteImageList();

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    HIMAGELIST m_hImageList;

private:
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
};
