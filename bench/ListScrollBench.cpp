// Scrolling a list box of 100,000 rows by wheel steps (through its owner-drawn bar) against
// LVM_SCROLL by the same pixels on a plain list-view of as many rows, each step painted at once on
// both sides. The plain list-view keeps its rows as owner data: inserted one by one into a shown
// list-view, 100,000 items keep Wine busy for far longer than the run. The list box runs on its
// window's thread, the plain list-view on this one, which pumps its messages. On a display
// (xvfb-run).
#include "BenchClock.h"
#include "BenchRows.h"
#include "BenchWindow.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "lists/ListBox2.h"
#include "lists/ListBoxEx.h"
#include "windowing/box/Box.h"

using s::gui::win::Box;
using s::gui::win::ListBox2;
using s::gui::win::ListBoxEx;
using s::gui::win::Window;

namespace {

const int32_t kRows = 100000;
const int32_t kSteps = 300;
const int32_t kWidth = 400;
const int32_t kHeight = 300;

// Every message this thread has waiting, so that nothing queued is paid for inside a round.
void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::wstring RowText(int32_t row, int32_t column)
{
    return column == 0 ? L"Entry " + std::to_wstring(row) : std::to_wstring(row * 7) + L" KB";
}

// The plain list-view's frame answers its text requests from the row number.
LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        NMLVDISPINFOW* info = reinterpret_cast<NMLVDISPINFOW*>(lParam);
        if (info->hdr.code == LVN_GETDISPINFOW && (info->item.mask & LVIF_TEXT)) {
            const std::wstring text = RowText(info->item.iItem, info->item.iSubItem);
            lstrcpynW(info->item.pszText, text.c_str(), info->item.cchTextMax);
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakePlainList(HWND* frame, HFONT font)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &FrameProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PulsegridListScrollBench";
    RegisterClassExW(&windowClass);
    *frame = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"plain", WS_POPUP | WS_VISIBLE,
                             kWidth + 80, 40, kWidth, kHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_OWNERDATA,
                                0, 0, kWidth, kHeight, *frame, nullptr, windowClass.hInstance, nullptr);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const wchar_t* captions[] = {L"Name", L"Size"};
    for (int32_t c = 0; c < 2; ++c) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = c == 0 ? 200 : 120;
        column.pszText = const_cast<wchar_t*>(captions[c]);
        SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    SendMessageW(list, LVM_SETITEMCOUNT, kRows, 0);
    UpdateWindow(*frame);
    return list;
}

// Each step painted at once, the other window's children too (the list box's bar).
void PaintNow(HWND frame)
{
    RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

int32_t TopRow(HWND list)
{
    return static_cast<int32_t>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
}

} // namespace

int main()
{
    s::gui::drawer::Skinner* skinner = NewBenchSkinner();
    if (!skinner) {
        std::printf("no skin\n");
        return 1;
    }
    Window* window = NewShownWindow(40, 40, kWidth, kHeight, skinner);
    if (!window)
        return 1;
    Box* column = Box::Create(s::gui::IBox::kColumn, 100, 100, 0, 0, 0, 0, 0, 0);
    window->AddChild(column);
    ListBoxEx* listBox = ListBoxEx::Create(100, 100);
    if (!listBox) {
        std::printf("no list box\n");
        return 1;
    }
    ListBox2* list = static_cast<ListBox2*>(listBox->GetListBox());
    list->AddColumn(L"Name", 200, 0, false, nullptr, true, false, false, false, false);
    list->AddColumn(L"Size", 120, 0, false, nullptr, true, false, false, false, false);
    // Rows added before the native window exist only in the model; the window then takes them
    // in one pass. Added to a shown list box, each row would also measure the bars again.
    const double fillStart = Now();
    for (int32_t r = 0; r < kRows; ++r)
        list->AddRow(TextRecord(RowText(r, 0), RowText(r, 1)));
    column->AddChild(listBox);
    std::printf("list box of %d rows made and shown in %.2f s\n", kRows, Now() - fillStart);
    std::fflush(stdout);

    HWND own = list->GetSafeHwnd();
    HWND frame = window->GetSafeHwnd();
    RECT bounds;
    GetWindowRect(own, &bounds);
    const LPARAM centre = MAKELPARAM((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    const WPARAM down = MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA));
    const WPARAM up = MAKEWPARAM(0, static_cast<WORD>(WHEEL_DELTA));
    int32_t ownTop = 0;
    double ours = 1e30;
    RunOn(window, [&] {
        PaintNow(frame);
        ours = Best(
            [&] {
                for (int32_t i = 0; i < kSteps; ++i) {
                    SendMessageW(own, WM_MOUSEWHEEL, down, centre);
                    PaintNow(frame);
                }
                ownTop = TopRow(own);
                for (int32_t i = 0; i < kSteps; ++i) {
                    SendMessageW(own, WM_MOUSEWHEEL, up, centre);
                    PaintNow(frame);
                }
            },
            3);
    });

    HWND plainFrame = nullptr;
    HWND plain = MakePlainList(&plainFrame, reinterpret_cast<HFONT>(SendMessageW(own, WM_GETFONT, 0, 0)));
    Pump();
    // The list box's wheel step in pixels; both sides move by whole rows, the top rows printed
    // show that they moved alike.
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int32_t pixels = 15 * static_cast<int32_t>(lines);
    int32_t plainTop = 0;
    const double theirs = Best(
        [&] {
            for (int32_t i = 0; i < kSteps; ++i) {
                SendMessageW(plain, LVM_SCROLL, 0, pixels);
                PaintNow(plainFrame);
            }
            plainTop = TopRow(plain);
            for (int32_t i = 0; i < kSteps; ++i) {
                SendMessageW(plain, LVM_SCROLL, 0, -pixels);
                PaintNow(plainFrame);
            }
        },
        3);
    std::printf("%d rows, %d wheel steps down and up: list box %.1f us per step (top row %d after the way down), "
                "LVM_SCROLL on a plain list-view %.1f us per step (top row %d), ratio %.2f\n",
                kRows, kSteps, ours / (2 * kSteps) * 1e6, ownTop, theirs / (2 * kSteps) * 1e6, plainTop,
                ours / theirs);
    DestroyWindow(plainFrame);
    window->ReleaseToPool();
    skinner->ReleaseToPool();
    return 0;
}
