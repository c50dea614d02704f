// Web addresses dropped on a Box: the drop target called through the system's interface with a
// hand-made data object, and a Box that takes addresses.
#include <windows.h>
#include <ole2.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/str/StrBuffer.h"
#include "support/RecordingListener.h"
#include "windowing/box/Box.h"
#include "windowing/box/UrlDropTarget.h"
#include "windowing/widgets/WidgetStage.h"

namespace {

using s::gui::win::Box;
using s::gui::win::UrlDropTarget;
using testing_support::RecordingListener;

// Data of a drag that offers one block in one format, as a browser offers a link.
class HandMadeData : public IDataObject {
public:
    HandMadeData(CLIPFORMAT format, const void* bytes, size_t size) : format_(format)
    {
        const auto* from = static_cast<const char*>(bytes);
        bytes_.assign(from, from + size);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* wanted, STGMEDIUM* medium) override
    {
        if (QueryGetData(wanted) != S_OK)
            return DV_E_FORMATETC;
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
        if (!block)
            return E_OUTOFMEMORY;
        if (!bytes_.empty()) {
            std::memcpy(GlobalLock(block), bytes_.data(), bytes_.size());
            GlobalUnlock(block);
        }
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* wanted) override
    {
        return wanted && wanted->cfFormat == format_ && (wanted->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

    ULONG References() const { return references_; }

private:
    CLIPFORMAT format_;
    std::vector<char> bytes_;
    ULONG references_ = 1;
};

HandMadeData AddressData(const std::wstring& text, bool withNul)
{
    return HandMadeData(UrlDropTarget::GetUrlFormat(), text.c_str(), (text.size() + (withNul ? 1 : 0)) * sizeof(wchar_t));
}

// Drags the data over the target and drops it, as the system's drag loop does; the drop's effect.
DWORD DragAndDrop(UrlDropTarget* target, IDataObject* data, DWORD* enterEffect)
{
    IDropTarget* system = target->GetInterface();
    const POINTL point = {10, 10};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    system->DragEnter(data, MK_LBUTTON, point, &effect);
    *enterEffect = effect;
    effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    system->DragOver(MK_LBUTTON, point, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    system->Drop(data, 0, point, &effect);
    return effect;
}

class UrlDropTargetTest : public testing::Test {
protected:
    void SetUp() override
    {
        target_ = UrlDropTarget::New();
        ASSERT_NE(nullptr, target_);
        target_->SetOwner(&owner_);
    }
    void TearDown() override
    {
        if (target_)
            target_->ReleaseToPool();
    }

    UrlDropTarget* target_ = nullptr;
    RecordingListener owner_;
};

TEST_F(UrlDropTargetTest, AnOfferedAddressIsTakenAsALinkAndToldToTheOwner)
{
    HandMadeData data = AddressData(L"https://example.org/skins", true);
    DWORD entered = 0;
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_LINK), DragAndDrop(target_, &data, &entered));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_LINK), entered);
    EXPECT_STREQ(L"https://example.org/skins", target_->GetUrl());
    const std::vector<RecordingListener::Heard> heard = owner_.Take();
    ASSERT_EQ(1u, heard.size());
    EXPECT_EQ(UrlDropTarget::kEventDropped, heard[0].code);
    EXPECT_EQ(static_cast<s::base::IObject*>(target_), heard[0].source);
    EXPECT_EQ(1u, data.References()) << "every hold on the data let go";
}

TEST_F(UrlDropTargetTest, DataWithoutTheFormatIsRefusedAndNeverReachesTheOwner)
{
    const wchar_t text[] = L"https://example.org/";
    HandMadeData plain(CF_UNICODETEXT, text, sizeof(text));
    DWORD entered = 0;
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), DragAndDrop(target_, &plain, &entered));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), entered);
    EXPECT_EQ(0u, owner_.Count());
    EXPECT_STREQ(L"", target_->GetUrl());
}

TEST_F(UrlDropTargetTest, AnAddressIsReadOnlyWithinItsBlock)
{
    struct Case {
        std::vector<char> bytes;
        const wchar_t* expected;
    };
    const std::wstring address = L"http://a.example";
    std::vector<char> exact(reinterpret_cast<const char*>(address.c_str()),
                            reinterpret_cast<const char*>(address.c_str()) + address.size() * sizeof(wchar_t));
    std::vector<char> odd = exact;
    odd.push_back('x');
    std::vector<char> early(exact);
    early[8] = early[9] = 0; // a NUL after "http"
    const Case cases[] = {{exact, L"http://a.example"}, {odd, L"http://a.example"}, {early, L"http"}, {{}, L""}};
    for (const Case& c : cases) {
        HandMadeData data(UrlDropTarget::GetUrlFormat(), c.bytes.data(), c.bytes.size());
        DWORD entered = 0;
        DragAndDrop(target_, &data, &entered);
        EXPECT_STREQ(c.expected, target_->GetUrl()) << c.bytes.size();
    }
}

class BoxUrlTest : public testing_support::WidgetStage {};

TEST_F(BoxUrlTest, ABoxTakingAddressesTellsItsListenersTheDroppedOne)
{
    Box* box = Box::Create(s::gui::IBox::kColumn, 100, 100, 0, 0, 0, 0, 0, 0);
    ASSERT_NE(nullptr, box);
    RecordingListener urls;
    box->AddUrlDropListener(&urls);
    box->SetAcceptUrls(true);
    EXPECT_EQ(nullptr, box->GetUrlDropTarget()) << "made with the native window";
    Add(box);
    UrlDropTarget* target = box->GetUrlDropTarget();
    ASSERT_NE(nullptr, target) << "registered on the Box's thread";

    HandMadeData data = AddressData(L"https://example.org/a", true);
    DWORD entered = 0;
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_LINK), DragAndDrop(target, &data, &entered));
    const std::vector<RecordingListener::Heard> heard = urls.Take();
    ASSERT_EQ(1u, heard.size());
    EXPECT_EQ(s::gui::IBox::kEventUrlDropped, heard[0].code);
    EXPECT_STREQ(L"https://example.org/a", box->GetDroppedUrl()->GetText());

    box->SetAcceptUrls(false);
    EXPECT_EQ(nullptr, box->GetUrlDropTarget());
    box->SetAcceptUrls(true);
    EXPECT_NE(nullptr, box->GetUrlDropTarget());
}

} // namespace
