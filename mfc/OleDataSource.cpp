#include "mfc/OleDataSource.h"

#include <shlobj.h>

#include <cstring>

#include "mfc/FileException.h"
#include "mfc/OleDropSource.h"
#include "mfc/OleStreamFile.h"

namespace {

FORMATETC DetailsOf(CLIPFORMAT format, const FORMATETC* details, DWORD tymed)
{
    FORMATETC result = {format, nullptr, DVASPECT_CONTENT, -1, tymed};
    if (details) {
        result = *details;
        result.cfFormat = format;
        // A target device would need a copy of its own; no receiver of this program asks for one.
        result.ptd = nullptr;
    }
    return result;
}

bool SameOffer(const FORMATETC& a, const FORMATETC& b)
{
    return a.cfFormat == b.cfFormat && a.dwAspect == b.dwAspect && a.lindex == b.lindex && a.tymed == b.tymed;
}

// A copy of a cached block for a receiver that frees what it gets.
HGLOBAL CopyBlock(HGLOBAL from)
{
    const SIZE_T size = GlobalSize(from);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, size ? size : 1);
    if (!copy)
        return nullptr;
    const void* source = GlobalLock(from);
    void* target = GlobalLock(copy);
    if (source && target && size)
        std::memcpy(target, source, size);
    if (target)
        GlobalUnlock(copy);
    if (source)
        GlobalUnlock(from);
    if (!source || !target) {
        GlobalFree(copy);
        return nullptr;
    }
    return copy;
}

// Into a block of the receiver's, when it is large enough.
HRESULT CopyBlockInto(HGLOBAL from, HGLOBAL into)
{
    const SIZE_T size = GlobalSize(from);
    if (!into || GlobalSize(into) < size)
        return STG_E_MEDIUMFULL;
    const void* source = GlobalLock(from);
    void* target = GlobalLock(into);
    if (source && target && size)
        std::memcpy(target, source, size);
    if (target)
        GlobalUnlock(into);
    if (source)
        GlobalUnlock(from);
    return source && target ? S_OK : E_OUTOFMEMORY;
}

} // namespace

COleDataSource::COleDataSource() : dataObject_(this) {}

COleDataSource::~COleDataSource()
{
    Empty();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT format, HGLOBAL global, const FORMATETC* details)
{
    STGMEDIUM medium = {};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = global;
    FORMATETC offered = DetailsOf(format, details, TYMED_HGLOBAL);
    offered.tymed = TYMED_HGLOBAL;
    AddOffer(offered, medium);
}

void COleDataSource::DelayRenderData(CLIPFORMAT format, const FORMATETC* details)
{
    STGMEDIUM medium = {};
    medium.tymed = TYMED_NULL;
    AddOffer(DetailsOf(format, details, TYMED_HGLOBAL), medium);
}

void COleDataSource::AddOffer(const FORMATETC& format, const STGMEDIUM& medium)
{
    for (Offer& offer : offers_) {
        if (SameOffer(offer.format, format)) {
            ReleaseStgMedium(&offer.medium);
            offer.medium = medium;
            return;
        }
    }
    offers_.push_back(Offer{format, medium});
}

void COleDataSource::Empty()
{
    for (Offer& offer : offers_)
        ReleaseStgMedium(&offer.medium);
    offers_.clear();
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD effects, COleDropSource* dropSource)
{
    COleDropSource fallback;
    COleDropSource* source = dropSource ? dropSource : &fallback;
    source->TakeHeldButtons();
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = ::DoDragDrop(GetInterface(), source->GetInterface(), effects, &effect);
    return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

BOOL COleDataSource::OnRenderData(LPFORMATETC format, LPSTGMEDIUM medium)
{
    if (!(format->tymed & TYMED_ISTREAM))
        return FALSE;
    IStream* stream = nullptr;
    const bool given = medium->tymed == TYMED_ISTREAM && medium->pstm;
    if (given) {
        stream = medium->pstm;
        stream->AddRef();
    } else if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) {
        return FALSE;
    }
    COleStreamFile file(stream);
    BOOL rendered = FALSE;
    // Nothing may be thrown through the receiver's call.
    try {
        rendered = OnRenderFileData(format, &file);
    } catch (CException* failure) {
        failure->Delete();
        rendered = FALSE;
    }
    stream = file.Detach();
    if (!rendered || given) {
        stream->Release();
        return rendered;
    }
    // The receiver reads from the start.
    LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    medium->tymed = TYMED_ISTREAM;
    medium->pstm = stream;
    medium->pUnkForRelease = nullptr;
    return TRUE;
}

BOOL COleDataSource::OnRenderFileData(LPFORMATETC, CFile*)
{
    return FALSE;
}

HRESULT COleDataSource::QueryInterfaceHook(REFIID, void** object)
{
    *object = nullptr;
    return E_NOINTERFACE;
}

BOOL COleDataSource::IsRenderIndexValid(LPFORMATETC)
{
    return TRUE;
}

HRESULT COleDataSource::Find(FORMATETC* request, size_t* index)
{
    if (!request)
        return E_INVALIDARG;
    HRESULT why = DV_E_FORMATETC;
    for (size_t i = 0; i < offers_.size(); ++i) {
        const FORMATETC& offered = offers_[i].format;
        if (offered.cfFormat != request->cfFormat)
            continue;
        if (offered.dwAspect != request->dwAspect) {
            why = DV_E_DVASPECT;
            continue;
        }
        if (offered.lindex != -1 && offered.lindex != request->lindex) {
            why = DV_E_LINDEX;
            continue;
        }
        if (!(offered.tymed & request->tymed)) {
            why = DV_E_TYMED;
            continue;
        }
        // An index that a delayed format cannot render is refused before any work is done.
        if (offers_[i].medium.tymed == TYMED_NULL && request->lindex != -1 && !IsRenderIndexValid(request))
            return DV_E_LINDEX;
        *index = i;
        return S_OK;
    }
    return why;
}

HRESULT COleDataSource::FindForData(FORMATETC* request, STGMEDIUM* medium, Offer* offer)
{
    if (!medium)
        return E_INVALIDARG;
    size_t index = 0;
    const HRESULT found = Find(request, &index);
    if (found != S_OK)
        return found;
    *offer = offers_[index];
    // Also the index -1, which a query may name but no render can.
    if (offer->medium.tymed == TYMED_NULL && !IsRenderIndexValid(request))
        return DV_E_LINDEX;
    return S_OK;
}

HRESULT COleDataSource::GetData(FORMATETC* request, STGMEDIUM* medium)
{
    Offer offer = {};
    const HRESULT found = FindForData(request, medium, &offer);
    if (found != S_OK)
        return found;
    *medium = STGMEDIUM{};
    if (offer.medium.tymed == TYMED_HGLOBAL) {
        medium->hGlobal = CopyBlock(offer.medium.hGlobal);
        if (!medium->hGlobal)
            return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        return S_OK;
    }
    if (offer.medium.tymed != TYMED_NULL)
        return DV_E_TYMED;
    FORMATETC wanted = *request;
    wanted.tymed &= offer.format.tymed;
    STGMEDIUM rendered = {};
    if (!OnRenderData(&wanted, &rendered))
        return E_FAIL;
    *medium = rendered;
    return S_OK;
}

HRESULT COleDataSource::GetDataHere(FORMATETC* request, STGMEDIUM* medium)
{
    Offer offer = {};
    const HRESULT found = FindForData(request, medium, &offer);
    if (found != S_OK)
        return found;
    if (!(offer.format.tymed & medium->tymed))
        return DV_E_TYMED;
    if (offer.medium.tymed == TYMED_HGLOBAL)
        return medium->tymed == TYMED_HGLOBAL ? CopyBlockInto(offer.medium.hGlobal, medium->hGlobal) : DV_E_TYMED;
    if (offer.medium.tymed != TYMED_NULL)
        return DV_E_TYMED;
    FORMATETC wanted = *request;
    wanted.tymed = medium->tymed;
    return OnRenderData(&wanted, medium) ? S_OK : E_FAIL;
}

HRESULT COleDataSource::EnumFormats(DWORD direction, IEnumFORMATETC** formats)
{
    if (!formats)
        return E_INVALIDARG;
    *formats = nullptr;
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> offered;
    for (const Offer& offer : offers_)
        offered.push_back(offer.format);
    return SHCreateStdEnumFmtEtc(static_cast<UINT>(offered.size()), offered.empty() ? nullptr : offered.data(),
                                 formats);
}

HRESULT STDMETHODCALLTYPE COleDataSource::DataObject::QueryInterface(REFIID id, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDataObject)) {
        *object = static_cast<IDataObject*>(this);
        return S_OK;
    }
    return owner_->QueryInterfaceHook(id, object);
}

HRESULT STDMETHODCALLTYPE COleDataSource::DataObject::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    return owner_->GetData(format, medium);
}

HRESULT STDMETHODCALLTYPE COleDataSource::DataObject::GetDataHere(FORMATETC* format, STGMEDIUM* medium)
{
    return owner_->GetDataHere(format, medium);
}

HRESULT STDMETHODCALLTYPE COleDataSource::DataObject::QueryGetData(FORMATETC* format)
{
    size_t index = 0;
    return owner_->Find(format, &index);
}

HRESULT STDMETHODCALLTYPE COleDataSource::DataObject::GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* canonical)
{
    if (!format || !canonical)
        return E_INVALIDARG;
    *canonical = *format;
    canonical->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT STDMETHODCALLTYPE COleDataSource::DataObject::SetData(FORMATETC*, STGMEDIUM*, WINBOOL)
{
    // The shell tells the source how a drop went this way; nothing here asks.
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE COleDataSource::DataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats)
{
    return owner_->EnumFormats(direction, formats);
}

HRESULT STDMETHODCALLTYPE COleDataSource::DataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT STDMETHODCALLTYPE COleDataSource::DataObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT STDMETHODCALLTYPE COleDataSource::DataObject::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
