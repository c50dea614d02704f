#pragma once
// What the benches that paint toolkit windows share: a skin of greys, and work run on a window's
// own thread, where its widgets live.
#include <windows.h>

#include "BenchClock.h"

#include <cstdint>
#include <cstdio>
#include <functional>

#include "skins/Skinner.h"
#include "windowing/Messages.h"
#include "windowing/ProcessKey.h"
#include "windowing/Window.h"

// A skin manager of the fifteen-colour kind holding one skin, every colour a grey but the
// window's; null when it could not be made.
inline s::gui::drawer::Skinner* NewBenchSkinner()
{
    s::gui::drawer::Skinner* skinner = s::gui::drawer::Skinner::New();
    if (!skinner)
        return nullptr;
    skinner->SetDrawerType(L"ThinWindow");
    int32_t values[45];
    for (int32_t& value : values)
        value = 128;
    values[0] = 20;
    values[1] = 40;
    values[2] = 120;
    if (!skinner->AddSkinFromColors(L"Bench", values)) {
        skinner->ReleaseToPool();
        return nullptr;
    }
    skinner->SelectSkinAt(0);
    return skinner;
}

// A window shown at the bounds, skinned when a skin manager is given; null, after saying so, when
// none could be made.
inline s::gui::win::Window* NewShownWindow(int32_t x, int32_t y, int32_t width, int32_t height,
                                           s::gui::drawer::Skinner* skinner = nullptr)
{
    s::gui::win::Window* window = s::gui::win::Window::New();
    if (!window || !window->IsReady()) {
        std::printf("no window\n");
        return nullptr;
    }
    if (skinner)
        window->SetSkinner(skinner);
    window->SetBounds(x, y, width, height);
    window->SetVisible(true);
    return window;
}

// The best time of repeats BitBlts of the whole client area of a window from a memory context:
// what a paint of the same size cannot go below.
inline double BlitSeconds(HWND area, int32_t repeats)
{
    RECT client;
    GetClientRect(area, &client);
    HDC screen = GetDC(area);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const double seconds = Best([&] {
        for (int32_t i = 0; i < repeats; ++i)
            BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    });
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(area, screen);
    return seconds;
}

// Runs the work on the window's thread and waits for it.
inline void RunOn(s::gui::win::Window* window, const std::function<void()>& work)
{
    SendMessageW(window->GetSafeHwnd(), s::gui::msg::kRunOnOwnThread, reinterpret_cast<WPARAM>(&work),
                 s::gui::win::ProcessKey());
}
