// One relayout of a monitor-sized tree (30 rows, each a Box of three child windows) against a
// baseline of one SetWindowPos per child window in the same run, both on the window's own thread
// as a real refresh runs, with the number of native moves of one pass.
#include "BenchClock.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "windowing/Window.h"
#include "windowing/box/Box.h"

using s::gui::IBox;
using s::gui::win::Box;
using s::gui::win::Window;

namespace {

const int kRows = 30;
const int kCellsPerRow = 3;
const int kRounds = 20;

// Native moves seen on the window's thread while a hook is in place.
long gMoves = 0;

LRESULT CALLBACK CountMoves(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call && call->message == WM_WINDOWPOSCHANGING)
        ++gMoves;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Runs work on the window's thread: the listener of a user event does it.
class Runner : public s::gui::events::IEventListener {
public:
    std::function<void()> work;
    void OnEvent(s::base::IObject*, int32_t) override
    {
        if (work)
            work();
    }
};

Box* Cell(int32_t width)
{
    Box* cell = Box::Create(IBox::kColumn, -1, -1, 0, 0, 0, 0, 0, 0);
    cell->SetWidthPixels(width, false);
    cell->SetHeightPixels(14, false);
    return cell;
}

} // namespace

int main()
{
    Window* window = Window::New();
    if (!window || !window->IsReady()) {
        std::printf("no window\n");
        return 1;
    }
    window->SetBounds(0, 0, 320, 700);
    std::vector<HWND> natives;
    for (int row = 0; row < kRows; ++row) {
        Box* line = Box::Create(IBox::kRow, 100, -1, 0, 1, 4, 0, 2, 1);
        for (int cell = 0; cell < kCellsPerRow; ++cell)
            line->AddChild(Cell(cell == 1 ? 120 : 60));
        window->AddChild(line);
        natives.push_back(line->m_hWnd);
        for (int cell = 0; cell < kCellsPerRow; ++cell)
            natives.push_back(static_cast<Box*>(line->GetChildAt(cell))->m_hWnd);
    }

    Runner runner;
    window->AddUserEventListener(&runner);
    double layoutSeconds = 0;
    double baselineSeconds = 0;
    long movesPerPass = 0;
    runner.work = [&] {
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &CountMoves, nullptr, GetCurrentThreadId());
        gMoves = 0;
        window->DoLayout();
        movesPerPass = gMoves;
        UnhookWindowsHookEx(hook);
        layoutSeconds = Best([&] { window->DoLayout(); }, kRounds);
        // The least any relayout must do: every window moved once.
        baselineSeconds = Best(
            [&] {
                int y = 0;
                for (HWND native : natives) {
                    SetWindowPos(native, nullptr, 0, y, 60, 14, SWP_NOZORDER | SWP_NOACTIVATE);
                    y = (y + 1) % 7;
                }
            },
            kRounds);
    };
    window->SendEvent(0, 0, 0, 0);

    std::printf("relayout of %d rows x %d cells: %.1f us; baseline of %zu SetWindowPos: %.1f us; ratio %.2f\n", kRows,
                kCellsPerRow, layoutSeconds * 1e6, natives.size(), baselineSeconds * 1e6,
                baselineSeconds > 0 ? layoutSeconds / baselineSeconds : 0.0);
    std::printf("native moves per pass: %ld for %zu windows\n", movesPerPass, natives.size());
    window->ReleaseToPool();
    return 0;
}
