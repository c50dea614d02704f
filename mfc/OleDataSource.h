#pragma once
#include <windows.h>
#include <ole2.h>

#include <vector>

#include "mfc/OleDropTarget.h"

class CFile;
class COleDropSource;

// The data a drag (or the clipboard) offers, seen by the receiver through the system's data-object
// interface: formats whose data is cached now, and formats rendered only when the receiver asks.
class COleDataSource {
public:
    COleDataSource();
    virtual ~COleDataSource();

    // Offers the block (the source's from now on) in the format; the details default to the
    // content aspect, every index and a memory block. An offer of the same format and details
    // replaces the earlier one.
    void CacheGlobalData(CLIPFORMAT format, HGLOBAL global, const FORMATETC* details = nullptr);
    // Offers the format, rendered by OnRenderData when asked for.
    void DelayRenderData(CLIPFORMAT format, const FORMATETC* details = nullptr);
    // Withdraws every offer and frees the cached data.
    void Empty();

    // Runs the system's drag loop with the data until the drop or the cancel; the effect of the
    // drop, DROPEFFECT_NONE when cancelled. The drag begins at once, with the drop source (the
    // framework's own rule when null) judging the buttons from those held now.
    DROPEFFECT DoDragDrop(DWORD effects, COleDropSource* dropSource = nullptr);

    // The interface the receiver sees. Its counts never end this object, which outlives the drag.
    IDataObject* GetInterface() { return &dataObject_; }

    // Renders a delayed format into the medium: a stream (the caller's, else a new memory
    // stream) is handed to OnRenderFileData as a file. FALSE when it cannot.
    virtual BOOL OnRenderData(LPFORMATETC format, LPSTGMEDIUM medium);
    virtual BOOL OnRenderFileData(LPFORMATETC format, CFile* file);

protected:
    // Interfaces beyond the data object's own that a derived source answers; E_NOINTERFACE here.
    virtual HRESULT QueryInterfaceHook(REFIID id, void** object);
    // Whether a delayed format can be rendered for the request's index; the receiver is told
    // DV_E_LINDEX when not.
    virtual BOOL IsRenderIndexValid(LPFORMATETC format);

private:
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    struct Offer {
        FORMATETC format;
        // TYMED_NULL while delayed.
        STGMEDIUM medium;
    };

    void AddOffer(const FORMATETC& format, const STGMEDIUM& medium);
    // The offer that answers the request, or the error that tells the receiver why none does.
    HRESULT Find(FORMATETC* request, size_t* index);
    // The offer for a request of data, with a delayed format's index accepted by the source.
    HRESULT FindForData(FORMATETC* request, STGMEDIUM* medium, Offer* offer);
    HRESULT GetData(FORMATETC* request, STGMEDIUM* medium);
    HRESULT GetDataHere(FORMATETC* request, STGMEDIUM* medium);
    HRESULT EnumFormats(DWORD direction, IEnumFORMATETC** formats);

    class DataObject : public IDataObject {
    public:
        explicit DataObject(COleDataSource* owner) : owner_(owner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
        ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
        ULONG STDMETHODCALLTYPE Release() override { return 1; }
        HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
        HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
        HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
        HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* canonical) override;
        HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, WINBOOL release) override;
        HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
        HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink,
                                          DWORD* connection) override;
        HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
        HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** advises) override;

    private:
        COleDataSource* owner_;
    };

    std::vector<Offer> offers_;
    DataObject dataObject_;
};
