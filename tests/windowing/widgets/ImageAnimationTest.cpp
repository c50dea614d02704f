// The image widget playing a small animated GIF decoded by the codec, on an injected clock: each
// frame shows for its own delay, late frames shorten the next one.
#include <windows.h>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "core/col/ArrayP.h"

#include "images/codecs/gif/win/Gif.h"
#include "images/win/BufferedImageSet.h"
#include "storage/file/Pooled.h"
#include "tests/images/codecs/GifFixtures.h"
#include "windowing/Messages.h"
#include "windowing/ProcessKey.h"
#include "windowing/widgets/IImageReceiver.h"
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

// One red 8 x 8 frame, as a GIF of a single picture decodes.
BufferedImageSet* DecodeOneFrameGif()
{
    const Bytes table = {255, 0, 0, 0, 0, 255};
    GifFrameLayout red{8, 8, std::vector<Bytes>(8, Bytes(8, 0)), {}};
    red.delay = kFirstDelay;
    s::file::Pooled<s::image::gif::win::Gif> gif;
    if (!codecs_test::DecodeBytes(gif.get(), codecs_test::MakeGif(8, 8, table, {red})))
        return nullptr;
    return gif->ToBufferedImageSet();
}

// Notes what RenderImage hands over while it is lent.
class SetReceiver : public s::gui::IImageReceiver {
public:
    s::base::IObject* TakeImageSet(BufferedImageSet* set) override
    {
        ++sets;
        received = set;
        frames = set->GetCount();
        width = set->GetImage(0)->GetWidth();
        filtersPerFrame.clear();
        for (int32_t i = 0; i < frames; ++i) {
            s::col::_array::ArrayP* filters = set->GetImage(i)->GetFilterList();
            filtersPerFrame.push_back(filters ? filters->GetCount() : 0);
        }
        return set;
    }
    s::base::IObject* TakeImage(s::image::IBufferedImage*) override
    {
        ++images;
        return nullptr;
    }
    int sets = 0;
    int images = 0;
    BufferedImageSet* received = nullptr;
    int32_t frames = 0;
    int32_t width = 0;
    std::vector<uint32_t> filtersPerFrame;
};

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

    // Kills the widget's frame timer on its own thread: whether there was one.
    bool HadFrameTimer()
    {
        BOOL killed = FALSE;
        const std::function<void()> work = [&] { killed = ::KillTimer(image_->GetSafeHwnd(), Image::kFrameTimer); };
        ::SendMessageW(window_->GetSafeHwnd(), s::gui::msg::kRunOnOwnThread, reinterpret_cast<WPARAM>(&work),
                       s::gui::win::ProcessKey());
        return killed != FALSE;
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

TEST_F(ImageAnimationTest, OnlyASetOfSeveralAnimatedFramesStartsTheFrameTimer)
{
    struct Case {
        const char* name;
        std::function<void(Image*)> show;
        bool timer;
    };
    const Case cases[] = {
        {"two frames", [](Image* image) { image->SetImageSet(DecodeTwoFrameGif(), true, false, true, false, -1, -1); },
         true},
        {"one frame", [](Image* image) { image->SetImageSet(DecodeOneFrameGif(), true, false, true, false, -1, -1); },
         false},
        {"one picture",
         [](Image* image) {
             image->SetImage(testing_support::HalvesPicture(8, 8, kRed, kBlue), true, false, true, false, -1, -1);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(nullptr, AddImage());
        c.show(image_);
        box_->RequestLayout();
        ASSERT_TRUE(image_->HasImage());
        fakeNow = 1000;
        image_->StartAnimation();
        EXPECT_EQ(c.timer, HadFrameTimer());
        image_->StopAnimation(true);
        box_->RemoveChild(image_, true);
        image_ = nullptr;
    }
}

TEST_F(ImageAnimationTest, RenderingAnAnimatedSetHandsOverEveryFrame)
{
    ASSERT_NE(nullptr, AddImage());
    image_->SetImageSet(DecodeTwoFrameGif(), true, true, false, false, 24, 16);
    box_->RequestLayout();
    ASSERT_EQ(2, image_->GetImageCount());
    BufferedImageSet* shown = image_->GetImageSet();
    struct Case {
        bool scaleToClient, sharpen;
        // The widget's own set, or a copy made for the call.
        bool own;
        int32_t width;
        uint32_t filters;
    };
    const Case cases[] = {
        {false, false, true, 8, 0},
        {true, false, false, 24, 0},
        {false, true, false, 8, 1},
        {true, true, false, 24, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "scaled " << c.scaleToClient << " sharpened " << c.sharpen);
        SetReceiver receiver;
        EXPECT_EQ(receiver.received, nullptr);
        s::base::IObject* result = image_->RenderImage(&receiver, c.scaleToClient, c.sharpen, nullptr);
        EXPECT_EQ(1, receiver.sets);
        EXPECT_EQ(0, receiver.images) << "never one frame alone";
        EXPECT_EQ(static_cast<s::base::IObject*>(receiver.received), result) << "the receiver's answer comes back";
        EXPECT_EQ(2, receiver.frames);
        EXPECT_EQ(c.own, receiver.received == shown);
        EXPECT_EQ(c.width, receiver.width);
        EXPECT_EQ(std::vector<uint32_t>(2, c.filters), receiver.filtersPerFrame) << "every frame sharpened alike";
        // The sharpening went on the copy only.
        EXPECT_FALSE(image_->HasFilters(0));
        EXPECT_FALSE(image_->HasFilters(1));
        EXPECT_EQ(shown, image_->GetImageSet());
    }
}

} // namespace
