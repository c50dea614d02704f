#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/Skinner.h"

namespace testing_support {

// The colours a test reads back from the screen; every other colour of the skin is grey. The
// checked button's face and caption (listHeaderBg, listHeaderFont) and the slider's frame and
// thumbs (compFg) differ from each other and from the window, as in a real skin.
struct SkinLook {
    const wchar_t* name;
    COLORREF windowBg;
    COLORREF windowFg;
    COLORREF text;
    COLORREF counter01;
    COLORREF counter02;
    COLORREF compFg;
    COLORREF listHeaderBg;
    COLORREF listHeaderFont;
};

inline const SkinLook kFirst = {L"First",           RGB(16, 40, 120),  RGB(230, 230, 40), RGB(250, 250, 250),
                                RGB(40, 220, 60),   RGB(220, 60, 40),  RGB(150, 170, 200), RGB(60, 90, 170),
                                RGB(255, 255, 160)};
inline const SkinLook kSecond = {L"Second",         RGB(120, 20, 40),  RGB(40, 200, 220), RGB(255, 230, 0),
                                 RGB(30, 120, 250), RGB(250, 160, 20), RGB(200, 150, 160), RGB(170, 60, 80),
                                 RGB(220, 255, 255)};

// Builder order: windowBg 0, windowFg 1, compFg 3, text 5, listHeaderBg 8, listHeaderFont 9,
// counter01 13, counter02 14.
inline void PutColor(int32_t* values, int32_t index, COLORREF color)
{
    values[index * 3] = GetRValue(color);
    values[index * 3 + 1] = GetGValue(color);
    values[index * 3 + 2] = GetBValue(color);
}

inline bool AddSkin(s::gui::drawer::Skinner* skinner, const SkinLook& look)
{
    int32_t values[45];
    for (int32_t& value : values)
        value = 128;
    PutColor(values, 0, look.windowBg);
    PutColor(values, 1, look.windowFg);
    PutColor(values, 3, look.compFg);
    PutColor(values, 5, look.text);
    PutColor(values, 8, look.listHeaderBg);
    PutColor(values, 9, look.listHeaderFont);
    PutColor(values, 13, look.counter01);
    PutColor(values, 14, look.counter02);
    return skinner->AddSkinFromColors(look.name, values);
}

} // namespace testing_support
