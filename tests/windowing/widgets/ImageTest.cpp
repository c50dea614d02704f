// The image widget on the virtual display: its size rules, its back image, what it paints before
// and after a picture (background kinds, own size, stretch, border), bad pictures, dragging,
// suspended painting and the copies it gives out.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/base/IObject.h"
#include "images/win/BufferedImage.h"
#include "images/win/BufferedImageSet.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/IImageReceiver.h"
#include "windowing/widgets/Image.h"
#include "windowing/widgets/ImageStage.h"

namespace {

using s::gui::IBox;
using s::gui::win::Box;
using s::gui::win::Image;
using s::image::win::BufferedImage;
using s::image::win::BufferedImageSet;
using testing_support::HalvesPicture;
using testing_support::ImageStage;
using testing_support::ScreenImage;

const COLORREF kRed = RGB(0xE0, 0x20, 0x20);
const COLORREF kBlue = RGB(0x20, 0x40, 0xD0);
const COLORREF kGreen = RGB(0x30, 0xB0, 0x50);
const COLORREF kParent = RGB(0xF0, 0xD8, 0x90);
const COLORREF kGrey = RGB(0xCC, 0xCC, 0xCC);
const COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
const COLORREF kBlack = RGB(0, 0, 0);

using ImageWidgetTest = ImageStage;

TEST_F(ImageWidgetTest, FitSizeShrinksOneSideToThePicturesProportions)
{
    Image* image = Image::New();
    ASSERT_NE(nullptr, image);
    int32_t width = 100;
    int32_t height = 100;
    image->FitSize(&width, &height);
    EXPECT_EQ(100, width) << "nothing without a picture";
    image->SetImage(HalvesPicture(200, 100, kRed, kBlue), true, false, true, false, -1, -1);
    struct Case {
        int32_t boxWidth, boxHeight, width, height;
    };
    const Case cases[] = {{100, 100, 100, 50}, {300, 100, 200, 100}, {400, 200, 400, 200}, {50, 400, 50, 25}};
    for (const Case& c : cases) {
        width = c.boxWidth;
        height = c.boxHeight;
        image->FitSize(&width, &height);
        EXPECT_EQ(c.width, width) << c.boxWidth << "x" << c.boxHeight;
        EXPECT_EQ(c.height, height) << c.boxWidth << "x" << c.boxHeight;
    }
    image->ReleaseToPool();
}

// A 200 x 100 picture in a 400 x 100 parent, under each combination of options.
TEST_F(ImageWidgetTest, SizeLimitsFollowThePictureFixedSizesPercentsAndBorder)
{
    Box* holder = Box::Create(IBox::kRow, -1, -1, 0, 0, 0, 0, 0, 0);
    ASSERT_NE(nullptr, holder);
    holder->SetWidthPixels(400, false);
    holder->SetHeightPixels(100, false);
    Add(holder);
    ASSERT_EQ(400, holder->GetClientWidth());
    ASSERT_EQ(100, holder->GetClientHeight());
    struct Case {
        const char* name;
        bool stretch, keepRatio, border;
        int32_t fixedWidth, fixedHeight, widthPercent, heightPercent;
        int32_t minClientWidth, maxClientWidth, minClientHeight, maxClientHeight, minWidth, maxWidth;
    };
    const Case cases[] = {
        {"own size", false, true, false, -1, -1, -1, -1, 200, 200, 100, 100, 200, 200},
        {"own size framed", false, true, true, -1, -1, -1, -1, 200, 200, 100, 100, 202, 202},
        {"fixed width framed", false, true, true, 50, -1, -1, -1, 48, 48, 100, 100, 50, 50},
        {"stretch, both percents", true, true, false, -1, -1, 100, 100, 0, 200, 0, 100, 0, 200},
        {"stretch, fixed height", true, true, false, -1, 50, -1, -1, 100, 100, 50, 50, 100, 100},
        {"stretch without ratio, half width", true, false, false, -1, -1, 50, -1, 0, 200, 0, 100, 0, 200},
        {"percent framed", false, true, true, -1, -1, 100, -1, 0, 398, 100, 100, 0, 400},
    };
    for (const Case& c : cases) {
        Image* image = Image::New();
        ASSERT_NE(nullptr, image);
        image->SetBorder(c.border);
        holder->AddChild(image);
        image->SetImage(HalvesPicture(200, 100, kRed, kBlue), true, c.stretch, c.keepRatio, false, -1, -1);
        if (c.fixedWidth >= 0)
            image->SetWidthPixels(c.fixedWidth);
        if (c.fixedHeight >= 0)
            image->SetHeightPixels(c.fixedHeight);
        if (c.widthPercent >= 0)
            image->SetWidthPercent(c.widthPercent);
        if (c.heightPercent >= 0)
            image->SetHeightPercent(c.heightPercent);
        EXPECT_EQ(c.minClientWidth, image->GetMinClientWidth()) << c.name;
        EXPECT_EQ(c.maxClientWidth, image->GetMaxClientWidth()) << c.name;
        EXPECT_EQ(c.minClientHeight, image->GetMinClientHeight()) << c.name;
        EXPECT_EQ(c.maxClientHeight, image->GetMaxClientHeight()) << c.name;
        EXPECT_EQ(c.minWidth, image->GetMinWidth()) << c.name;
        EXPECT_EQ(c.maxWidth, image->GetMaxWidth()) << c.name;
        holder->RemoveChild(image, true);
    }
}

TEST_F(ImageWidgetTest, FramedClientAreaIsTwoPixelsSmallerEachWay)
{
    Image* image = Image::New();
    ASSERT_NE(nullptr, image);
    image->SetBorder(true);
    image->SetSize(50, 40);
    EXPECT_EQ(48, image->GetClientWidth());
    EXPECT_EQ(38, image->GetClientHeight());
    image->SetClientWidth(60);
    EXPECT_EQ(62, image->GetWidth());
    // A picture's fixed client size counts the frame in.
    image->SetImage(HalvesPicture(10, 10, kRed, kBlue), true, false, true, false, 30, 20);
    EXPECT_EQ(32, image->GetMinWidth());
    EXPECT_EQ(22, image->GetMaxHeight());
    image->ReleaseToPool();
}

TEST_F(ImageWidgetTest, BackImageGrowsByStepsOfOneFifthAndNeverShrinks)
{
    Image* image = Image::New();
    ASSERT_NE(nullptr, image);
    struct Step {
        int32_t width, height, capacityWidth, capacityHeight;
    };
    const Step steps[] = {{100, 100, 100, 100}, {130, 100, 144, 100}, {50, 40, 144, 100},
                          {144, 101, 144, 120}, {10, 10, 144, 120}};
    BufferedImage* first = nullptr;
    for (const Step& step : steps) {
        ASSERT_TRUE(image->EnsureBackImage(step.width, step.height));
        BufferedImage* back = image->GetBackImage();
        ASSERT_NE(nullptr, back);
        if (!first)
            first = back;
        EXPECT_EQ(first, back) << "one back image, reserved in place";
        EXPECT_EQ(step.capacityWidth, back->GetCapacityWidth()) << step.width << "x" << step.height;
        EXPECT_EQ(step.capacityHeight, back->GetCapacityHeight()) << step.width << "x" << step.height;
        EXPECT_EQ(step.capacityWidth, back->GetWidth()) << "the whole capacity is usable";
    }
    EXPECT_FALSE(image->EnsureBackImage(0, 10));
    image->ReleaseToPool();
}

TEST_F(ImageWidgetTest, BeforeAnyPictureOnlyTheBackgroundShows)
{
    box_->SetBackgroundColor(GetRValue(kParent), GetGValue(kParent), GetBValue(kParent), true);
    ASSERT_NE(nullptr, AddImage());
    image_->SetWidthPixels(40);
    image_->SetHeightPixels(30);
    box_->RequestLayout();
    ScreenImage shot;
    EXPECT_TRUE(PaintedUntil([](const ScreenImage& s) { return s.At(3, 3) == kParent && s.At(38, 28) == kParent; },
                             &shot))
        << "the parent's picture shows through by default";

    image_->SetBackgroundColor(GetRValue(kGreen), GetGValue(kGreen), GetBValue(kGreen), true);
    EXPECT_TRUE(PaintedUntil([](const ScreenImage& s) { return s.At(3, 3) == kGreen && s.At(38, 28) == kGreen; }));

    image_->SetCheckerboardBackground(true);
    EXPECT_TRUE(PaintedUntil([](const ScreenImage& s) { return s.At(0, 0) == kWhite && s.At(5, 0) == kGrey; }));
    ScreenImage window;
    ASSERT_TRUE(testing_support::CaptureWindow(window_->GetSafeHwnd(), &window));
    testing_support::SaveScreenshot(window, L"ImageWidgetBeforePicture");

    // A 12 x 7 client area: three columns and two rows of 5 x 5 squares, white where column +
    // row is even.
    image_->SetWidthPixels(12);
    image_->SetHeightPixels(7);
    box_->RequestLayout();
    image_->SetCheckerboardBackground(true);
    EXPECT_TRUE(PaintedUntil(
        [](const ScreenImage& s) {
            return s.width == 12 && s.height == 7 && s.At(0, 0) == kWhite && s.At(4, 4) == kWhite &&
                   s.At(5, 0) == kGrey && s.At(10, 0) == kWhite && s.At(11, 4) == kWhite && s.At(0, 5) == kGrey &&
                   s.At(5, 5) == kWhite && s.At(6, 6) == kWhite && s.At(10, 6) == kGrey;
        },
        &shot));
}

TEST_F(ImageWidgetTest, PictureShowsAtItsOwnSizeStretchedOrFramed)
{
    ASSERT_NE(nullptr, AddImage());
    image_->SetBackgroundColor(GetRValue(kGreen), GetGValue(kGreen), GetBValue(kGreen), false);
    // Own size inside a larger fixed widget: the rest is background.
    BufferedImage* picture = HalvesPicture(40, 30, kRed, kBlue);
    image_->SetImage(picture, false, false, true, false, -1, -1);
    picture->ReleaseToPool();
    image_->SetWidthPixels(60);
    image_->SetHeightPixels(50);
    box_->RequestLayout();
    EXPECT_TRUE(PaintedUntil([](const ScreenImage& s) {
        return s.At(5, 5) == kRed && s.At(35, 25) == kBlue && s.At(50, 10) == kGreen && s.At(10, 40) == kGreen;
    }));
    ScreenImage window;
    ASSERT_TRUE(testing_support::CaptureWindow(window_->GetSafeHwnd(), &window));
    testing_support::SaveScreenshot(window, L"ImageWidgetAfterPicture");

    // Stretched with its ratio kept: a fixed height of 40 makes the 2:1 picture 80 wide.
    image_->SetWidthPixels(-1);
    image_->SetImage(HalvesPicture(20, 10, kRed, kBlue), true, true, true, false, -1, 40);
    box_->RequestLayout();
    EXPECT_EQ(80, image_->GetMaxWidth());
    ScreenImage shot;
    EXPECT_TRUE(PaintedUntil(
        [](const ScreenImage& s) {
            // Away from the middle, where scaling blends the halves.
            return s.width == 80 && s.height == 40 && s.At(10, 5) == kRed && s.At(30, 35) == kRed &&
                   s.At(50, 5) == kBlue && s.At(70, 35) == kBlue;
        },
        &shot))
        << shot.width << "x" << shot.height << " " << std::hex << shot.At(10, 5) << " " << shot.At(70, 35);

    // Framed: a black line inside the edge, the picture inside it.
    image_->SetBorder(true);
    image_->SetImage(HalvesPicture(20, 10, kRed, kBlue), true, true, false, false, 40, 20);
    box_->RequestLayout();
    EXPECT_TRUE(PaintedUntil(
        [](const ScreenImage& s) {
            return s.width == 42 && s.At(0, 0) == kBlack && s.At(41, 21) == kBlack && s.At(20, 0) == kBlack &&
                   s.At(1, 1) == kRed && s.At(40, 20) == kBlue;
        },
        &shot))
        << shot.width << "x" << shot.height;
}

// Sets without frames, pictures without pixels and a client area of nothing paint only the
// background (or nothing), never fail.
TEST_F(ImageWidgetTest, EmptySetsAndPicturesPaintOnlyTheBackground)
{
    ASSERT_NE(nullptr, AddImage());
    image_->SetBackgroundColor(GetRValue(kGreen), GetGValue(kGreen), GetBValue(kGreen), false);
    image_->SetWidthPixels(30);
    image_->SetHeightPixels(20);
    image_->SetImageSet(BufferedImageSet::New(), true, false, true, false, -1, -1);
    box_->RequestLayout();
    EXPECT_EQ(0, image_->GetImageCount());
    EXPECT_TRUE(PaintedUntil([](const ScreenImage& s) { return s.At(15, 10) == kGreen; }));
    EXPECT_EQ(nullptr, image_->CopyCurrentImage(false, nullptr));

    image_->SetImage(BufferedImage::New(), true, true, true, false, -1, -1);
    EXPECT_EQ(1, image_->GetImageCount());
    EXPECT_EQ(0, image_->GetImageWidth());
    EXPECT_TRUE(PaintedUntil([](const ScreenImage& s) { return s.At(15, 10) == kGreen && s.At(1, 1) == kGreen; }));

    image_->SetImage(HalvesPicture(8, 8, kRed, kBlue), true, true, true, false, -1, -1);
    image_->SetWidthPixels(0);
    image_->SetHeightPixels(0);
    box_->RequestLayout();
    image_->Redraw();
    EXPECT_EQ(0, image_->GetClientWidth());
    EXPECT_TRUE(::IsWindow(image_->GetSafeHwnd()));
}

TEST_F(ImageWidgetTest, DragMovesTheWidgetByTheMousesDistance)
{
    ASSERT_NE(nullptr, AddImage());
    image_->SetImage(HalvesPicture(30, 30, kRed, kBlue), true, false, true, false, -1, -1);
    box_->RequestLayout();
    const HWND widget = image_->GetSafeHwnd();
    RECT inside = {};
    ::GetWindowRect(widget, &inside);
    const LPARAM middle = MAKELPARAM(15, 15);
    const LPARAM screenMiddle = MAKELPARAM(inside.left + 15, inside.top + 15);
    EXPECT_EQ(HTTRANSPARENT, ::SendMessageW(widget, WM_NCHITTEST, 0, screenMiddle)) << "the mouse goes through";

    image_->SetDragEnabled(true);
    EXPECT_EQ(HTCLIENT, ::SendMessageW(widget, WM_NCHITTEST, 0, screenMiddle));
    ::SendMessageW(widget, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    EXPECT_TRUE(image_->IsDragging());
    RECT before = {};
    ::GetWindowRect(widget, &before);
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    // Where the cursor would be after moving by (10, -5), in the widget's client coordinates.
    const LPARAM moved = MAKELPARAM(cursor.x + 10 - before.left, cursor.y - 5 - before.top);
    ::SendMessageW(widget, WM_MOUSEMOVE, MK_LBUTTON, moved);
    ::SendMessageW(widget, WM_LBUTTONUP, 0, moved);
    EXPECT_FALSE(image_->IsDragging());
    RECT after = {};
    ::GetWindowRect(widget, &after);
    EXPECT_EQ(before.left + 10, after.left);
    EXPECT_EQ(before.top - 5, after.top);
    EXPECT_EQ(before.right - before.left, after.right - after.left);
}

TEST_F(ImageWidgetTest, SuspendedPaintingDefersMovesUntilResumed)
{
    ASSERT_NE(nullptr, AddImage());
    image_->SetImage(HalvesPicture(30, 30, kRed, kBlue), true, false, true, false, -1, -1);
    box_->RequestLayout();
    const HWND widget = image_->GetSafeHwnd();
    RECT before = {};
    ::GetWindowRect(widget, &before);
    EXPECT_TRUE(image_->SetPaintingSuspended(true));
    EXPECT_FALSE(image_->SetPaintingSuspended(true)) << "unchanged";
    image_->OffsetBy(7, 3);
    RECT held = {};
    ::GetWindowRect(widget, &held);
    EXPECT_EQ(before.left, held.left);
    EXPECT_TRUE(image_->SetPaintingSuspended(false));
    RECT after = {};
    ::GetWindowRect(widget, &after);
    EXPECT_EQ(before.left + 7, after.left);
    EXPECT_EQ(before.top + 3, after.top);
}

// Records what RenderImage hands over.
class Receiver : public s::gui::IImageReceiver {
public:
    s::base::IObject* TakeImageSet(BufferedImageSet* set) override
    {
        ++sets;
        frames = set->GetCount();
        return set;
    }
    s::base::IObject* TakeImage(s::image::IBufferedImage* image) override
    {
        ++images;
        width = image->GetWidth();
        firstPixel = image->GetRow(0)[0];
        return image;
    }
    int sets = 0;
    int images = 0;
    int32_t frames = 0;
    int32_t width = 0;
    uint32_t firstPixel = 0;
};

TEST_F(ImageWidgetTest, CopiesAndRenderingsComeFromTheShownFrame)
{
    ASSERT_NE(nullptr, AddImage());
    Receiver receiver;
    EXPECT_EQ(nullptr, image_->RenderImage(&receiver, false, false, nullptr)) << "nothing without a picture";
    EXPECT_EQ(0, receiver.images);

    image_->SetImage(HalvesPicture(20, 10, kRed, kBlue), true, true, false, false, 40, 20);
    box_->RequestLayout();
    s::image::IBufferedImage* copy = image_->CopyCurrentImage(false, nullptr);
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(20, copy->GetWidth());
    EXPECT_EQ(0xFFE02020u, copy->GetRow(0)[0]);
    BufferedImage* scaled = BufferedImage::New();
    EXPECT_EQ(scaled, image_->CopyCurrentImage(true, scaled)) << "into the given target";
    EXPECT_EQ(40, scaled->GetWidth());
    s::image::ReleaseImage(copy);
    scaled->ReleaseToPool();

    EXPECT_NE(nullptr, image_->RenderImage(&receiver, true, false, nullptr));
    EXPECT_EQ(1, receiver.images);
    EXPECT_EQ(40, receiver.width);
    EXPECT_NE(nullptr, image_->RenderImage(&receiver, false, true, nullptr));
    EXPECT_EQ(2, receiver.images);
    EXPECT_EQ(20, receiver.width);
    EXPECT_FALSE(image_->HasFilters(0)) << "the sharpening went on a copy";
    EXPECT_EQ(0, receiver.sets);
}

} // namespace
