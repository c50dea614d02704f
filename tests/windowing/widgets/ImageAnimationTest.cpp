// The image widget playing a small animated GIF decoded by the codec, on an injected clock: each
// frame shows for its own delay, late frames shorten the next one.
#include <windows.h>

#include <gtest/gtest.h>

#include "images/codecs/gif/win/Gif.h"
#include "images/win/BufferedImageSet.h"
#include "storage/file/Pooled.h"
#include "tests/images/codecs/GifFixtures.h"
#include "windowing/widgets/Image.h"
#include "windowing/widgets/ImageStage.h"

namespace {

using codecs_test::Bytes;
using codecs_test::GifFrameLayout;
using s::gui::win::Image;
using s::image::win::BufferedImageSet;
using testing_support::ScreenImage;
using testing_support::WaitUntil;

const COLORREF kRed = RGB(0xFF, 0, 0);
const COLORREF kBlue = RGB(0, 0, 0xFF);
// In hundredths of a second, as the file holds them.
const uint16_t kFirstDelay = 10;
const uint16_t kSecondDelay = 30;
const DWORD kBoundMillis = 5000;

volatile int64_t fakeNow = 0;
int64_t FakeClock()
{
    return fakeNow;
}

// Two 8 x 8 frames, red then blue, each with its own delay.
BufferedImageSet* DecodeTwoFrameGif()
{
    const Bytes table = {255, 0, 0, 0, 0, 255};
    GifFrameLayout red{8, 8, std::vector<Bytes>(8, Bytes(8, 0)), {}};
    red.delay = kFirstDelay;
    GifFrameLayout blue{8, 8, std::vector<Bytes>(8, Bytes(8, 1)), {}};
    blue.delay = kSecondDelay;
    s::file::Pooled<s::image::gif::win::Gif> gif;
    if (!codecs_test::DecodeBytes(gif.get(), codecs_test::MakeGif(8, 8, table, {red, blue})))
        return nullptr;
    return gif->ToBufferedImageSet();
}

class ImageAnimationTest : public testing_support::ImageStage {
protected:
    void SetUp() override
    {
        ImageStage::SetUp();
        previous_ = Image::SetClock(FakeClock);
    }
    void TearDown() override
    {
        if (image_)
            image_->StopAnimation(true);
        Image::SetClock(previous_);
        ImageStage::TearDown();
    }

    bool ShowsFrame(int32_t frame, COLORREF colour)
    {
        return WaitUntil([&] { return image_->GetCurrentFrame() == frame; }, kBoundMillis) &&
               PaintedUntil([&](const ScreenImage& s) { return s.At(4, 4) == colour; });
    }

    Image::MillisClock previous_ = nullptr;
};

TEST_F(ImageAnimationTest, EachFrameShowsForItsOwnDelayAndLatenessShortensTheNext)
{
    BufferedImageSet* set = DecodeTwoFrameGif();
    ASSERT_NE(nullptr, set);
    ASSERT_EQ(2, set->GetCount());
    ASSERT_TRUE(set->IsAnimated());
    ASSERT_NE(nullptr, AddImage());
    image_->SetImageSet(set, true, false, true, false, -1, -1);
    box_->RequestLayout();
    EXPECT_NE(set, image_->GetImageSet()) << "shown through its composed copy";
    EXPECT_EQ(2, image_->GetImageCount());

    fakeNow = 1000;
    image_->StartAnimation();
    EXPECT_EQ(100, image_->GetNextDelay()) << "frame 0 shows for its own delay";
    EXPECT_TRUE(ShowsFrame(0, kRed));
    fakeNow = 1099;
    Sleep(150);
    EXPECT_EQ(0, image_->GetCurrentFrame()) << "not before its delay";

    fakeNow = 1100;
    EXPECT_TRUE(ShowsFrame(1, kBlue));
    EXPECT_EQ(300, image_->GetNextDelay()) << "frame 1 shows for its own delay, not frame 0's";

    // 30 ms late: the next frame's delay is 30 ms shorter.
    fakeNow = 1100 + 300 + 30;
    EXPECT_TRUE(ShowsFrame(0, kRed));
    EXPECT_EQ(100 - 30, image_->GetNextDelay());

    // Later than a whole delay: the next one is due at once, never below 0.
    fakeNow = 1430 + 70 + 500;
    EXPECT_TRUE(WaitUntil([&] { return image_->GetCurrentFrame() == 1; }, kBoundMillis));
    EXPECT_EQ(0, image_->GetNextDelay());

    image_->StopAnimation(true);
    EXPECT_EQ(0, image_->GetCurrentFrame()) << "rewound";
    fakeNow += 10000;
    Sleep(100);
    EXPECT_EQ(0, image_->GetCurrentFrame()) << "stopped";
}

TEST_F(ImageAnimationTest, PausedAnimationDoesNotStepUntilResumed)
{
    ASSERT_NE(nullptr, AddImage());
    image_->SetImageSet(DecodeTwoFrameGif(), true, false, true, false, -1, -1);
    box_->RequestLayout();
    fakeNow = 5000;
    image_->StartAnimation();
    image_->PauseAnimation(false);
    fakeNow = 9000;
    EXPECT_FALSE(image_->StepFrame(9000));
    image_->ResumeAnimation(false);
    EXPECT_TRUE(WaitUntil([&] { return image_->GetCurrentFrame() == 1; }, kBoundMillis));
}

} // namespace
