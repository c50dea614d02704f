#pragma once
#include <windows.h>

#include <cstdint>

#include <gtest/gtest.h>

#include "images/win/BufferedImage.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/widgets/WidgetStage.h"
#include "windowing/widgets/Image.h"

namespace testing_support {

// A picture of two halves, left and right, as 0xAARRGGBB pixels.
inline s::image::win::BufferedImage* HalvesPicture(int32_t width, int32_t height, COLORREF left, COLORREF right)
{
    s::image::win::BufferedImage* picture = s::image::win::NewBufferedImage(width, height);
    if (!picture)
        return nullptr;
    for (int32_t y = 0; y < height; ++y) {
        uint32_t* row = picture->GetRow(y);
        for (int32_t x = 0; x < width; ++x) {
            const COLORREF c = x < width / 2 ? left : right;
            row[x] = 0xFF000000u | uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | GetBValue(c);
        }
    }
    return picture;
}

// The widget stage with one image widget at a time, given back after the test.
class ImageStage : public WidgetStage {
protected:
    void TearDown() override
    {
        // The Box gives its children back to their pools.
        image_ = nullptr;
        WidgetStage::TearDown();
    }

    s::gui::win::Image* AddImage()
    {
        image_ = s::gui::win::Image::New();
        if (image_)
            Add(image_);
        return image_;
    }

    // Captures the widget's own window until the condition holds on it.
    template <class Condition>
    bool PaintedUntil(Condition condition, ScreenImage* shot = nullptr)
    {
        ScreenImage image;
        const bool held = WaitUntil(
            [&] {
                image_->Redraw();
                return CaptureWindow(image_->GetSafeHwnd(), &image) && condition(image);
            },
            5000);
        if (shot)
            *shot = image;
        return held;
    }

    s::gui::win::Image* image_ = nullptr;
};

} // namespace testing_support
