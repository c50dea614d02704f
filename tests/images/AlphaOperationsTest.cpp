// The colour key, the alpha threshold, the mask and flattening onto white, pixel by pixel.
#include <gtest/gtest.h>

#include <vector>

#include "images/AlphaOperations.h"
#include "images/Composition.h"
#include "images/ImageFixtures.h"

namespace {

using images_test::ImagePtr;
using images_test::MakeImage;

ImagePtr Row(const std::vector<uint32_t>& pixels, bool hasAlpha)
{
    ImagePtr image = MakeImage(static_cast<int32_t>(pixels.size()), 1);
    if (!image)
        return image;
    for (size_t i = 0; i < pixels.size(); ++i)
        image->GetRow(0)[i] = pixels[i];
    image->SetHasAlpha(hasAlpha);
    return image;
}

std::vector<uint32_t> PixelsOf(s::image::IImageBuffer* image)
{
    return std::vector<uint32_t>(image->GetRow(0), image->GetRow(0) + image->GetWidth());
}

struct Case {
    const char* name;
    std::vector<uint32_t> pixels;
    bool hasAlpha;
    void (*operation)(s::image::IImageBuffer*);
    std::vector<uint32_t> expected;
    bool expectedAlpha;
};

void KeyRed(s::image::IImageBuffer* image)
{
    s::image::ApplyColorKey(image, 255, 0, 0);
}

void Threshold96(s::image::IImageBuffer* image)
{
    s::image::ApplyAlphaThreshold(image, 96);
}

void FillBlue(s::image::IImageBuffer* image)
{
    s::image::FillTransparent(image, 0, 0, 255);
}

TEST(AlphaOperations, EachOperationPixelByPixel)
{
    const Case cases[] = {
        {"key matches", {0x00FF0000u, 0x80FF0000u, 0x1200FF00u}, false, &KeyRed, {0x00FF0000u, 0x00FF0000u, 0xFF00FF00u}, true},
        // With no match every alpha becomes 255 and the flag stays as it was.
        {"key without match, flagged", {0x2000FF00u}, true, &KeyRed, {0xFF00FF00u}, true},
        {"key without match, opaque", {0x2000FF00u}, false, &KeyRed, {0xFF00FF00u}, false},
        {"threshold", {0x5F123456u, 0x60123456u, 0x00000000u, 0xFF000000u}, false, &Threshold96,
         {0x00123456u, 0xFF123456u, 0x00000000u, 0xFF000000u}, true},
        {"threshold, none cleared", {0x60123456u}, true, &Threshold96, {0xFF123456u}, false},
        {"flatten", {0x00123456u, 0x80000000u, 0xFF123456u, 0x01FFFFFFu, 0xFE000000u}, true, &s::image::FlattenOnWhite,
         {0xFFFFFFFFu, 0xFF7F7F7Fu, 0xFF123456u, 0xFFFFFFFFu, 0xFF010101u}, false},
        // Without the flag the alpha bytes mean nothing: the colours stay.
        {"flatten, opaque", {0x00123456u}, false, &s::image::FlattenOnWhite, {0x00123456u}, false},
        {"fill transparent", {0x00123456u, 0x01123456u}, true, &FillBlue, {0x000000FFu, 0x01123456u}, true},
        {"fill transparent, opaque", {0x00123456u}, false, &FillBlue, {0x00123456u}, false},
        {"make opaque", {0x00123456u, 0x80000000u}, true, &s::image::MakeOpaque, {0xFF123456u, 0xFF000000u}, false},
    };
    for (const Case& c : cases) {
        ImagePtr image = Row(c.pixels, c.hasAlpha);
        ASSERT_TRUE(image);
        c.operation(image.get());
        EXPECT_EQ(c.expected, PixelsOf(image.get())) << c.name;
        EXPECT_EQ(c.expectedAlpha, image->HasAlpha()) << c.name;
    }
}

TEST(AlphaOperations, TheMaskClearsMatchingColoursWhereItExists)
{
    ImagePtr image = MakeImage(3, 2);
    ImagePtr mask = MakeImage(2, 1);
    ASSERT_TRUE(image && mask);
    images_test::Fill(image.get(), 0xFF112233u);
    mask->GetRow(0)[0] = 0x00112233u;
    mask->GetRow(0)[1] = 0xFF445566u;
    s::image::ApplyMaskImage(image.get(), mask.get());
    EXPECT_TRUE(image->HasAlpha());
    EXPECT_EQ(0x00112233u, image->GetRow(0)[0]);
    EXPECT_EQ(0xFF112233u, image->GetRow(0)[1]);
    // Beyond the smaller mask nothing is compared.
    EXPECT_EQ(0xFF112233u, image->GetRow(0)[2]);
    EXPECT_EQ(0xFF112233u, image->GetRow(1)[0]);

    ImagePtr plain = MakeImage(1, 1);
    plain->GetRow(0)[0] = 0xFF000000u;
    s::image::ApplyMaskImage(plain.get(), mask.get());
    EXPECT_FALSE(plain->HasAlpha());
    EXPECT_EQ(0xFF000000u, plain->GetRow(0)[0]);
    s::image::ApplyMaskImage(plain.get(), plain.get());
    s::image::ApplyMaskImage(plain.get(), nullptr);
    EXPECT_FALSE(plain->HasAlpha());
}

} // namespace
