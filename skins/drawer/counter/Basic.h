#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/counter/IBasic.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace counter {
namespace win {

// A counter gauge's colours: a transparent or coloured background and the two series.
class Basic : public PooledDrawer<Basic, IBasic> {
public:
    Basic();

    const wchar_t* GetClassName() override;
    void Reset() override;

    void SetBackgroundColor(int32_t red, int32_t green, int32_t blue) override;
    uint8_t GetFirstColorRed() override { return RedOf(first_); }
    uint8_t GetFirstColorGreen() override { return GreenOf(first_); }
    uint8_t GetFirstColorBlue() override { return BlueOf(first_); }
    void SetFirstColor(int32_t red, int32_t green, int32_t blue) override { first_ = ComposeColor(red, green, blue); }
    uint8_t GetSecondColorRed() override { return RedOf(second_); }
    uint8_t GetSecondColorGreen() override { return GreenOf(second_); }
    uint8_t GetSecondColorBlue() override { return BlueOf(second_); }
    void SetSecondColor(int32_t red, int32_t green, int32_t blue) override { second_ = ComposeColor(red, green, blue); }
    // BasicGraph.cpp.
    void DrawGraph(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t mode,
                   gui::counter::CounterData* first, gui::counter::CounterData* second, bool swap) override;

    bool IsBackgroundTransparent() const { return backgroundTransparent_ != 0; }
    COLORREF GetBackgroundColor() const { return background_; }
    COLORREF GetFirstColor() const { return first_; }
    COLORREF GetSecondColor() const { return second_; }

private:
    Basic(const Basic&) = delete;
    Basic& operator=(const Basic&) = delete;

    uint8_t backgroundTransparent_;
    COLORREF background_;
    COLORREF first_;
    COLORREF second_;
};

} // namespace win
} // namespace counter
} // namespace drawer
} // namespace gui
} // namespace s
