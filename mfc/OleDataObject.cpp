#include "mfc/OleDataObject.h"

namespace {

FORMATETC GlobalFormat(CLIPFORMAT format)
{
    FORMATETC wanted = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return wanted;
}

} // namespace

COleDataObject::COleDataObject() : dataObject_(nullptr), autoRelease_(FALSE) {}

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(IDataObject* dataObject, BOOL autoRelease)
{
    Release();
    dataObject_ = dataObject;
    autoRelease_ = autoRelease;
}

IDataObject* COleDataObject::Detach()
{
    IDataObject* dataObject = dataObject_;
    dataObject_ = nullptr;
    autoRelease_ = FALSE;
    return dataObject;
}

void COleDataObject::Release()
{
    if (dataObject_ && autoRelease_)
        dataObject_->Release();
    dataObject_ = nullptr;
    autoRelease_ = FALSE;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT format)
{
    if (!dataObject_)
        return FALSE;
    FORMATETC wanted = GlobalFormat(format);
    return dataObject_->QueryGetData(&wanted) == S_OK ? TRUE : FALSE;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT format)
{
    if (!dataObject_)
        return nullptr;
    FORMATETC wanted = GlobalFormat(format);
    STGMEDIUM medium = {};
    if (FAILED(dataObject_->GetData(&wanted, &medium)))
        return nullptr;
    if (medium.tymed != TYMED_HGLOBAL || !medium.hGlobal) {
        ReleaseStgMedium(&medium);
        return nullptr;
    }
    // Without a release object the block is ours; else it stays the source's and is copied.
    if (!medium.pUnkForRelease)
        return medium.hGlobal;
    const SIZE_T size = GlobalSize(medium.hGlobal);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    const void* from = GlobalLock(medium.hGlobal);
    void* to = copy ? GlobalLock(copy) : nullptr;
    if (from && to)
        CopyMemory(to, from, size);
    if (to)
        GlobalUnlock(copy);
    if (from)
        GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    if (copy && (!from || !to)) {
        GlobalFree(copy);
        return nullptr;
    }
    return copy;
}
