#pragma once
#include <windows.h>

#include "skins/drawer/IWindow.h"

namespace testing_support {

// A window drawer of the tests' own: fills what it is asked to draw with one colour (or, with
// stripes, 10-pixel columns of that colour and white), gives a region with rounded corners, and
// counts both.
class TestWindowDrawer : public s::gui::drawer::IWindow {
public:
    explicit TestWindowDrawer(COLORREF color) : color_(color) {}

    bool stripes = false;
    int frames = 0;
    int regions = 0;
    RECT lastRegionRect = {};

    const wchar_t* GetClassName() override { return L"testing_support_TestWindowDrawer"; }
    s::base::IObject* NewInstance() override { return nullptr; }
    void ReleaseToPool() override {}
    void Reset() override {}

    void DrawFrame(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom) override
    {
        ++frames;
        if (!stripes) {
            dc->FillSolidRect(RECT{left, top, right, bottom}, color_);
            return;
        }
        for (int32_t x = left; x < right; x += 10)
            dc->FillSolidRect(RECT{x, top, x + 10 < right ? x + 10 : right, bottom}, StripeAt(x - left));
    }
    HRGN CreateRegion(int32_t left, int32_t top, int32_t right, int32_t bottom) override
    {
        ++regions;
        lastRegionRect = RECT{left, top, right, bottom};
        return CreateRoundRectRgn(left, top, right + 1, bottom + 1, 11, 11);
    }
    // The colour the stripes give a column of the drawn rectangle.
    COLORREF StripeAt(int32_t x) const { return (x / 10) % 2 == 0 ? color_ : RGB(255, 255, 255); }

    COLORREF GetBackgroundColor() override { return color_; }
    uint8_t GetBackgroundRed() override { return GetRValue(color_); }
    uint8_t GetBackgroundGreen() override { return GetGValue(color_); }
    uint8_t GetBackgroundBlue() override { return GetBValue(color_); }
    void SetBackgroundColor(int32_t red, int32_t green, int32_t blue) override { color_ = RGB(red, green, blue); }
    uint8_t GetForegroundRed() override { return 0; }
    uint8_t GetForegroundGreen() override { return 0; }
    uint8_t GetForegroundBlue() override { return 0; }
    void SetForegroundColor(int32_t, int32_t, int32_t) override {}
    void SetTopCornerStyle(int32_t) override {}
    void SetBottomCornerStyle(int32_t) override {}

private:
    COLORREF color_;
};

} // namespace testing_support
