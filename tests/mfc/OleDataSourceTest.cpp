// The framework's data source as a receiver sees it: cached blocks handed out as copies, delayed
// formats rendered into streams on request, the reasons a request is refused, and the hook for
// further interfaces.
#include <windows.h>
#include <ole2.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mfc/File.h"
#include "mfc/FileException.h"
#include "mfc/OleDataSource.h"

namespace {

const CLIPFORMAT kText = CF_UNICODETEXT;
const CLIPFORMAT kLazy = CF_DIF;

HGLOBAL Block(const std::string& bytes)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    return block;
}

std::string BlockBytes(HGLOBAL block)
{
    std::string bytes(GlobalSize(block), '\0');
    memcpy(&bytes[0], GlobalLock(block), bytes.size());
    GlobalUnlock(block);
    return bytes;
}

// Renders the lazy format as "rendered <index>", or throws as a failing write would.
class LazySource : public COleDataSource {
public:
    BOOL OnRenderFileData(LPFORMATETC format, CFile* file) override
    {
        ++renders;
        if (format->cfFormat != kLazy)
            return COleDataSource::OnRenderFileData(format, file);
        if (fail)
            AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL);
        const std::string text = "rendered " + std::to_string(format->lindex);
        file->Write(text.data(), static_cast<UINT>(text.size()));
        return TRUE;
    }
    int renders = 0;
    bool fail = false;

protected:
    HRESULT QueryInterfaceHook(REFIID id, void** object) override
    {
        if (IsEqualIID(id, IID_IDropSource)) {
            *object = this;
            return S_OK;
        }
        return COleDataSource::QueryInterfaceHook(id, object);
    }
    BOOL IsRenderIndexValid(LPFORMATETC format) override { return format->lindex < 5; }
};

TEST(OleDataSource, CachedBlocksAreHandedOutAsCopiesAndALaterOfferReplacesTheEarlier)
{
    LazySource source;
    source.CacheGlobalData(kText, Block("first"));
    source.CacheGlobalData(kText, Block("second"));
    IDataObject* data = source.GetInterface();
    FORMATETC wanted = {kText, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    for (int request = 0; request < 2; ++request) {
        STGMEDIUM medium = {};
        ASSERT_EQ(S_OK, data->GetData(&wanted, &medium));
        EXPECT_EQ(DWORD(TYMED_HGLOBAL), medium.tymed);
        EXPECT_EQ(nullptr, medium.pUnkForRelease);
        EXPECT_EQ("second", BlockBytes(medium.hGlobal));
        ReleaseStgMedium(&medium);
    }
    // Into a block of the receiver's, when it is large enough.
    STGMEDIUM here = {};
    here.tymed = TYMED_HGLOBAL;
    here.hGlobal = GlobalAlloc(GMEM_MOVEABLE, 3);
    EXPECT_EQ(STG_E_MEDIUMFULL, data->GetDataHere(&wanted, &here));
    ReleaseStgMedium(&here);
    here.tymed = TYMED_HGLOBAL;
    here.hGlobal = GlobalAlloc(GMEM_MOVEABLE, 6);
    EXPECT_EQ(S_OK, data->GetDataHere(&wanted, &here));
    EXPECT_EQ("second", BlockBytes(here.hGlobal));
    ReleaseStgMedium(&here);

    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(S_OK, data->EnumFormatEtc(DATADIR_GET, &formats));
    FORMATETC listed[4] = {};
    ULONG count = 0;
    formats->Next(4, listed, &count);
    formats->Release();
    ASSERT_EQ(1u, count);
    EXPECT_EQ(kText, listed[0].cfFormat);
    source.Empty();
    STGMEDIUM medium = {};
    EXPECT_EQ(DV_E_FORMATETC, data->GetData(&wanted, &medium));
}

TEST(OleDataSource, RequestsTheSourceCannotAnswerAreRefusedWithTheirReason)
{
    LazySource source;
    source.CacheGlobalData(kText, Block("text"));
    FORMATETC streamOnly = {0, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM};
    source.DelayRenderData(kLazy, &streamOnly);
    IDataObject* data = source.GetInterface();
    struct Case {
        FORMATETC request;
        HRESULT expected;
    };
    const Case cases[] = {
        {{CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}, DV_E_FORMATETC},
        {{kText, nullptr, DVASPECT_ICON, -1, TYMED_HGLOBAL}, DV_E_DVASPECT},
        {{kText, nullptr, DVASPECT_CONTENT, -1, TYMED_FILE}, DV_E_TYMED},
        {{kLazy, nullptr, DVASPECT_CONTENT, 2, TYMED_HGLOBAL}, DV_E_TYMED},
        // The source's own index rule.
        {{kLazy, nullptr, DVASPECT_CONTENT, 9, TYMED_ISTREAM}, DV_E_LINDEX},
        {{kLazy, nullptr, DVASPECT_CONTENT, 2, TYMED_ISTREAM | TYMED_HGLOBAL}, S_OK},
    };
    for (const Case& c : cases) {
        FORMATETC request = c.request;
        EXPECT_EQ(c.expected, data->QueryGetData(&request)) << request.cfFormat << " " << request.lindex;
    }
    EXPECT_EQ(0, source.renders);
    // A stream from the start, for any index the source takes.
    FORMATETC wanted = {kLazy, nullptr, DVASPECT_CONTENT, 3, TYMED_ISTREAM | TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    ASSERT_EQ(S_OK, data->GetData(&wanted, &medium));
    ASSERT_EQ(DWORD(TYMED_ISTREAM), medium.tymed);
    char read[32] = {};
    ULONG got = 0;
    medium.pstm->Read(read, sizeof(read), &got);
    EXPECT_EQ("rendered 3", std::string(read, got));
    ReleaseStgMedium(&medium);
    // A render that throws is a failure for the receiver, never an exception through its call.
    source.fail = true;
    medium = STGMEDIUM{};
    EXPECT_EQ(E_FAIL, data->GetData(&wanted, &medium));
    EXPECT_EQ(DWORD(TYMED_NULL), medium.tymed);
}

TEST(OleDataSource, FurtherInterfacesComeThroughTheHook)
{
    LazySource source;
    IDataObject* data = source.GetInterface();
    void* object = nullptr;
    EXPECT_EQ(S_OK, data->QueryInterface(IID_IDataObject, &object));
    EXPECT_EQ(static_cast<void*>(data), object);
    EXPECT_EQ(S_OK, data->QueryInterface(IID_IUnknown, &object));
    EXPECT_EQ(S_OK, data->QueryInterface(IID_IDropSource, &object));
    EXPECT_EQ(static_cast<void*>(&source), object);
    object = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, data->QueryInterface(IID_IStream, &object));
    EXPECT_EQ(nullptr, object);
    FORMATETC in = {kText, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    FORMATETC out = {};
    EXPECT_EQ(DATA_S_SAMEFORMATETC, data->GetCanonicalFormatEtc(&in, &out));
    EXPECT_EQ(kText, out.cfFormat);
    EXPECT_EQ(E_NOTIMPL, data->SetData(&in, nullptr, FALSE));
    EXPECT_EQ(OLE_E_ADVISENOTSUPPORTED, data->DAdvise(&in, 0, nullptr, nullptr));
}

} // namespace
