// Rows dragged out of a shown list: the entries its listeners name go to the drag source, the
// drag's course comes back as the list's messages and events, and the selection holds still.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lists/AsyncKeys.h"
#include "lists/IDragOutNode.h"
#include "lists/DragOutPlay.h"
#include "lists/ListBox2Event.h"
#include "lists/ListStage.h"
#include "support/RecordingListener.h"

using listtest::FakeEntry;
using listtest::ListStage;
using listtest::NumberRow;
using listtest::PlayedDrag;
using s::gui::win::ExplorerDropSource;
using testing_support::RecordingListener;
namespace event = s::gui::ListBox2Event;

namespace {

std::atomic<bool> leftHeld(false);
SHORT HeldKeys(int key)
{
    return key == VK_LBUTTON && leftHeld.load() ? static_cast<SHORT>(0x8000) : 0;
}

class ListDragOutTest : public ListStage {
protected:
    void TearDown() override
    {
        leftHeld = false;
        s::gui::win::SetAsyncKeyReader(nullptr);
        ListStage::TearDown();
    }

    // LVN_BEGINDRAG on the row, with the cursor on it and the left button held.
    void BeginDrag(int32_t row)
    {
        s::gui::win::SetAsyncKeyReader(&HeldKeys);
        const RECT rect = SubItemRect(row, 0);
        POINT screen = {rect.left + 20, (rect.top + rect.bottom) / 2};
        ::ClientToScreen(Native(), &screen);
        ::SetCursorPos(screen.x, screen.y);
        leftHeld = true;
        NMLISTVIEW begin = {};
        begin.hdr.hwndFrom = Native();
        begin.hdr.code = LVN_BEGINDRAG;
        begin.iItem = row;
        ::SendMessageW(Native(), s::gui::msg::kReflectBeginDrag, 0, reinterpret_cast<LPARAM>(&begin));
        leftHeld = false;
    }
    bool IsNativeSelected(int32_t row)
    {
        return (::SendMessageW(Native(), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) &
                LVIS_SELECTED) != 0;
    }
};

TEST_F(ListDragOutTest, TheDragOffersTheListenersEntriesAndReportsItsCourseAsEvents)
{
    list_->SetDragOut(true);
    list_->AddColumn(L"Name", 140, 0, false, nullptr, true, false, false, false, false);
    Show();
    for (int i = 0; i < 3; ++i)
        list_->AddRow(NumberRow({i}));
    FakeEntry entry("the bytes of row 0");
    RecordingListener heard;
    std::vector<int32_t> selectedAtStart;
    heard.action = [&](int32_t code) {
        // The listener names the files while the drag starts, from the selection it sees.
        if (code == event::DragOutStarted) {
            selectedAtStart.push_back(static_cast<int32_t>(list_->GetSelectedCount()));
            list_->AddDragOutEntry(L"row 0.txt", &entry);
        }
    };
    list_->ConfigureDragOut(&heard, nullptr, true, L"Copying rows");
    SelectOnly(0);
    heard.Take();

    std::vector<int32_t> codesBeforeTheTransfer;
    std::string bytes;
    bool selectionHeld = false;
    PlayedDrag played([&](ExplorerDropSource* source, COleDropSource* dropSource) {
        EXPECT_EQ(1u, source->GetEntryCount());
        EXPECT_EQ(S_OK, dropSource->GetInterface()->QueryContinueDrag(FALSE, MK_LBUTTON));
        // A selection change asked for while the drag runs is swallowed.
        SetNativeState(2, LVIS_SELECTED, LVIS_SELECTED);
        selectionHeld = !IsNativeSelected(2) && IsNativeSelected(0);
        EXPECT_EQ(DRAGDROP_S_DROP, dropSource->GetInterface()->QueryContinueDrag(FALSE, 0));
        for (const auto& event : heard.Take())
            codesBeforeTheTransfer.push_back(event.code);
        EXPECT_EQ(S_OK, listtest::RequestContents(source->GetInterface(), 0, &bytes));
    });
    BeginDrag(0);

    EXPECT_EQ(codesBeforeTheTransfer, (std::vector<int32_t>{event::DragOutStarted}));
    EXPECT_EQ(selectedAtStart, (std::vector<int32_t>{1}));
    EXPECT_TRUE(selectionHeld);
    EXPECT_EQ("the bytes of row 0", bytes);
    std::vector<int32_t> codes;
    for (const auto& heardEvent : heard.Take()) {
        EXPECT_EQ(static_cast<s::base::IObject*>(list_), heardEvent.source);
        codes.push_back(heardEvent.code);
    }
    EXPECT_EQ(codes, (std::vector<int32_t>{event::DragOutTransferStarted, event::DragOutEnded}));
    // Once the drag has ended the selection follows the control again.
    SetNativeState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(IsNativeSelected(2));
    EXPECT_FALSE(list_->GetDropSource()->IsDragging());
}

TEST_F(ListDragOutTest, ACancelledDragStillEndsWithItsEventAndTheNextDragStartsAfresh)
{
    list_->SetDragOut(true);
    list_->AddColumn(L"Name", 140, 0, false, nullptr, true, false, false, false, false);
    Show();
    list_->AddRow(NumberRow({7}));
    FakeEntry entry("x");
    RecordingListener heard;
    heard.action = [&](int32_t code) {
        if (code == event::DragOutStarted)
            list_->AddDragOutEntry(L"x", &entry);
    };
    list_->ConfigureDragOut(&heard, nullptr, false, nullptr);
    SelectOnly(0);
    std::vector<uint32_t> offered;
    PlayedDrag played([&](ExplorerDropSource* source, COleDropSource* dropSource) {
        offered.push_back(source->GetEntryCount());
        EXPECT_EQ(DRAGDROP_S_CANCEL, dropSource->GetInterface()->QueryContinueDrag(TRUE, MK_LBUTTON));
    });
    for (int drag = 0; drag < 2; ++drag) {
        heard.Take();
        BeginDrag(0);
        std::vector<int32_t> codes;
        for (const auto& heardEvent : heard.Take())
            codes.push_back(heardEvent.code);
        EXPECT_EQ(codes, (std::vector<int32_t>{event::DragOutStarted, event::DragOutEnded})) << drag;
    }
    // Each drag offers the entries of its own start only.
    EXPECT_EQ(offered, (std::vector<uint32_t>{1, 1}));
}

// A tree entry: a folder with children, or a file.
class FakeNode : public s::gui::IDragOutNode {
public:
    explicit FakeNode(const wchar_t* path) : path_(path) {}
    const wchar_t* GetClassName() override { return L"FakeNode"; }
    s::base::IObject* NewInstance() override { return nullptr; }
    uint64_t GetSize() override { return 0; }
    const wchar_t* GetFullPath() override { return path_.c_str(); }
    int32_t GetChildCount() override { return static_cast<int32_t>(children.size()); }
    s::gui::IDragOutNode* GetChildAt(int32_t index) override { return children[index]; }

    std::vector<FakeNode*> children;

private:
    std::wstring path_;
};

TEST_F(ListDragOutTest, ATreeOffersEachLeafUnderTheBasePathRelativeToItsFolder)
{
    FakeNode root(L"C:\\skins\\set");
    FakeNode leaf(L"C:\\skins\\set\\a.xml\\");
    FakeNode folder(L"C:\\skins\\set\\more/");
    FakeNode deep(L"C:\\skins\\set\\more/b.xml");
    root.children = {&leaf, &folder};
    folder.children = {&deep};
    list_->AddDragOutTree(L"Export", &root);
    ExplorerDropSource* source = list_->GetDropSource();
    const std::vector<std::pair<std::wstring, s::archive::IEntry*>> expected = {
        {L"Export", &root},
        {L"Export\\a.xml", &leaf},
        {L"Export\\more", &folder},
        {L"Export\\more\\b.xml", &deep},
    };
    ASSERT_EQ(expected.size(), source->GetEntryCount());
    for (uint32_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i].first, source->GetPathAt(i)) << i;
        EXPECT_EQ(expected[i].second, source->GetEntryAt(i)) << i;
    }
}

// A drag to the real shell: run by hand on a desktop with Explorer (never headless), dragging
// the row onto a folder within ten seconds; the file "hello.txt" should appear there.
TEST_F(ListDragOutTest, DISABLED_ManualDragToTheShell)
{
    list_->SetDragOut(true);
    list_->AddColumn(L"Drag me to a folder", 200, 0, false, nullptr, true, false, false, false, false);
    Show();
    list_->AddRow(NumberRow({1}));
    FakeEntry entry("Hello from a dragged-out list row.\r\n");
    RecordingListener heard;
    heard.action = [&](int32_t code) {
        if (code == event::DragOutStarted)
            list_->AddDragOutEntry(L"hello.txt", &entry);
    };
    list_->ConfigureDragOut(&heard, nullptr, false, nullptr);
    bool ended = false;
    for (DWORD waited = 0; waited < 10000 && !ended; waited += 50) {
        Sleep(50);
        for (const auto& heardEvent : heard.Take())
            ended = ended || heardEvent.code == event::DragOutEnded;
    }
    EXPECT_TRUE(ended);
    EXPECT_EQ(1, entry.writes);
}

} // namespace
