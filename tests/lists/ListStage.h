#pragma once
// One shown window for a suite of list tests; each test gets a fresh list in a fresh Box.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "lists/ListBox2.h"
#include "lists/ModelBuilders.h"
#include "support/BoxRecorder.h"
#include "support/Cursor.h"
#include "support/RecordingListener.h"
#include "windowing/Messages.h"
#include "windowing/ProcessKey.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"

namespace listtest {

using s::gui::win::ListBox2;

class ListStage : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        window_ = s::gui::win::Window::New();
        ASSERT_NE(nullptr, window_);
        ASSERT_TRUE(window_->IsReady());
        window_->SetBounds(60, 60, 460, 340);
        window_->SetVisible(true);
    }
    static void TearDownTestSuite()
    {
        if (window_)
            window_->ReleaseToPool();
        window_ = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(nullptr, window_);
        testing_support::BoxRecorder::Take();
        box_ = s::gui::win::Box::Create(s::gui::IBox::kRow, 100, 100, 0, 0, 0, 0, 0, 0);
        ASSERT_NE(nullptr, box_);
        window_->AddChild(box_);
        list_ = ListBox2::New();
        ASSERT_NE(nullptr, list_);
        list_->SetFixedWidth(kWidth);
        list_->SetFixedHeight(kHeight);
    }
    void TearDown() override
    {
        // The list goes with the box, given back to its pool.
        if (box_)
            window_->RemoveChild(box_, true);
        // A list never shown is not the box's.
        if (list_ && !shown_)
            list_->ReleaseToPool();
        box_ = nullptr;
        list_ = nullptr;
    }

    // Creates the list's native window on the window's thread.
    void Show()
    {
        box_->AddChild(list_);
        shown_ = true;
        ASSERT_NE(nullptr, list_->GetStoredHandle());
        OnListThread([&] { list_->SetBounds(0, 0, kWidth, kHeight); });
    }

    HWND Native() { return list_->GetSafeHwnd(); }

    // Runs the work on the list's window thread and waits for it.
    void OnListThread(const std::function<void()>& work)
    {
        ::SendMessageW(window_->GetSafeHwnd(), s::gui::msg::kRunOnOwnThread, reinterpret_cast<WPARAM>(&work),
                       s::gui::win::ProcessKey());
    }

    // The list reads the cursor on its own thread.
    bool PlaceCursor(POINT screen)
    {
        return testing_support::PlaceCursor(screen, [&] { OnListThread([] {}); });
    }
    bool PlaceCursor(int32_t x, int32_t y) { return PlaceCursor(POINT{x, y}); }

    // The records of the native items, in item order.
    std::vector<Record*> NativeRecords()
    {
        std::vector<Record*> records;
        const int count = static_cast<int>(::SendMessageW(Native(), LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            LVITEMW item = {};
            item.mask = LVIF_PARAM;
            item.iItem = i;
            ::SendMessageW(Native(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            records.push_back(reinterpret_cast<Record*>(item.lParam));
        }
        return records;
    }
    std::vector<Record*> ModelRecords()
    {
        std::vector<Record*> records;
        for (uint32_t i = 0; i < list_->GetRowCount(); ++i)
            records.push_back(list_->GetRowAt(i));
        return records;
    }
    // The native items stand in the model's order, and the model keeps its invariants.
    void ExpectInStep()
    {
        ExpectConsistent(*list_->GetModel());
        if (Native()) {
            EXPECT_EQ(NativeRecords(), ModelRecords());
        }
    }
    std::vector<int64_t> Numbers() { return FirstNumbers(*list_->GetModel()); }

    // Selects a row as the control does for a click: the row alone.
    void SelectOnly(int32_t row)
    {
        LVITEMW state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = 0;
        ::SendMessageW(Native(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        SetNativeState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    void SetNativeState(int32_t row, UINT state, UINT mask)
    {
        LVITEMW item = {};
        item.stateMask = mask;
        item.state = state;
        ::SendMessageW(Native(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    std::vector<Record*> Selection()
    {
        std::vector<Record*> records;
        for (uint32_t i = 0; i < list_->GetSelectedCount(); ++i) {
            Record* record = nullptr;
            list_->GetSelectedAt(i, &record, nullptr);
            records.push_back(record);
        }
        return records;
    }
    // A sub-item's rectangle in client coordinates.
    RECT SubItemRect(int32_t row, int32_t column)
    {
        RECT rect = {LVIR_BOUNDS, column, 0, 0};
        ::SendMessageW(Native(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
        return rect;
    }

    static constexpr int32_t kWidth = 320;
    static constexpr int32_t kHeight = 220;
    static inline s::gui::win::Window* window_ = nullptr;
    s::gui::win::Box* box_ = nullptr;
    ListBox2* list_ = nullptr;
    bool shown_ = false;
};

} // namespace listtest
