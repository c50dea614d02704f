#include "skins/skin/Presets.h"

#include "skins/SkinColorSet.h"
#include "skins/skin/Builders.h"
#include "skins/skin/Thin.h"
#include "skins/skin/ThinWindow.h"

namespace s {
namespace gui {
namespace drawer {
namespace skin {

namespace {

// Colours in skin-set order: windowBg, windowFg, compFg, compDisabled, groupBorder, text,
// textOutLineSpecific, sliderBg, listHeaderBg, listHeaderFont, listBg, listFont, listAlternate,
// counter01, counter02.
struct WindowPreset {
    int32_t number;
    const wchar_t* name;
    uint8_t rgb[SkinColorSet::kCount][3];
};

// In the order a "ThinWindow" manager adds them.
const WindowPreset kWindowPresets[] = {
    {3, L"White", {{255, 255, 255}, {68, 68, 68}, {68, 68, 68}, {204, 204, 204}, {68, 68, 68}, {0, 0, 0},
                   {238, 238, 238}, {119, 119, 119}, {119, 119, 119}, {255, 255, 255}, {255, 255, 255}, {0, 0, 0},
                   {238, 238, 238}, {119, 119, 119}, {255, 165, 0}}},
    {2, L"Ivory", {{242, 240, 230}, {0, 0, 0}, {0, 0, 0}, {170, 170, 170}, {0, 0, 0}, {0, 0, 0}, {238, 238, 238},
                   {176, 176, 176}, {176, 176, 176}, {240, 238, 228}, {255, 255, 255}, {0, 0, 0}, {238, 238, 238},
                   {176, 176, 176}, {255, 165, 0}}},
    {1, L"Black", {{51, 51, 51}, {85, 85, 85}, {176, 176, 176}, {85, 85, 85}, {176, 176, 176}, {255, 255, 255},
                   {51, 51, 51}, {153, 153, 153}, {204, 204, 204}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0},
                   {238, 238, 238}, {213, 235, 107}, {255, 165, 0}}},
    {16, L"Black II", {{51, 51, 51}, {85, 85, 85}, {176, 176, 176}, {85, 85, 85}, {176, 176, 176}, {221, 221, 221},
                       {51, 51, 51}, {153, 153, 153}, {204, 204, 204}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0},
                       {238, 238, 238}, {213, 235, 107}, {255, 165, 0}}},
    {17, L"Black Black", {{0, 0, 0}, {51, 51, 51}, {176, 176, 176}, {51, 51, 51}, {176, 176, 176}, {255, 255, 255},
                          {51, 51, 51}, {153, 153, 153}, {204, 204, 204}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0},
                          {238, 238, 238}, {213, 235, 107}, {255, 165, 0}}},
    {18, L"Black Black II", {{0, 0, 0}, {51, 51, 51}, {176, 176, 176}, {51, 51, 51}, {176, 176, 176},
                             {221, 221, 221}, {51, 51, 51}, {153, 153, 153}, {204, 204, 204}, {0, 0, 0},
                             {255, 255, 255}, {0, 0, 0}, {238, 238, 238}, {213, 235, 107}, {255, 165, 0}}},
    {19, L"Classic LG", {{116, 116, 116}, {17, 17, 17}, {17, 17, 17}, {86, 86, 86}, {17, 17, 17}, {255, 255, 255},
                         {51, 51, 51}, {116, 116, 116}, {25, 25, 25}, {255, 255, 255}, {49, 49, 49}, {191, 191, 191},
                         {56, 56, 56}, {195, 234, 0}, {25, 25, 25}}},
    {4, L"Beige", {{236, 233, 216}, {0, 0, 0}, {0, 0, 0}, {170, 170, 170}, {0, 0, 0}, {0, 0, 0}, {238, 238, 238},
                   {168, 162, 128}, {168, 162, 128}, {236, 233, 216}, {255, 255, 255}, {0, 0, 0}, {238, 238, 238},
                   {168, 162, 128}, {255, 165, 0}}},
    {6, L"Sky Blue", {{194, 223, 255}, {87, 133, 255}, {87, 133, 255}, {87, 133, 255}, {87, 133, 255}, {0, 0, 0},
                      {238, 238, 238}, {87, 133, 255}, {87, 133, 255}, {255, 255, 255}, {255, 255, 255}, {0, 0, 0},
                      {238, 238, 238}, {87, 133, 255}, {255, 165, 0}}},
    {8, L"Pink", {{255, 194, 230}, {255, 93, 162}, {255, 93, 162}, {255, 93, 162}, {255, 93, 162}, {0, 0, 0},
                  {238, 238, 238}, {255, 93, 162}, {255, 93, 162}, {255, 255, 255}, {255, 255, 255}, {0, 0, 0},
                  {238, 238, 238}, {255, 48, 92}, {255, 165, 0}}},
    {9, L"Salmon Red", {{255, 48, 92}, {255, 189, 203}, {255, 189, 203}, {255, 189, 203}, {255, 189, 203},
                        {255, 255, 255}, {51, 51, 51}, {255, 189, 203}, {255, 189, 203}, {255, 48, 92},
                        {255, 255, 255}, {0, 0, 0}, {238, 238, 238}, {255, 194, 230}, {255, 165, 0}}},
    {7, L"Yellow", {{252, 255, 91}, {224, 206, 0}, {224, 206, 0}, {224, 206, 0}, {224, 206, 0}, {0, 0, 0},
                    {238, 238, 238}, {224, 206, 0}, {224, 206, 0}, {255, 255, 255}, {255, 255, 255}, {0, 0, 0},
                    {238, 238, 238}, {168, 255, 83}, {255, 165, 0}}},
    {10, L"Green", {{184, 255, 61}, {129, 160, 7}, {129, 160, 7}, {129, 160, 7}, {129, 160, 7}, {0, 0, 0},
                    {238, 238, 238}, {143, 175, 17}, {143, 175, 17}, {255, 255, 255}, {255, 255, 255}, {0, 0, 0},
                    {238, 238, 238}, {143, 175, 17}, {255, 165, 0}}},
    {13, L"Orange", {{255, 207, 61}, {221, 135, 2}, {221, 135, 2}, {221, 135, 2}, {221, 135, 2}, {0, 0, 0},
                     {238, 238, 238}, {221, 135, 2}, {221, 135, 2}, {255, 255, 255}, {255, 255, 255}, {0, 0, 0},
                     {238, 238, 238}, {255, 255, 255}, {255, 165, 0}}},
    {11, L"Khaki", {{62, 92, 0}, {146, 185, 65}, {146, 185, 65}, {146, 185, 65}, {146, 185, 65}, {255, 255, 255},
                    {51, 51, 51}, {221, 135, 2}, {221, 135, 2}, {62, 92, 0}, {255, 255, 255}, {0, 0, 0},
                    {238, 238, 238}, {213, 235, 107}, {255, 165, 0}}},
    {12, L"Indigo", {{49, 0, 130}, {192, 125, 255}, {192, 125, 255}, {192, 125, 255}, {192, 125, 255},
                     {255, 255, 255}, {51, 51, 51}, {195, 158, 255}, {195, 158, 255}, {49, 0, 130}, {255, 255, 255},
                     {0, 0, 0}, {238, 238, 238}, {192, 125, 255}, {255, 165, 0}}},
};

// windowBg, compFg, text, sliderBg, counter01, counter02.
struct ThinPreset {
    int32_t number;
    const wchar_t* name;
    uint8_t rgb[6][3];
};

// In the order a "Thin" manager adds them; the last row is the one it adds by its number.
const ThinPreset kThinPresets[] = {
    {3, L"White", {{255, 255, 255}, {68, 68, 68}, {0, 0, 0}, {119, 119, 119}, {176, 176, 176}, {255, 165, 0}}},
    {2, L"Light Gray", {{240, 238, 228}, {0, 0, 0}, {0, 0, 0}, {176, 176, 176}, {176, 176, 176}, {255, 165, 0}}},
    {1, L"Black", {{51, 51, 51}, {176, 176, 176}, {255, 255, 255}, {176, 176, 176}, {213, 235, 107}, {255, 165, 0}}},
    {4, L"Ivory", {{236, 233, 216}, {0, 0, 0}, {0, 0, 0}, {168, 162, 128}, {168, 162, 128}, {255, 165, 0}}},
    {6, L"Sky Blue", {{255, 255, 255}, {87, 133, 255}, {0, 0, 0}, {87, 133, 255}, {87, 133, 255}, {255, 165, 0}}},
    {8, L"Pink", {{255, 255, 255}, {255, 93, 162}, {0, 0, 0}, {255, 93, 162}, {255, 93, 162}, {255, 165, 0}}},
    {10, L"Green", {{255, 255, 255}, {143, 175, 17}, {0, 51, 0}, {143, 175, 17}, {143, 175, 17}, {255, 165, 0}}},
    {14, L"Green2", {{213, 235, 107}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {255, 165, 0}}},
    {7, L"Yellow", {{255, 255, 255}, {224, 206, 0}, {0, 0, 0}, {224, 206, 0}, {224, 206, 0}, {255, 165, 0}}},
    {13, L"Orange", {{255, 255, 255}, {221, 135, 2}, {0, 0, 0}, {221, 135, 2}, {221, 135, 2}, {255, 165, 0}}},
    {11, L"Khaki", {{62, 92, 0}, {146, 185, 65}, {255, 255, 255}, {221, 135, 2}, {221, 135, 2}, {255, 165, 0}}},
    {12, L"Indigo", {{75, 0, 130}, {192, 125, 255}, {255, 255, 255}, {192, 125, 255}, {192, 125, 255},
                     {255, 165, 0}}},
    {9, L"Salmon Red", {{255, 48, 92}, {255, 189, 203}, {255, 255, 255}, {255, 189, 203}, {255, 189, 203},
                        {255, 165, 0}}},
};

const uint32_t kWindowPresetCount = sizeof(kWindowPresets) / sizeof(kWindowPresets[0]);
const uint32_t kThinPresetCount = sizeof(kThinPresets) / sizeof(kThinPresets[0]);

ThinWindow* BuildWindow(const WindowPreset& preset)
{
    SkinColorSet colors;
    for (uint32_t i = 0; i < SkinColorSet::kCount; ++i)
        colors.Set(i, preset.rgb[i][0], preset.rgb[i][1], preset.rgb[i][2]);
    int32_t values[SkinColorSet::kBuilderValues];
    colors.ToBuilderOrder(values);
    return BuildThinWindow(preset.name, values);
}

Thin* BuildSix(const ThinPreset& preset)
{
    int32_t values[18];
    for (uint32_t i = 0; i < 6; ++i) {
        for (uint32_t c = 0; c < 3; ++c)
            values[i * 3 + c] = preset.rgb[i][c];
    }
    return BuildThin(preset.name, values);
}

} // namespace

ThinWindow* BuildThinWindowPreset(int32_t number)
{
    for (const WindowPreset& preset : kWindowPresets) {
        if (preset.number == number)
            return BuildWindow(preset);
    }
    return nullptr;
}

Thin* BuildThinPreset(int32_t number)
{
    for (const ThinPreset& preset : kThinPresets) {
        if (preset.number == number)
            return BuildSix(preset);
    }
    return nullptr;
}

uint32_t GetThinWindowBuiltInCount()
{
    return kWindowPresetCount;
}

ISkin* BuildThinWindowBuiltIn(uint32_t position)
{
    return position < kWindowPresetCount ? BuildWindow(kWindowPresets[position]) : nullptr;
}

uint32_t GetThinBuiltInCount()
{
    return kThinPresetCount;
}

ISkin* BuildThinBuiltIn(uint32_t position)
{
    return position < kThinPresetCount ? BuildSix(kThinPresets[position]) : nullptr;
}

} // namespace skin
} // namespace drawer
} // namespace gui
} // namespace s
