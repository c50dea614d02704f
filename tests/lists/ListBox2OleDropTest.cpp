// Files dragged from the shell onto a list: the target registered with the window and revoked
// with it, the marker and auto-scroll while the drag hovers, and the drop's event and files.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "lists/ExplorerDropTarget.h"
#include "lists/FileDropData.h"
#include "lists/ListBox2Event.h"
#include "lists/ListStage.h"

using namespace listtest;
namespace event = s::gui::ListBox2Event;
using s::gui::win::ExplorerDropTarget;
using testing_support::RecordingListener;

namespace {

class ListOleDropTest : public ListStage {
protected:
    void ShowWithRows(int rows)
    {
        list_->SetOleDropTarget(true);
        list_->AddColumn(L"Name", 140, 0, false, nullptr, true, false, false, false, false);
        for (int i = 0; i < rows; ++i)
            list_->AddRow(NumberRow({i}));
        Show();
    }
    // The cursor on a row's upper or lower half, in screen coordinates.
    void CursorOnRow(int32_t row, bool lowerHalf)
    {
        RECT rect = SubItemRect(row, 0);
        POINT point = {rect.left + 30, lowerHalf ? rect.bottom - 3 : rect.top + 2};
        ::ClientToScreen(Native(), &point);
        PlaceCursor(point.x, point.y);
    }
    // The OLE callbacks as the drag loop makes them, on the list's thread.
    void Enter(FileDropData* data)
    {
        OnListThread([&] {
            DWORD effect = DROPEFFECT_LINK;
            list_->GetDropTarget()->GetInterface()->DragEnter(data, 0, POINTL{0, 0}, &effect);
        });
    }
    void Over()
    {
        OnListThread([&] {
            DWORD effect = DROPEFFECT_LINK;
            list_->GetDropTarget()->GetInterface()->DragOver(0, POINTL{0, 0}, &effect);
        });
    }
    void DropOn(FileDropData* data)
    {
        OnListThread([&] {
            DWORD effect = DROPEFFECT_LINK;
            list_->GetDropTarget()->GetInterface()->Drop(data, 0, POINTL{0, 0}, &effect);
        });
    }
    void Leave()
    {
        OnListThread([&] { list_->GetDropTarget()->GetInterface()->DragLeave(); });
    }
    std::vector<std::wstring> Dropped()
    {
        std::vector<std::wstring> paths;
        s::str::strarray::StrArray* files = list_->GetDroppedFiles();
        for (uint32_t i = 0; i < files->GetCount(); ++i)
            paths.emplace_back(files->Get(i)->GetText());
        return paths;
    }
    int32_t Top() { return static_cast<int32_t>(::SendMessageW(Native(), LVM_GETTOPINDEX, 0, 0)); }
};

// A drop target the test registers itself, to see whether the window has one already.
class IdleTarget : public IDropTarget {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        *object = IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDropTarget) ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject*, DWORD, POINTL, DWORD*) override { return S_OK; }
};

TEST_F(ListOleDropTest, TheTargetIsRegisteredWithTheWindowAndRevokedWhenItGoes)
{
    // Without the flag there is none.
    list_->AddColumn(L"Name", 140, 0, false, nullptr, true, false, false, false, false);
    Show();
    EXPECT_EQ(nullptr, list_->GetDropTarget());
    window_->RemoveChild(box_, true);
    shown_ = false;
    list_ = nullptr;
    box_ = nullptr;

    SetUp();
    ShowWithRows(3);
    ExplorerDropTarget* target = list_->GetDropTarget();
    ASSERT_NE(nullptr, target);
    EXPECT_EQ(static_cast<CWnd*>(list_), target->GetWindow());
    IdleTarget other;
    HRESULT second = E_FAIL;
    OnListThread([&] { second = ::RegisterDragDrop(Native(), &other); });
    EXPECT_EQ(DRAGDROP_E_ALREADYREGISTERED, second);
    // Taking the window down revokes the target and gives it back.
    OnListThread([&] { ::SendMessageW(Native(), s::gui::msg::kDestroyOwnWindow, 0, 0); });
    EXPECT_EQ(nullptr, list_->GetDropTarget());
    EXPECT_EQ(nullptr, target->GetWindow());
}

TEST_F(ListOleDropTest, AHoverMarksTheRowUnderTheCursorAndADropTellsItsFiles)
{
    ShowWithRows(5);
    RecordingListener drops;
    list_->AddOleDropListener(&drops);
    FileDropData data(HdropBytes({L"C:\\in\\one.txt", L"C:\\in\\two.txt", L"C:\\in\\three.txt"}));

    CursorOnRow(2, false);
    Enter(&data);
    EXPECT_TRUE(list_->IsOleHovering());
    EXPECT_EQ(2, list_->GetDropRow());
    CursorOnRow(3, true);
    Over();
    EXPECT_EQ(4, list_->GetDropRow());
    EXPECT_EQ(0u, drops.Count());

    DropOn(&data);
    const auto heard = drops.Take();
    ASSERT_EQ(1u, heard.size());
    EXPECT_EQ(event::OleFilesDropped, heard[0].code);
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\in\\one.txt", L"C:\\in\\two.txt", L"C:\\in\\three.txt"}), Dropped());
    EXPECT_FALSE(list_->IsOleHovering());
    EXPECT_EQ(-1, list_->GetDropRow());

    // A second drop replaces the files; data without files leaves none.
    FileDropData other(HdropBytes({L"D:\\x.bin"}));
    Enter(&other);
    DropOn(&other);
    EXPECT_EQ((std::vector<std::wstring>{L"D:\\x.bin"}), Dropped());
    FileDropData empty;
    Enter(&empty);
    DropOn(&empty);
    EXPECT_TRUE(Dropped().empty());
    EXPECT_EQ(2u, drops.Count());
    EXPECT_EQ(0, data.references + other.references + empty.references);
}

TEST_F(ListOleDropTest, LeavingEndsTheHoverAndItsMarker)
{
    ShowWithRows(4);
    RecordingListener drops;
    list_->AddOleDropListener(&drops);
    FileDropData data(HdropBytes({L"C:\\a.txt"}));
    CursorOnRow(1, false);
    Enter(&data);
    ASSERT_EQ(1, list_->GetDropRow());
    Leave();
    EXPECT_FALSE(list_->IsOleHovering());
    EXPECT_EQ(-1, list_->GetDropRow());
    EXPECT_EQ(0u, drops.Count());
    // Moves after the leave are not the list's.
    Over();
    EXPECT_EQ(-1, list_->GetDropRow());
    // Without a hover the auto-scroll timer is not the list's.
    EXPECT_EQ(0, ::SendMessageW(Native(), WM_TIMER, s::gui::msg::kListAutoScrollTimer, 0));
}

TEST_F(ListOleDropTest, AHoverNearTheBottomEdgeScrollsTheList)
{
    ShowWithRows(60);
    FileDropData data(HdropBytes({L"C:\\a.txt"}));
    CursorOnRow(1, false);
    Enter(&data);
    ::KillTimer(Native(), s::gui::msg::kListAutoScrollTimer);
    // Within ten pixels of the bottom edge, inside the list: an OLE hover scrolls there, a row
    // drag would not.
    RECT window;
    ::GetWindowRect(Native(), &window);
    PlaceCursor(window.left + 30, window.bottom - 5);
    for (int tick = 0; tick < 4; ++tick)
        ::SendMessageW(Native(), WM_TIMER, s::gui::msg::kListAutoScrollTimer, 0);
    EXPECT_GT(Top(), 0);
    Leave();
}

} // namespace
