// The hottest path of the user interface: a value label's text change sent from a worker thread
// (carried to the window's thread, measured and painted) against a bare SendMessageW round trip
// to the same window thread; and one paint of the label against one BitBlt of its size.
#include "BenchClock.h"
#include "BenchWindow.h"

#include <cstdint>
#include <cstdio>

#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/Label.h"

using s::gui::win::Box;
using s::gui::win::Label;
using s::gui::win::Window;

namespace {

const int32_t kChanges = 2000;

} // namespace

int main()
{
    Window* window = NewShownWindow(40, 40, 300, 120);
    if (!window)
        return 1;
    Box* row = Box::Create(0, 100, 100, 0, 0, 0, 0, 0, 0);
    window->AddChild(row);
    Label* value = Label::New();
    value->SetFontPreset(-103);
    value->SetText(L"0 %", false);
    row->AddChild(value);
    HWND label = value->GetSafeHwnd();

    wchar_t text[32];
    // Two texts of one width, so that the layout stays and only measuring and painting remain.
    const double change = Best([&] {
        for (int32_t i = 0; i < kChanges; ++i) {
            swprintf(text, 32, L"%d %%", 10 + (i % 2) * 10);
            value->SetText(text, true);
        }
    });
    const double roundTrip = Best([&] {
        for (int32_t i = 0; i < kChanges; ++i)
            SendMessageW(label, WM_NULL, 0, 0);
    });
    std::printf("label text change from a worker: %.2f us, bare SendMessageW: %.2f us, ratio %.1f\n",
                change / kChanges * 1e6, roundTrip / kChanges * 1e6, change / roundTrip);

    const double paint = Best([&] {
        for (int32_t i = 0; i < kChanges; ++i)
            RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    });
    const double blit = BlitSeconds(label, kChanges);
    RECT client;
    GetClientRect(label, &client);
    std::printf("label paint (%ld x %ld): %.2f us, one BitBlt of its size: %.2f us, ratio %.1f\n", client.right,
                client.bottom, paint / kChanges * 1e6, blit / kChanges * 1e6, paint / blit);
    window->ReleaseToPool();
    return 0;
}
