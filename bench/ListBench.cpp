// The report list against a native list-view in the same run, on the same thread, of the same
// size: filled with the same texts (LVM_INSERTITEMW and LVM_SETITEMW), sorted on the same keys
// (LVM_SORTITEMS, case ignored) and painted whole, for 10,000 and 100,000 rows. Then icon cells:
// 10,000 cells of 50 file types painted from the list's icon cache against one SHGetFileInfoW
// call per cell. On a display (xvfb-run).
#include "BenchClock.h"
#include "BenchRows.h"
#include "BenchWindow.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/str/StrBuffer.h"
#include "lists/ListBox2.h"
#include "lists/listbox2/CellFormatters.h"
#include "lists/listbox2/DataType.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"
#include "windowing/box/Box.h"

using s::gui::listbox2::Record;
using s::gui::listbox2::SubRecord;
using s::gui::win::Box;
using s::gui::win::ListBox2;
using s::gui::win::Window;
using s::str::strbuffer::StrBuffer;

namespace {

const int32_t kWidth = 600;
const int32_t kHeight = 400;
const int kPaints = 20;
const int kIconCells = 10000;
const int kFileTypes = 50;

void Report(const char* what, int rows, double ours, double baseline)
{
    std::printf("%-34s %7d rows: %9.2f ms, native list-view %9.2f ms, ratio %.2f\n", what, rows, ours * 1e3,
                baseline * 1e3, ours / baseline);
    std::fflush(stdout);
}

// Texts of a scrambled order, so that sorting moves nearly every row.
std::vector<std::wstring> Texts(int count, int column)
{
    std::vector<std::wstring> texts(static_cast<size_t>(count));
    wchar_t buffer[48];
    for (int i = 0; i < count; ++i) {
        const uint32_t key = (static_cast<uint32_t>(i) * 2654435761u) % 1000003u;
        swprintf(buffer, 48, column == 0 ? L"Entry %07u" : L"%u KB", key, i);
        texts[static_cast<size_t>(i)] = buffer;
    }
    return texts;
}

// A native list-view of the same size, columns and font, in a window of its own on this thread.
HWND MakeNativeList(HWND* frame)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PulsegridListBench";
    RegisterClassExW(&windowClass);
    *frame = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"native", WS_POPUP | WS_VISIBLE, 40, 500,
                             kWidth, kHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS,
                                0, 0, kWidth, kHeight, *frame, nullptr, windowClass.hInstance, nullptr);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_HEADERDRAGDROP);
    const wchar_t* captions[] = {L"Name", L"Size"};
    for (int c = 0; c < 2; ++c) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = c == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        column.cx = c == 0 ? 200 : 100;
        column.pszText = const_cast<wchar_t*>(captions[c]);
        SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    return list;
}

const std::vector<std::wstring>* sortTexts = nullptr;

int CALLBACK CompareNative(LPARAM a, LPARAM b, LPARAM)
{
    return lstrcmpiW((*sortTexts)[static_cast<size_t>(a)].c_str(), (*sortTexts)[static_cast<size_t>(b)].c_str());
}

void FillNative(HWND list, const std::vector<std::wstring>& names, const std::vector<std::wstring>& sizes)
{
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (size_t i = 0; i < names.size(); ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<wchar_t*>(names[i].c_str());
        item.lParam = static_cast<LPARAM>(i);
        const int at = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        LVITEMW sub = {};
        sub.mask = LVIF_TEXT;
        sub.iItem = at;
        sub.iSubItem = 1;
        sub.pszText = const_cast<wchar_t*>(sizes[i].c_str());
        SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&sub));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

void CompareLists(Window* window, ListBox2* ours, HWND native, int rows)
{
    const std::vector<std::wstring> names = Texts(rows, 0);
    const std::vector<std::wstring> sizes = Texts(rows, 1);
    HWND own = ours->GetSafeHwnd();
    const int rounds = rows > 20000 ? 2 : 4;

    // Filling: the records are made and shown, as a dialog does it; the native side inserts.
    double fill = 1e30;
    double sort = 1e30;
    double paint = 1e30;
    for (int round = 0; round < rounds; ++round) {
        RunOn(window, [&] {
            ours->SetUpdating(true);
            const double start = Now();
            for (int i = 0; i < rows; ++i)
                ours->AddRow(TextRecord(names[static_cast<size_t>(i)], sizes[static_cast<size_t>(i)]));
            ours->SetUpdating(false);
            fill = std::min(fill, Now() - start);
            const double sortStart = Now();
            ours->GetModel()->ToggleSortColumn(0);
            ours->Sort();
            sort = std::min(sort, Now() - sortStart);
            UpdateWindow(own);
            const double paintStart = Now();
            for (int i = 0; i < kPaints; ++i)
                RedrawWindow(own, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            GdiFlush();
            paint = std::min(paint, Now() - paintStart);
            // Row by row with redrawing on, the list-view would spend seconds on its own updates.
            ours->SetUpdating(true);
            ours->RemoveAndReleaseAllRows();
            ours->SetUpdating(false);
        });
    }
    double nativeFill = 1e30;
    double nativeSort = 1e30;
    double nativePaint = 1e30;
    sortTexts = &names;
    for (int round = 0; round < rounds; ++round) {
        const double start = Now();
        FillNative(native, names, sizes);
        nativeFill = std::min(nativeFill, Now() - start);
        const double sortStart = Now();
        SendMessageW(native, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&CompareNative));
        nativeSort = std::min(nativeSort, Now() - sortStart);
        UpdateWindow(native);
        const double paintStart = Now();
        for (int i = 0; i < kPaints; ++i)
            RedrawWindow(native, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        GdiFlush();
        nativePaint = std::min(nativePaint, Now() - paintStart);
        SendMessageW(native, LVM_DELETEALLITEMS, 0, 0);
    }
    Report("fill", rows, fill, nativeFill);
    Report("sort by name", rows, sort, nativeSort);
    Report("paint whole list x20", rows, paint, nativePaint);
}

// File names of 50 types in turn, in mixed case.
std::vector<std::wstring> IconPaths()
{
    std::vector<std::wstring> paths;
    wchar_t buffer[64];
    for (int i = 0; i < kIconCells; ++i) {
        swprintf(buffer, 64, i % 2 ? L"C:\\data\\file%d.T%02d" : L"C:\\data\\file%d.t%02d", i, i % kFileTypes);
        paths.push_back(buffer);
    }
    return paths;
}

void CompareIconCells(Window* window, ListBox2* ours)
{
    const std::vector<std::wstring> paths = IconPaths();
    const int perPage = 20;
    double cells = 1e30;
    RunOn(window, [&] {
        ours->SetUpdating(true);
        for (const std::wstring& path : paths) {
            Record* record = TextRecord(path, L"");
            SubRecord* cell = record->GetCell(0);
            cell->iconSource = StrBuffer::FromText(path.c_str());
            cell->iconFromShell = 1;
            ours->AddRow(record);
        }
        ours->SetUpdating(false);
        // Every row painted once: page by page, each row's cells through the cache.
        cells = Best(
            [&] {
                for (int top = 0; top < kIconCells; top += perPage) {
                    for (int row = top; row < top + perPage && row < kIconCells; ++row)
                        ours->RepaintRow(row, false);
                }
                GdiFlush();
            },
            2);
        ours->SetUpdating(true);
        ours->RemoveAndReleaseAllRows();
        ours->SetUpdating(false);
    });
    // The baseline asks the shell once per cell, the least a list without a cache would do.
    const double shell = Best(
        [&] {
            for (const std::wstring& path : paths) {
                SHFILEINFOW info = {};
                SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info),
                               SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | SHGFI_SMALLICON);
            }
        },
        3);
    std::printf("%-34s %7d cells: %9.2f ms, one SHGetFileInfoW per cell %9.2f ms, ratio %.2f\n",
                "paint rows of an icon cell, 50 types", kIconCells, cells * 1e3, shell * 1e3, cells / shell);
}

} // namespace

int main(int argc, char** argv)
{
    // "--small": only the 10,000 rows and the icon cells; "--icons": only the icon cells.
    const std::string option = argc > 1 ? argv[1] : "";
    const bool small = option == "--small";
    const bool iconsOnly = option == "--icons";
    // Side by side, the native list-view below them: nothing covers a list that is painted.
    Window* window = NewShownWindow(40, 40, 2 * kWidth + 40, kHeight + 40);
    if (!window)
        return 1;
    Box* box = Box::Create(0, 100, 100, 0, 0, 0, 0, 0, 0);
    window->AddChild(box);
    ListBox2* lists[2] = {};
    for (int i = 0; i < 2; ++i) {
        ListBox2* made = ListBox2::New();
        made->SetFixedWidth(kWidth);
        made->SetFixedHeight(kHeight);
        made->SetMultiSelect(false);
        // The second list's first column shows the shell's icons.
        made->AddColumn(L"Name", 200, 0, true, &s::gui::listbox2::CompareTextCells, true, i == 1, false, false,
                        false);
        made->AddColumn(L"Size", 100, 2, false, nullptr, true, false, false, false, false);
        box->AddChild(made);
        lists[i] = made;
    }
    ListBox2* list = lists[0];
    RunOn(window, [&] {
        lists[0]->SetBounds(0, 0, kWidth, kHeight);
        lists[1]->SetBounds(kWidth + 10, 0, kWidth, kHeight);
    });

    HWND frame = nullptr;
    HWND native = MakeNativeList(&frame);
    SendMessageW(native, WM_SETFONT, static_cast<WPARAM>(SendMessageW(list->GetSafeHwnd(), WM_GETFONT, 0, 0)),
                 FALSE);
    for (int rows : {10000, 100000}) {
        if (!iconsOnly && (!small || rows == 10000))
            CompareLists(window, list, native, rows);
    }
    CompareIconCells(window, lists[1]);

    DestroyWindow(frame);
    window->ReleaseToPool();
    return 0;
}
