// The drag-out data source asked as the shell asks it: the descriptor block, each file's
// contents on request, the progress dialog that follows them, bad requests and failed writes.
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lists/CMyDropSource.h"
#include "lists/DragOutPlay.h"
#include "lists/ExplorerDropSource.h"
#include "lists/IAsyncOperation.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "support/BoxRecorder.h"
#include "support/RecordingListener.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/FakeApplication.h"
#include "windowing/Window.h"
#include "windowing/dialogs/Progress.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/Label.h"

using listtest::DescriptorBytes;
using listtest::FakeEntry;
using listtest::PlayedDrag;
using listtest::RequestContents;
using s::gui::win::ExplorerDropSource;
using testing_support::BoxRecorder;
using testing_support::FakeApplication;
using testing_support::RecordingListener;

namespace {

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t at)
{
    uint32_t value = 0;
    memcpy(&value, bytes.data() + at, sizeof(value));
    return value;
}

uint64_t U64At(const std::vector<uint8_t>& bytes, size_t at)
{
    return static_cast<uint64_t>(U32At(bytes, at)) | static_cast<uint64_t>(U32At(bytes, at + 4)) << 32;
}

std::wstring NameAt(const std::vector<uint8_t>& bytes, size_t at)
{
    const wchar_t* name = reinterpret_cast<const wchar_t*>(bytes.data() + at);
    return std::wstring(name, wcsnlen(name, MAX_PATH));
}

std::vector<int32_t> Codes(RecordingListener& listener)
{
    std::vector<int32_t> codes;
    for (const auto& heard : listener.Take())
        codes.push_back(heard.code);
    return codes;
}

class ExplorerDropSourceTest : public testing::Test {
protected:
    void SetUp() override
    {
        BoxRecorder::Take();
        source_ = ExplorerDropSource::New();
        ASSERT_NE(nullptr, source_);
        ASSERT_TRUE(source_->LinkListener(&heard_));
    }
    void TearDown() override
    {
        source_->ReleaseToPool();
        BoxRecorder::SetAnswer(0);
    }

    // Runs a drag whose drop target does what the test says.
    void Drag(const PlayedDrag::Play& target)
    {
        PlayedDrag played(target);
        source_->StartDrag();
    }

    ExplorerDropSource* source_ = nullptr;
    RecordingListener heard_;
};

TEST_F(ExplorerDropSourceTest, TheDescriptorNamesEveryFileWithItsFlagsTimesSizeAndName)
{
    FakeEntry plain("0123456789");
    FakeEntry dated("abc");
    dated.created = 1;
    dated.accessed = 1700000000;
    dated.written = 1600000000;
    dated.attributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE;
    FakeEntry folder;
    folder.directory = true;
    folder.size = 777;
    folder.attributes = FILE_ATTRIBUTE_DIRECTORY;
    FakeEntry huge;
    huge.size = 0x123456789ULL;
    const std::wstring longName(300, L'n');
    source_->AddEntry(L"plain.txt", &plain);
    source_->AddEntry(L"sub\\dated.bin", &dated);
    source_->AddEntry(L"sub", &folder);
    source_->AddEntry(longName.c_str(), &huge);

    std::vector<uint8_t> bytes;
    Drag([&](ExplorerDropSource* source, COleDropSource*) { bytes = DescriptorBytes(source->GetInterface()); });
    ASSERT_EQ(4u + 4 * 592, bytes.size());
    EXPECT_EQ(4u, U32At(bytes, 0));

    struct Case {
        uint32_t flags;
        uint32_t attributes;
        uint64_t creation, access, write;
        uint64_t size;
        std::wstring name;
    };
    const uint64_t epoch = 116444736000000000ULL;
    const Case cases[] = {
        // No time known: attributes and size only, the times zero.
        {0x44, FILE_ATTRIBUTE_NORMAL, 0, 0, 0, 10, L"plain.txt"},
        // One second after 1970 is 116,444,736,010,000,000.
        {0x44 | 0x08 | 0x10 | 0x20, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE, 116444736010000000ULL,
         epoch + 1700000000ULL * 10000000ULL, epoch + 1600000000ULL * 10000000ULL, 3, L"sub\\dated.bin"},
        // A folder has no size, whatever its entry says.
        {0x44, FILE_ATTRIBUTE_DIRECTORY, 0, 0, 0, 0, L"sub"},
        // Both halves of a size beyond 4 GiB; a name past 259 characters is cut there.
        {0x44, FILE_ATTRIBUTE_NORMAL, 0, 0, 0, 0x123456789ULL, std::wstring(259, L'n')},
    };
    for (size_t i = 0; i < 4; ++i) {
        const size_t at = 4 + 592 * i;
        const Case& c = cases[i];
        EXPECT_EQ(c.flags, U32At(bytes, at)) << i;
        for (size_t zero = 4; zero < 36; zero += 4)
            EXPECT_EQ(0u, U32At(bytes, at + zero)) << i;
        EXPECT_EQ(c.attributes, U32At(bytes, at + 36)) << i;
        EXPECT_EQ(c.creation, U64At(bytes, at + 40)) << i;
        EXPECT_EQ(c.access, U64At(bytes, at + 48)) << i;
        EXPECT_EQ(c.write, U64At(bytes, at + 56)) << i;
        EXPECT_EQ(static_cast<uint32_t>(c.size >> 32), U32At(bytes, at + 64)) << i;
        EXPECT_EQ(static_cast<uint32_t>(c.size), U32At(bytes, at + 68)) << i;
        EXPECT_EQ(c.name, NameAt(bytes, at + 72)) << i;
    }
    // The data is withdrawn when the drag ends.
    EXPECT_TRUE(DescriptorBytes(source_->GetInterface()).empty());
}

TEST_F(ExplorerDropSourceTest, EachRequestStreamsItsEntryAndTheCountsAndEventsFollow)
{
    // Larger than the stream's buffer, so that the contents cross it.
    std::string big(200000, '\0');
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7 + i / 251);
    FakeEntry first(big);
    FakeEntry folder;
    folder.directory = true;
    FakeEntry last("ten bytes!");
    source_->AddEntry(L"first.bin", &first);
    source_->AddEntry(L"folder", &folder);
    source_->AddEntry(L"folder\\last.txt", &last);

    std::vector<int32_t> codesAtFirstRequest;
    Drag([&](ExplorerDropSource* source, COleDropSource*) {
        IDataObject* data = source->GetInterface();
        std::string bytes;
        ASSERT_EQ(S_OK, RequestContents(data, 0, &bytes));
        codesAtFirstRequest = Codes(heard_);
        EXPECT_EQ(big, bytes);
        // A folder is answered without data.
        DWORD tymed = TYMED_ISTREAM;
        EXPECT_EQ(S_OK, RequestContents(data, 1, &bytes, &tymed));
        EXPECT_EQ(DWORD(TYMED_NULL), tymed);
        // Into a stream of the target's own, after what it already holds.
        IStream* own = nullptr;
        ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, &own));
        own->Write("head:", 5, nullptr);
        FORMATETC wanted = listtest::ContentsRequest(2, TYMED_ISTREAM);
        STGMEDIUM medium = {};
        medium.tymed = TYMED_ISTREAM;
        medium.pstm = own;
        EXPECT_EQ(S_OK, data->GetDataHere(&wanted, &medium));
        LARGE_INTEGER start = {};
        own->Seek(start, STREAM_SEEK_SET, nullptr);
        EXPECT_EQ("head:ten bytes!", listtest::ReadAll(own));
        own->Release();
    });
    EXPECT_EQ(codesAtFirstRequest, (std::vector<int32_t>{ExplorerDropSource::kTransferStarted}));
    EXPECT_EQ(Codes(heard_), (std::vector<int32_t>{ExplorerDropSource::kEnded}));
    // 4,096 per entry, and for each file its bytes and 4,096 more.
    EXPECT_EQ(3 * 4096 + (200000 + 4096) + (10 + 4096), source_->GetTotalBytes());
    EXPECT_FALSE(source_->IsDragging());
    EXPECT_TRUE(BoxRecorder::Take().empty());
}

TEST_F(ExplorerDropSourceTest, TwoEntriesOfTenBytesAndAFolderCountTwelveThousandTwoHundredNinetyEight)
{
    FakeEntry file("0123456789");
    FakeEntry folder;
    folder.directory = true;
    source_->AddEntry(L"a.txt", &file);
    source_->AddEntry(L"dir", &folder);
    Drag([&](ExplorerDropSource* source, COleDropSource*) {
        EXPECT_EQ(2u, U32At(DescriptorBytes(source->GetInterface()), 0));
        EXPECT_EQ(S_OK, RequestContents(source->GetInterface(), 0, nullptr));
    });
    EXPECT_EQ(12298, source_->GetTotalBytes());
}

TEST_F(ExplorerDropSourceTest, AnIndexThatNamesNoEntryIsRefusedBeforeAnyWork)
{
    FakeEntry one("1");
    FakeEntry two("22");
    source_->AddEntry(L"one", &one);
    source_->AddEntry(L"two", &two);
    Drag([&](ExplorerDropSource* source, COleDropSource*) {
        IDataObject* data = source->GetInterface();
        for (LONG index : {LONG(-1), LONG(2), LONG(3), LONG(-2), LONG(0x7FFFFFFF), LONG(0x80000000)}) {
            EXPECT_EQ(DV_E_LINDEX, RequestContents(data, index, nullptr)) << index;
            FORMATETC wanted = listtest::ContentsRequest(index);
            STGMEDIUM medium = {};
            medium.tymed = TYMED_ISTREAM;
            EXPECT_EQ(DV_E_LINDEX, data->GetDataHere(&wanted, &medium)) << index;
            if (index != -1) {
                EXPECT_EQ(DV_E_LINDEX, data->QueryGetData(&wanted)) << index;
            }
        }
        // The offer itself stands, and good indices are answered.
        FORMATETC any = listtest::ContentsRequest(-1);
        EXPECT_EQ(S_OK, data->QueryGetData(&any));
        std::string bytes;
        EXPECT_EQ(S_OK, RequestContents(data, 1, &bytes));
        EXPECT_EQ("22", bytes);
        // Contents come as a stream only.
        FORMATETC asBlock = listtest::ContentsRequest(0, TYMED_HGLOBAL);
        STGMEDIUM medium = {};
        EXPECT_EQ(DV_E_TYMED, data->GetData(&asBlock, &medium));
    });
    EXPECT_EQ(0, one.writes);
    EXPECT_EQ(1, two.writes);
}

// A target stream that takes a few bytes and then finds its medium full.
class FullStream : public IStream {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Read(void*, ULONG, ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG* written) override
    {
        if (written)
            *written = 0;
        return STG_E_MEDIUMFULL;
    }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER, DWORD, ULARGE_INTEGER* position) override
    {
        if (position)
            position->QuadPart = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }
};

TEST_F(ExplorerDropSourceTest, AnEntryWhoseWriteFailsReportsFailureToTheShell)
{
    FakeEntry refusing("written, then refused");
    refusing.refuse = true;
    FakeEntry fine(std::string(70000, 'f'));
    source_->AddEntry(L"refusing", &refusing);
    source_->AddEntry(L"fine", &fine);
    Drag([&](ExplorerDropSource* source, COleDropSource*) {
        IDataObject* data = source->GetInterface();
        EXPECT_EQ(E_FAIL, RequestContents(data, 0, nullptr));
        // A full disk on the target's side: the user is told once, the shell gets the failure.
        FullStream full;
        FORMATETC wanted = listtest::ContentsRequest(1, TYMED_ISTREAM);
        STGMEDIUM medium = {};
        medium.tymed = TYMED_ISTREAM;
        medium.pstm = &full;
        EXPECT_EQ(E_FAIL, data->GetDataHere(&wanted, &medium));
    });
    const auto boxes = BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_NE(std::wstring::npos, boxes[0].text.find(L"not enough space")) << boxes[0].text;
    EXPECT_EQ(UINT(MB_OK), boxes[0].type & 0xF);
}

TEST_F(ExplorerDropSourceTest, ASecondDragWhileOneRunsDoesNothing)
{
    FakeEntry entry("x");
    source_->AddEntry(L"x", &entry);
    PlayedDrag::runs = 0;
    Drag([&](ExplorerDropSource* source, COleDropSource*) {
        EXPECT_TRUE(source->IsDragging());
        source->StartDrag();
    });
    EXPECT_EQ(1, PlayedDrag::runs);
    EXPECT_EQ(Codes(heard_), (std::vector<int32_t>{ExplorerDropSource::kEnded}));
}

TEST_F(ExplorerDropSourceTest, TheAsynchronousInterfaceAnswersWithTheModeOff)
{
    IDataObject* data = source_->GetInterface();
    IAsyncOperation* async = nullptr;
    ASSERT_EQ(S_OK, data->QueryInterface(__uuidof(IAsyncOperation), reinterpret_cast<void**>(&async)));
    ASSERT_NE(nullptr, async);
    // A target asking for background rendering is not given it.
    FakeEntry entry("x");
    source_->AddEntry(L"x", &entry);
    async->SetAsyncMode(TRUE);
    Drag([&](ExplorerDropSource*, COleDropSource*) {
        WINBOOL mode = TRUE;
        EXPECT_EQ(S_OK, async->GetAsyncMode(&mode));
        EXPECT_FALSE(mode);
    });
    WINBOOL busy = TRUE;
    EXPECT_EQ(S_OK, async->InOperation(&busy));
    EXPECT_FALSE(busy);
    EXPECT_EQ(S_OK, async->StartOperation(nullptr));
    EXPECT_EQ(S_OK, async->EndOperation(S_OK, nullptr, DROPEFFECT_COPY));
    IUnknown* unknown = nullptr;
    EXPECT_EQ(S_OK, async->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
    void* other = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, async->QueryInterface(IID_IDropTarget, &other));
    EXPECT_EQ(nullptr, other);
    unknown->Release();
    async->Release();
}

// The drop source's rules for the key states the drag loop passes, with the events they tell.
TEST(CMyDropSourceTest, TheDragGoesOnUntilTheDropIsToldOnceAndACancelEndsTheTelling)
{
    struct Step {
        BOOL escape;
        DWORD keys;
        SCODE result;
        std::vector<int32_t> codes;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"moves then drop, told once",
         {{FALSE, MK_LBUTTON, S_OK, {1}},
          {FALSE, MK_LBUTTON | MK_SHIFT, S_OK, {1}},
          {FALSE, 0, DRAGDROP_S_DROP, {2}},
          {FALSE, 0, DRAGDROP_S_DROP, {}},
          {FALSE, MK_CONTROL, DRAGDROP_S_DROP, {}}}},
        {"escape cancels and nothing more is told",
         {{FALSE, MK_LBUTTON, S_OK, {1}}, {TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL, {}}, {FALSE, MK_LBUTTON, S_OK, {}}}},
        {"the other button cancels", {{FALSE, MK_LBUTTON | MK_RBUTTON, DRAGDROP_S_CANCEL, {}}}},
    };
    for (const Case& c : cases) {
        RecordingListener heard;
        ExplorerDropSource* data = ExplorerDropSource::New();
        s::gui::win::CMyDropSource source(&heard, data);
        EXPECT_FALSE(source.HasStarted());
        for (const Step& step : c.steps) {
            EXPECT_EQ(step.result, source.GetInterface()->QueryContinueDrag(step.escape, step.keys)) << c.name;
            std::vector<int32_t> codes;
            for (const auto& event : heard.Take()) {
                EXPECT_EQ(static_cast<s::base::IObject*>(data), event.source);
                codes.push_back(event.code);
            }
            EXPECT_EQ(step.codes, codes) << c.name;
        }
        EXPECT_TRUE(source.HasStarted());
        data->ReleaseToPool();
    }
    // Without a listener the rules still hold.
    s::gui::win::CMyDropSource quiet(nullptr, nullptr);
    EXPECT_EQ(DRAGDROP_S_DROP, quiet.QueryContinueDrag(FALSE, 0));
}

class ExplorerDropSourceDialogTest : public ExplorerDropSourceTest {
protected:
    static void SetUpTestSuite()
    {
        pack_ = s::lang::Localizer::New();
        s::lang::LangPack* english = s::lang::LangPack::New();
        const std::pair<int32_t, const wchar_t*> texts[] = {
            {901001, L"Copying Files"}, {901005, L"Preparing..."}, {901030, L"Current File"},
            {901040, L"Total"}, {901050, L"Elapsed Time:"}, {901060, L"Time Remaining:"},
            {901070, L"Pause"}, {901071, L"Resume"}, {901080, L"Cancel"},
            {901090, L"Minimize"}, {901095, L"Do you really want to cancel?"},
        };
        for (const auto& text : texts)
            english->AddText(text.first, text.second);
        pack_->AddPack(english);
        pack_->SelectLanguageAt(0);
    }
    static void TearDownTestSuite()
    {
        if (pack_)
            pack_->ReleaseToPool();
        pack_ = nullptr;
    }
    void SetUp() override
    {
        ExplorerDropSourceTest::SetUp();
        application_.pack = pack_;
        source_->Configure(&application_, nullptr, L"Dragging 3 Files");
    }

    static inline s::lang::Localizer* pack_ = nullptr;
    FakeApplication application_;
};

// One drag for the whole course: each dialog takes seconds to go.
TEST_F(ExplorerDropSourceDialogTest, TheDialogFollowsTheFilesMinimizingRunsInTheBackgroundAndACancelFailsTheNextRequest)
{
    FakeEntry first(std::string(30000, 'a'));
    FakeEntry second(std::string(20000, 'b'));
    FakeEntry third("c");
    source_->AddEntry(L"first.dat", &first);
    source_->AddEntry(L"second.dat", &second);
    source_->AddEntry(L"third.dat", &third);
    HWND shown = nullptr;
    Drag([&](ExplorerDropSource* source, COleDropSource*) {
        IDataObject* data = source->GetInterface();
        // Minimized while the first file is written, as a user might at once.
        first.beforeEachPiece = [&] { source->GetDialog()->GetProgressData()->minimized = 1; };
        ASSERT_EQ(S_OK, RequestContents(data, 0, nullptr));
        s::gui::dialogs::Progress* dialog = source->GetDialog();
        ASSERT_NE(nullptr, dialog);
        shown = dialog->GetWindow()->GetSafeHwnd();
        wchar_t title[64] = {};
        GetWindowTextW(shown, title, 64);
        EXPECT_STREQ(L"Dragging 3 Files", title);
        // The dialog names the entry that comes next, with the first one counted as done:
        // 34,096 of 74,577.
        EXPECT_TRUE(testing_support::WaitUntil(
            [&] {
                return std::wstring(dialog->GetNameLabel()->GetText()) == L"second.dat" &&
                       std::wstring(dialog->GetTotalPercentLabel()->GetText()) == L"45%";
            },
            5000))
            << dialog->GetTotalPercentLabel()->GetText();
        s::archive::ProgressData* progress = dialog->GetProgressData();
        EXPECT_EQ(1, progress->backgroundMode.load());
        EXPECT_TRUE(testing_support::WaitUntil(
            [&] { return IsWindowVisible(dialog->GetCancelButton()->GetSafeHwnd()) != 0; }, 5000));
        // Painting settles after the last layout.
        Sleep(300);
        testing_support::ScreenImage image;
        ASSERT_TRUE(testing_support::CaptureWindow(shown, &image));
        EXPECT_FALSE(testing_support::SaveScreenshot(image, L"drag_out_progress").empty());

        // The user cancels and confirms.
        BoxRecorder::SetAnswer(IDYES);
        HWND cancel = dialog->GetCancelButton()->GetSafeHwnd();
        SendMessageW(cancel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(cancel, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_TRUE(testing_support::WaitUntil([&] { return progress->cancelled != 0; }, 5000));
        EXPECT_EQ(E_FAIL, RequestContents(data, 1, nullptr));
        EXPECT_EQ(E_FAIL, RequestContents(data, 2, nullptr));
    });
    EXPECT_EQ(0, second.writes);
    EXPECT_EQ(nullptr, source_->GetDialog());
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_EQ(Codes(heard_), (std::vector<int32_t>{ExplorerDropSource::kTransferStarted, ExplorerDropSource::kEnded}));
}

} // namespace
