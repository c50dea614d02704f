// The group box's own look: where its one-pixel frame and rounded corners fall, and a frame
// without room.
#include <windows.h>

#include <gtest/gtest.h>

#include "images/win/BufferedImage.h"
#include "windowing/drawer/groupbox/Basic.h"
#include "windowing/paint/MemDC.h"

namespace {

using s::gui::drawer::groupbox::win::Basic;
using s::gui::win::MemDC;
using s::image::win::BufferedImage;

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kFrame = RGB(0xD0, 0xD0, 0xBF);

class BasicGroupBoxDrawer : public testing::Test {
protected:
    void SetUp() override
    {
        image_ = s::image::win::NewBufferedImage(kWidth, kHeight);
        ASSERT_NE(nullptr, image_);
        memory_ = MemDC::Create(nullptr, image_, true);
        ASSERT_NE(nullptr, memory_);
        memory_->FillSolidRect(0, 0, kWidth, kHeight, kWhite);
        drawer_ = Basic::New();
        ASSERT_NE(nullptr, drawer_);
    }
    void TearDown() override
    {
        if (drawer_)
            drawer_->ReleaseToPool();
        if (memory_)
            memory_->ReleaseToPool();
    }

    bool IsFrame(int x, int y) { return GetPixel(memory_->GetSafeHdc(), x, y) == kFrame; }

    static constexpr int kWidth = 60;
    static constexpr int kHeight = 40;
    BufferedImage* image_ = nullptr;
    MemDC* memory_ = nullptr;
    Basic* drawer_ = nullptr;
};

TEST_F(BasicGroupBoxDrawer, TheFrameRunsOnePixelWideWithRoundedCornersAndAGapForTheCaption)
{
    EXPECT_EQ(0xBFD0D0u, static_cast<unsigned>(kFrame));
    // A 10-wide caption: the top edge leaves 9 + 10 + 2 pixels open after its first piece.
    const int top = 6;
    drawer_->Draw(memory_, 0, top, kWidth, kHeight, nullptr, nullptr, 10, 13);
    struct Pixel {
        int x;
        int y;
        bool frame;
    };
    const Pixel pixels[] = {
        {2, top, true},           {6, top, true},           {7, top, false},         // before the caption
        {20, top, false},         {21, top, true},          {kWidth - 3, top, true}, // after it
        {kWidth - 2, top, false},                                                     // the corner cut
        {0, top + 2, true},       {0, kHeight - 3, true},   {0, top + 1, false},     // left side
        {kWidth - 1, top + 2, true}, {kWidth - 1, top + 1, false},                     // right side
        {2, kHeight - 1, true},   {kWidth - 3, kHeight - 1, true}, {1, kHeight - 1, false},
        {1, top + 1, true},       {2, top + 1, true},       {1, top + 2, true},      // rounded corners
        {kWidth - 3, top + 1, true}, {kWidth - 2, top + 1, true}, {kWidth - 2, top + 2, true},
        {1, kHeight - 2, true},   {2, kHeight - 2, true},   {1, kHeight - 3, true},
        {kWidth - 2, kHeight - 3, true},
        {1, top + 3, false},      {30, 20, false},          {0, 0, false},           // inside, above
        {0, top + 1 - 1, false},
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(p.frame, IsFrame(p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(BasicGroupBoxDrawer, AnEmptyRectangleDrawsNothingAndTheColourIsKept)
{
    drawer_->Draw(memory_, 10, 10, 10, 30, nullptr, nullptr, 0, 0);
    drawer_->Draw(memory_, 10, 30, 40, 30, nullptr, nullptr, 0, 0);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(kWhite, GetPixel(memory_->GetSafeHdc(), x, y)) << x << "," << y;
    }
    drawer_->SetFrameColor(1, 2, 3);
    EXPECT_EQ(1, drawer_->GetFrameRed());
    EXPECT_EQ(2, drawer_->GetFrameGreen());
    EXPECT_EQ(3, drawer_->GetFrameBlue());
    drawer_->Reset();
    EXPECT_EQ(0xD0, drawer_->GetFrameRed());
}

} // namespace
