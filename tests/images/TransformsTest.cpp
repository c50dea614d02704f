// Copies, quarter turns, the mirror and the flip, checked pixel by pixel on a 3 x 2 picture.
#include <gtest/gtest.h>

#include "images/ImageCache.h"
#include "images/ImageFixtures.h"
#include "images/Transforms.h"

namespace {

using images_test::ImagePtr;
using images_test::MakeImage;
using images_test::Marker;
using s::image::IImageBuffer;

typedef IImageBuffer* (*Transform)(IImageBuffer*, IImageBuffer*);

struct TurnCase {
    const char* name;
    Transform transform;
    int32_t width, height;
    // The source column and row shown at each target pixel, rows top first.
    int32_t from[6][2];
};

// Source: 3 columns, 2 rows, each pixel marked with its own place.
const TurnCase kTurns[] = {
    {"RotateRight", &s::image::RotateRight, 2, 3, {{0, 1}, {0, 0}, {1, 1}, {1, 0}, {2, 1}, {2, 0}}},
    {"Rotate180", &s::image::Rotate180, 3, 2, {{2, 1}, {1, 1}, {0, 1}, {2, 0}, {1, 0}, {0, 0}}},
    {"RotateLeft", &s::image::RotateLeft, 2, 3, {{2, 0}, {2, 1}, {1, 0}, {1, 1}, {0, 0}, {0, 1}}},
    {"MirrorHorizontal", &s::image::MirrorHorizontal, 3, 2, {{2, 0}, {1, 0}, {0, 0}, {2, 1}, {1, 1}, {0, 1}}},
    {"FlipVertical", &s::image::FlipVertical, 3, 2, {{0, 1}, {1, 1}, {2, 1}, {0, 0}, {1, 0}, {2, 0}}},
    {"CopyImage", &s::image::CopyImage, 3, 2, {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}}},
};

void ExpectTurned(const TurnCase& c, IImageBuffer* result)
{
    ASSERT_NE(nullptr, result) << c.name;
    ASSERT_EQ(c.width, result->GetWidth()) << c.name;
    ASSERT_EQ(c.height, result->GetHeight()) << c.name;
    for (int32_t i = 0; i < c.height; ++i) {
        for (int32_t j = 0; j < c.width; ++j) {
            const int32_t* from = c.from[i * c.width + j];
            EXPECT_EQ(Marker(from[0], from[1]), result->GetRow(i)[j]) << c.name << " row " << i << " column " << j;
        }
    }
}

TEST(Transforms, EveryTurnIntoANewImageOfTheSourcesClass)
{
    for (const TurnCase& c : kTurns) {
        ImagePtr source = MakeImage(3, 2);
        ASSERT_TRUE(source);
        images_test::FillMarkers(source.get());
        source->SetHasAlpha(true);
        IImageBuffer* result = c.transform(source.get(), nullptr);
        ExpectTurned(c, result);
        ASSERT_NE(nullptr, dynamic_cast<s::image::win::BufferedImage*>(result)) << c.name;
        EXPECT_TRUE(result->HasAlpha()) << c.name;
        s::image::ReleaseImage(result);
    }
}

TEST(Transforms, EveryTurnIntoAGivenTargetOfAnyClass)
{
    for (const TurnCase& c : kTurns) {
        ImagePtr source = MakeImage(3, 2);
        ASSERT_TRUE(source);
        images_test::FillMarkers(source.get());
        // A bigger target with old pixels and the alpha flag: it takes the result's size and flag.
        s::image::ImageCache* cache = s::image::ImageCache::New();
        ASSERT_TRUE(cache->Create(5, 5));
        images_test::Fill(cache, 0x11223344u);
        EXPECT_EQ(cache, c.transform(source.get(), cache)) << c.name;
        ExpectTurned(c, cache);
        EXPECT_FALSE(cache->HasAlpha()) << c.name;
        cache->ReleaseToPool();
    }
}

TEST(Transforms, TheBufferedImagesOwnSlotsTurnIt)
{
    ImagePtr source = MakeImage(3, 2);
    ASSERT_TRUE(source);
    images_test::FillMarkers(source.get());
    ImagePtr turned(dynamic_cast<s::image::win::BufferedImage*>(source->RotateRight(nullptr)));
    ExpectTurned(kTurns[0], turned.get());
    ImagePtr target = MakeImage(1, 1);
    EXPECT_EQ(target.get(), source->Rotate180(target.get()));
    ExpectTurned(kTurns[1], target.get());
    EXPECT_EQ(target.get(), source->RotateLeft(target.get()));
    ExpectTurned(kTurns[2], target.get());
    EXPECT_EQ(target.get(), source->MirrorHorizontal(target.get()));
    ExpectTurned(kTurns[3], target.get());
    EXPECT_EQ(target.get(), source->FlipVertical(target.get()));
    ExpectTurned(kTurns[4], target.get());
    EXPECT_EQ(target.get(), source->CopyTo(target.get()));
    ExpectTurned(kTurns[5], target.get());
}

TEST(Transforms, OneImageAsSourceAndTargetChangesNothing)
{
    for (const TurnCase& c : kTurns) {
        ImagePtr image = MakeImage(3, 2);
        ASSERT_TRUE(image);
        images_test::FillMarkers(image.get());
        EXPECT_EQ(nullptr, c.transform(image.get(), image.get())) << c.name;
        EXPECT_EQ(nullptr, c.transform(nullptr, image.get())) << c.name;
        const TurnCase& unchanged = kTurns[5];
        ExpectTurned(unchanged, image.get());
    }
}

TEST(Transforms, ACopyIsANewBufferAndAnEmptySourceEmptiesTheTarget)
{
    ImagePtr source = MakeImage(3, 2);
    ImagePtr target = MakeImage(10, 10);
    ASSERT_TRUE(source && target);
    images_test::FillMarkers(source.get());
    EXPECT_EQ(target.get(), s::image::CopyImage(source.get(), target.get()));
    // Re-created at exactly the source's size, not kept in the bigger buffer.
    EXPECT_EQ(3, target->GetCapacityWidth());
    EXPECT_EQ(2, target->GetCapacityHeight());

    ImagePtr empty(s::image::win::BufferedImage::New());
    EXPECT_EQ(target.get(), s::image::CopyImage(empty.get(), target.get()));
    EXPECT_EQ(0, target->GetWidth());
    EXPECT_EQ(0, target->GetHeight());
    EXPECT_EQ(nullptr, s::image::CopyImage(empty.get(), nullptr));
    EXPECT_EQ(nullptr, s::image::RotateRight(empty.get(), nullptr));
}

} // namespace
