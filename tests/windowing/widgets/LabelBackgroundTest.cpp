// A value label over a buffered parent: while its background is inherited it shows what the
// parent painted under it, copied from the parent's image; with a colour of its own it is filled.
#include <windows.h>

#include <cstdint>

#include <gtest/gtest.h>

#include "images/win/BufferedImage.h"
#include "mfc/PaintDC.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/box/Box.h"
#include "windowing/paint/MemDC.h"
#include "windowing/widgets/Label.h"
#include "windowing/widgets/WidgetStage.h"

namespace {

using s::gui::win::Label;
using s::gui::win::MemDC;
using s::image::win::BufferedImage;

const int32_t kStripe = 6;
const COLORREF kStripeColors[2] = {RGB(30, 90, 160), RGB(240, 200, 40)};

COLORREF StripeAt(int32_t x)
{
    return kStripeColors[(x / kStripe) % 2];
}

// A Box that paints from an image of its own and offers it to its children as their back
// buffer, as the buffered containers do: vertical stripes that no fill could imitate.
class BufferedBox : public s::gui::win::Box {
public:
    BufferedBox() : image_(BufferedImage::New())
    {
        if (!image_ || !image_->Create(kWidth, kHeight))
            return;
        MemDC* memory = MemDC::Create(nullptr, image_, false);
        if (!memory)
            return;
        for (int32_t x = 0; x < kWidth; x += kStripe)
            memory->FillSolidRect(x, 0, kStripe, kHeight, StripeAt(x));
        memory->ReleaseToPool();
    }
    ~BufferedBox() override
    {
        Reset();
        if (image_)
            image_->ReleaseToPool();
    }
    // Not a plain Box: it never joins the Box pool.
    void ReleaseToPool() override { delete this; }

    BufferedImage* GetBackBuffer(int32_t*, int32_t*) override { return image_; }

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ERASEBKGND) {
            *result = 1;
            return true;
        }
        if (message == WM_PAINT && image_) {
            CPaintDC dc(this);
            MemDC* memory = MemDC::Create(this, image_, false);
            if (memory) {
                dc.BitBlt(0, 0, kWidth, kHeight, memory, 0, 0, SRCCOPY);
                memory->ReleaseToPool();
            }
            *result = 0;
            return true;
        }
        return Box::HandleMessage(result, message, wParam, lParam);
    }

private:
    static const int32_t kWidth = 800;
    static const int32_t kHeight = 600;
    BufferedImage* image_;
};

class LabelBackgroundTest : public testing_support::WidgetStage {};

TEST_F(LabelBackgroundTest, AnInheritedBackgroundIsCopiedFromTheParentsImage)
{
    BufferedBox* panel = new BufferedBox();
    panel->SetHorizontal();
    panel->SetHAlignCenter();
    panel->SetVAlignCenter();
    panel->SetFullSize();
    Add(panel);
    Label* value = Label::New();
    ASSERT_NE(nullptr, value);
    value->SetFontPreset(-103);
    value->GetFont()->SetColor(255, 255, 255);
    value->SetText(L"73.5 % & rising", false);
    panel->AddChild(value);
    panel->DoLayout();
    HWND label = value->GetSafeHwnd();
    ASSERT_TRUE(IsWindowVisible(label));
    RedrawWindow(panel->GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    // The label's left edge in the panel's client area decides which stripe lies under it.
    POINT origin = {0, 0};
    MapWindowPoints(label, panel->GetSafeHwnd(), &origin, 1);
    testing_support::ScreenImage shown;
    ASSERT_TRUE(testing_support::CaptureWindow(label, &shown));
    ASSERT_GT(shown.width, 2 * kStripe);
    testing_support::ScreenImage whole;
    ASSERT_TRUE(testing_support::CaptureWindow(window_->GetSafeHwnd(), &whole));
    testing_support::SaveScreenshot(whole, L"LabelOverBufferedParent");
    // The top row holds no text: every pixel is the stripe under it.
    for (int32_t x = 0; x < shown.width; ++x)
        ASSERT_EQ(StripeAt(origin.x + x), shown.At(x, 0)) << "at x " << x;

    value->SetBackgroundColor(120, 0, 120, true);
    ASSERT_TRUE(testing_support::CaptureWindow(label, &shown));
    for (int32_t x = 0; x < shown.width; ++x)
        ASSERT_EQ(RGB(120, 0, 120), shown.At(x, 0)) << "at x " << x;
    ASSERT_TRUE(testing_support::CaptureWindow(window_->GetSafeHwnd(), &whole));
    testing_support::SaveScreenshot(whole, L"LabelWithOwnBackground");
}

} // namespace
