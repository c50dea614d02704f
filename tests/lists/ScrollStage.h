#pragma once
// One shown, skinned window for a suite of scroll tests; each test builds its container in a
// fresh Box filling the window.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "lists/ListBox2.h"
#include "lists/ListBoxEx.h"
#include "lists/ModelBuilders.h"
#include "lists/ScrollBar.h"
#include "lists/ScrollBox.h"
#include "lists/ScrollInfo.h"
#include "skins/ISkin.h"
#include "skins/Skinner.h"
#include "skins/drawer/IScrollBar.h"
#include "support/BoxRecorder.h"
#include "support/Cursor.h"
#include "windowing/Messages.h"
#include "windowing/ProcessKey.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/TestSkins.h"

namespace scrolltest {

using s::gui::IBox;
using s::gui::IComponent;
using s::gui::drawer::Skinner;
using s::gui::scrollbar::win::ScrollInfo;
using s::gui::win::Box;
using s::gui::win::ListBox2;
using s::gui::win::ListBoxEx;
using s::gui::win::ScrollBar;
using s::gui::win::ScrollBox;

class ScrollStage : public testing::Test {
protected:
    static constexpr int32_t kClientWidth = 360;
    static constexpr int32_t kClientHeight = 260;

    // A skin whose lists and headers can be read: dark frame and header, light rows.
    static bool AddListSkin(const wchar_t* name, COLORREF frame, COLORREF frameText, COLORREF rows)
    {
        int32_t values[45];
        const COLORREF colours[15] = {frame,     frameText, RGB(150, 150, 150), frameText, frameText,
                                      frameText, RGB(0, 0, 0), RGB(90, 90, 90), frame, frameText,
                                      rows,      RGB(20, 20, 20), RGB(235, 235, 235), RGB(40, 220, 60), RGB(220, 60, 40)};
        for (int32_t i = 0; i < 15; ++i)
            testing_support::PutColor(values, i, colours[i]);
        return skinner_->AddSkinFromColors(name, values);
    }

    static void SetUpTestSuite()
    {
        skinner_ = Skinner::New();
        ASSERT_NE(nullptr, skinner_);
        skinner_->SetDrawerType(L"ThinWindow");
        ASSERT_TRUE(AddListSkin(L"Harbour", RGB(16, 40, 120), RGB(250, 250, 250), RGB(200, 215, 240)));
        ASSERT_TRUE(AddListSkin(L"Ember", RGB(120, 20, 40), RGB(255, 230, 0), RGB(250, 225, 215)));
        skinner_->SelectSkinAt(0);
        window_ = s::gui::win::Window::New();
        ASSERT_NE(nullptr, window_);
        ASSERT_TRUE(window_->IsReady());
        window_->SetSkinner(skinner_);
        window_->SetBounds(60, 60, 420, 320);
        window_->SetClientWidth(kClientWidth);
        window_->SetClientHeight(kClientHeight);
        window_->SetVisible(true);
    }
    static void TearDownTestSuite()
    {
        if (window_)
            window_->ReleaseToPool();
        window_ = nullptr;
        if (skinner_)
            skinner_->ReleaseToPool();
        skinner_ = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(nullptr, window_);
        testing_support::BoxRecorder::Take();
        // Away from the stage: no bar or header hovers unless a test puts the cursor there.
        PlaceCursor(0, 0);
        skinner_->SelectSkinAt(0);
        box_ = Box::Create(IBox::kColumn, 100, 100, 0, 0, 0, 0, 0, 0);
        ASSERT_NE(nullptr, box_);
        window_->AddChild(box_);
    }
    void TearDown() override
    {
        if (box_)
            window_->RemoveChild(box_, true);
        box_ = nullptr;
    }

    // Runs the work on the window's thread and waits for it.
    static void OnUi(const std::function<void()>& work)
    {
        ::SendMessageW(window_->GetSafeHwnd(), s::gui::msg::kRunOnOwnThread, reinterpret_cast<WPARAM>(&work),
                       s::gui::win::ProcessKey());
    }

    // The bars and lists read the cursor on the window's thread.
    static bool PlaceCursor(POINT screen)
    {
        return testing_support::PlaceCursor(screen, [] { OnUi([] {}); });
    }
    static bool PlaceCursor(int32_t x, int32_t y) { return PlaceCursor(POINT{x, y}); }

    // A list box filling the stage with columns of the widths and rows of numbered text.
    ListBoxEx* AddListBox(std::initializer_list<int32_t> widths, int32_t rows)
    {
        ListBoxEx* listBox = ListBoxEx::Create(100, 100);
        EXPECT_NE(nullptr, listBox);
        if (!listBox)
            return nullptr;
        ListBox2* list = static_cast<ListBox2*>(listBox->GetListBox());
        int32_t column = 0;
        for (int32_t width : widths) {
            const std::wstring caption = L"Column " + std::to_wstring(++column);
            list->AddColumn(caption.c_str(), width, 0, true, nullptr, true, false, false, false, false);
        }
        for (int32_t r = 0; r < rows; ++r) {
            const std::wstring name = L"Row " + std::to_wstring(r);
            const std::wstring value = std::to_wstring(r * 7);
            list->AddRow(listtest::TextRow({name.c_str(), value.c_str(), L"more", L"last"}));
        }
        box_->AddChild(listBox);
        return listBox;
    }
    static ListBox2* ListOf(ListBoxEx* listBox) { return static_cast<ListBox2*>(listBox->GetListBox()); }

    // A scroll box filling the stage around a sheet of the size, in bands of colour.
    ScrollBox* AddScrollBox(int32_t width, int32_t height, Box** sheetOut = nullptr)
    {
        ScrollBox* scrollBox = ScrollBox::Create(100, 100);
        EXPECT_NE(nullptr, scrollBox);
        if (!scrollBox)
            return nullptr;
        Box* sheet = Box::Create(IBox::kColumn, -1, -1, 0, 0, 0, 0, 0, 0);
        sheet->SetWidthPixels(width, false);
        sheet->SetHeightPixels(height, false);
        sheet->SetBackgroundColor(250, 250, 250, false);
        const int32_t bands = 6;
        for (int32_t i = 0; i < bands; ++i) {
            Box* band = Box::Create(IBox::kRow, 100, -1, 0, 0, 0, 0, 0, 0);
            band->SetHeightPixels(height / bands, false);
            band->SetBackgroundColor(40 * i, 200 - 30 * i, 120 + 20 * i, false);
            sheet->AddChild(band);
        }
        scrollBox->AddChild(sheet);
        box_->AddChild(scrollBox);
        if (sheetOut)
            *sheetOut = sheet;
        return scrollBox;
    }

    // A point of the part (client coordinates of the bar), found through the bar's drawer.
    static POINT PartPoint(ScrollBar* bar, int32_t part)
    {
        RECT window;
        ::GetWindowRect(bar->GetSafeHwnd(), &window);
        const bool horizontal = bar->IsHorizontal();
        const int32_t length = horizontal ? window.right - window.left : window.bottom - window.top;
        const int32_t across = (horizontal ? window.bottom - window.top : window.right - window.left) / 2;
        ScrollInfo* info = static_cast<ScrollInfo*>(bar->GetScrollInfo());
        int32_t first = -1;
        int32_t last = -1;
        for (int32_t along = 0; along < length; ++along) {
            const POINT screen = horizontal ? POINT{window.left + along, window.top + across}
                                            : POINT{window.left + across, window.top + along};
            const int32_t hit = bar->GetDrawer()->HitTest(screen.x, screen.y, window.left, window.top, window.right,
                                                          window.bottom, horizontal ? 1 : 0, *info->GetRange(),
                                                          *info->GetPage(), *info->GetPosition(), 0);
            if (hit == part) {
                if (first < 0)
                    first = along;
                last = along;
            }
        }
        EXPECT_GE(first, 0) << "no part " << part;
        const int32_t middle = (first + last) / 2;
        return horizontal ? POINT{middle, across} : POINT{across, middle};
    }
    static LPARAM ClientParam(POINT point) { return MAKELPARAM(point.x, point.y); }
    static POINT ToScreen(HWND window, POINT client)
    {
        ::ClientToScreen(window, &client);
        return client;
    }
    // A wheel turn at a screen point: one notch toward (false) or away from (true) the user.
    static void Wheel(HWND target, POINT screen, bool away)
    {
        const WPARAM wParam = MAKEWPARAM(0, static_cast<WORD>(away ? WHEEL_DELTA : -WHEEL_DELTA));
        ::SendMessageW(target, WM_MOUSEWHEEL, wParam, MAKELPARAM(screen.x, screen.y));
    }
    static int32_t Position(ScrollBar* bar) { return *bar->GetScrollInfo()->GetPosition(); }
    static int32_t Largest(ScrollBar* bar)
    {
        return *bar->GetScrollInfo()->GetRange() - *bar->GetScrollInfo()->GetPage();
    }
    static int32_t LineHeight(ScrollBar* bar) { return static_cast<ScrollInfo*>(bar->GetScrollInfo())->GetLineHeight(); }

    static inline s::gui::win::Window* window_ = nullptr;
    static inline Skinner* skinner_ = nullptr;
    Box* box_ = nullptr;
};

} // namespace scrolltest
