#include "skins/drawer/image/Basic.h"

#include <gtest/gtest.h>

#include <vector>

#include "images/filters/IFilter.h"
#include "images/win/BufferedImage.h"
#include "skins/drawer/Canvas.h"

namespace {

using s::gui::drawer::image::win::Basic;
using s::image::IBufferedImage;
using s::image::win::BufferedImage;
using testing_support::Canvas;

const COLORREF kCanvas = RGB(0x20, 0x40, 0x60);
const uint32_t kBackPixel = 0xFF336699u;

// A picture of one colour (0xAARRGGBB), with or without meaningful alpha.
BufferedImage* Picture(int32_t width, int32_t height, uint32_t pixel, bool hasAlpha)
{
    BufferedImage* image = BufferedImage::New();
    if (!image || !image->Create(width, height))
        return image;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            image->GetRow(y)[x] = pixel;
    image->SetHasAlpha(hasAlpha);
    return image;
}

std::vector<uint32_t> PixelsOf(BufferedImage* image)
{
    GdiFlush();
    std::vector<uint32_t> pixels;
    for (int32_t y = 0; y < image->GetHeight(); ++y)
        for (int32_t x = 0; x < image->GetWidth(); ++x)
            pixels.push_back(image->GetRow(y)[x]);
    return pixels;
}

// Replaces a picture by a green one of the same size.
class GreenFilter : public s::image::filters::IFilter {
public:
    const wchar_t* GetClassName() override { return L"GreenFilter"; }
    s::base::IObject* NewInstance() override { return nullptr; }
    void ReleaseToPool() override {}
    void Reset() override {}
    const wchar_t* GetName() override { return L"green"; }
    bool IsAutoRelease() override { return false; }
    void SetAutoRelease(bool) override {}
    IBufferedImage* Apply(IBufferedImage* source, IBufferedImage* target) override
    {
        ++applied;
        if (!target)
            target = BufferedImage::New();
        if (!target || !target->Create(source->GetWidth(), source->GetHeight()))
            return nullptr;
        for (int32_t y = 0; y < source->GetHeight(); ++y)
            for (int32_t x = 0; x < source->GetWidth(); ++x)
                target->GetRow(y)[x] = 0xFF00FF00u;
        return target;
    }
    int applied = 0;
};

struct Fixture {
    Basic* drawer = Basic::New();
    Canvas canvas{24, 24, kCanvas};
    BufferedImage* back = Picture(24, 24, kBackPixel, false);
    ~Fixture()
    {
        back->ReleaseToPool();
        drawer->ReleaseToPool();
    }
};

TEST(ImageDrawer, FramedPictureSitsInsideItsFrame)
{
    Fixture f;
    EXPECT_STREQ(L"s_gui_drawer_image_win_Basic", f.drawer->GetClassName());
    BufferedImage* picture = Picture(12, 12, 0xFFFF0000u, false);
    f.drawer->Draw(&f.canvas.dc, f.back, 2, 3, 12, 13, picture, false, true, false);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            COLORREF expected = kCanvas;
            if (x >= 2 && x < 12 && y >= 3 && y < 13)
                expected = (x == 2 || x == 11 || y == 3 || y == 12) ? RGB(0, 0, 0) : RGB(255, 0, 0);
            ASSERT_EQ(expected, f.canvas.At(x, y)) << x << "," << y;
        }
    }
    picture->ReleaseToPool();
}

TEST(ImageDrawer, BlendsOnlyPicturesWithMeaningfulAlpha)
{
    struct Case {
        bool hasAlpha;
        bool blend;
        bool intoBack;
    };
    const Case cases[] = {{false, true, false}, {true, false, false}, {true, true, true}, {false, false, false}};
    for (const Case& c : cases) {
        Fixture f;
        BufferedImage* picture = Picture(6, 6, 0x80FF0000u, c.hasAlpha);
        const std::vector<COLORREF> canvasBefore = f.canvas.Pixels();
        const std::vector<uint32_t> backBefore = PixelsOf(f.back);
        f.drawer->Draw(&f.canvas.dc, f.back, 4, 4, 10, 10, picture, false, false, c.blend);
        if (c.intoBack) {
            EXPECT_EQ(canvasBefore, f.canvas.Pixels()) << "blended pictures leave the context alone";
            const uint32_t blended = f.back->GetRow(6)[6];
            EXPECT_NE(kBackPixel, blended);
            EXPECT_GT((blended >> 16) & 0xFF, 0x33u) << "more red than the back image had";
            EXPECT_LT((blended >> 16) & 0xFF, 0xFFu) << "but not the picture's full red";
            EXPECT_EQ(kBackPixel, f.back->GetRow(3)[3]) << "outside the picture's rectangle";
        } else {
            EXPECT_EQ(backBefore, PixelsOf(f.back)) << c.hasAlpha << c.blend;
            EXPECT_EQ(RGB(255, 0, 0), f.canvas.At(6, 6)) << c.hasAlpha << c.blend;
            EXPECT_EQ(kCanvas, f.canvas.At(3, 3));
            EXPECT_EQ(kCanvas, f.canvas.At(10, 10));
        }
        picture->ReleaseToPool();
    }
}

TEST(ImageDrawer, DrawsTheFilteredPicture)
{
    Fixture f;
    BufferedImage* picture = Picture(6, 6, 0xFFFF0000u, false);
    GreenFilter filter;
    picture->AddFilter(&filter);
    f.drawer->Draw(&f.canvas.dc, f.back, 0, 0, 6, 6, picture, false, false, false);
    EXPECT_EQ(RGB(0, 255, 0), f.canvas.At(3, 3));
    EXPECT_GE(filter.applied, 1);
    picture->DetachAllFilters();
    picture->ReleaseToPool();
}

TEST(ImageDrawer, NothingWithoutPictureOrRoom)
{
    Fixture f;
    BufferedImage* picture = Picture(6, 6, 0xFFFF0000u, false);
    const std::vector<COLORREF> untouched = f.canvas.Pixels();
    f.drawer->Draw(&f.canvas.dc, f.back, 0, 0, 10, 10, nullptr, false, true, false);
    f.drawer->Draw(&f.canvas.dc, f.back, 5, 0, 5, 10, picture, false, true, false);
    f.drawer->Draw(&f.canvas.dc, f.back, 0, 8, 10, 4, picture, false, true, false);
    f.drawer->Draw(nullptr, f.back, 0, 0, 10, 10, picture, false, true, false);
    EXPECT_EQ(untouched, f.canvas.Pixels());

    // A framed rectangle of two pixels holds the frame and no picture, and nothing outside.
    f.drawer->Draw(&f.canvas.dc, f.back, 4, 4, 6, 6, picture, true, true, false);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            EXPECT_EQ((x >= 4 && x < 6 && y >= 4 && y < 6) ? RGB(0, 0, 0) : kCanvas, f.canvas.At(x, y)) << x << y;
    picture->ReleaseToPool();
}

} // namespace
