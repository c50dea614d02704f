#pragma once
// What the benches that paint toolkit windows share: a skin of greys, and work run on a window's
// own thread, where its widgets live.
#include <windows.h>

#include <cstdint>
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

// Runs the work on the window's thread and waits for it.
inline void RunOn(s::gui::win::Window* window, const std::function<void()>& work)
{
    SendMessageW(window->GetSafeHwnd(), s::gui::msg::kRunOnOwnThread, reinterpret_cast<WPARAM>(&work),
                 s::gui::win::ProcessKey());
}
