// Image sets: the primary image, the searches, composed frames, copies, detaching and removing.
#include <gtest/gtest.h>

#include <memory>

#include "images/ImageFixtures.h"
#include "images/win/BufferedImageSet.h"

namespace {

using s::image::win::BufferedImage;
using s::image::win::BufferedImageSet;

struct SetReleaser {
    void operator()(BufferedImageSet* set) const
    {
        if (set)
            set->ReleaseToPool();
    }
};
using SetPtr = std::unique_ptr<BufferedImageSet, SetReleaser>;

BufferedImage* Filled(int32_t width, int32_t height, uint32_t pixel)
{
    BufferedImage* image = s::image::win::NewBufferedImage(width, height);
    if (image)
        images_test::Fill(image, pixel);
    return image;
}

TEST(BufferedImageSet, AFreshSetIsEmpty)
{
    SetPtr set(BufferedImageSet::New());
    ASSERT_TRUE(set);
    EXPECT_EQ(0, set->GetCount());
    EXPECT_EQ(1, set->GetLoopCount());
    EXPECT_EQ(0, set->GetWidth());
    EXPECT_EQ(0, set->GetHeight());
    EXPECT_FALSE(set->IsAnimated());
    EXPECT_EQ(nullptr, set->GetPrimaryImage());
    EXPECT_STREQ(L"s_image_win_BufferedImageSet", set->GetClassName());
}

TEST(BufferedImageSet, TheLargestAndThenDeepestImageIsPrimary)
{
    SetPtr set(BufferedImageSet::New());
    set->AddImage(Filled(16, 16, 0), 32, 0, 0);
    EXPECT_EQ(0, set->GetPrimaryIndex());
    set->AddImage(Filled(32, 32, 0), 8, 0, 0);
    EXPECT_EQ(1, set->GetPrimaryIndex());
    set->AddImage(Filled(32, 32, 0), 32, 0, 0);
    EXPECT_EQ(2, set->GetPrimaryIndex());
    // A full tie keeps the earlier one.
    set->AddImage(Filled(32, 32, 0), 32, 0, 0);
    EXPECT_EQ(2, set->GetPrimaryIndex());
    EXPECT_EQ(set->GetImage(2), set->GetPrimaryImage());
    EXPECT_EQ(32, set->GetWidth());
    EXPECT_EQ(4, set->GetCount());
}

TEST(BufferedImageSet, NullOrAlreadyHeldImagesAreNotAdded)
{
    SetPtr set(BufferedImageSet::New());
    BufferedImage* image = Filled(4, 4, 0);
    set->AddImage(image);
    set->AddImage(image, 8, 100, 1);
    set->AddImage(nullptr, 32, 0, 0);
    EXPECT_EQ(1, set->GetCount());
    EXPECT_EQ(0, set->GetDelay(0));
    EXPECT_EQ(nullptr, set->GetImage(1));
    EXPECT_EQ(nullptr, set->GetImage(-1));
}

TEST(BufferedImageSet, DelayAndModePastTheCountAre1000)
{
    SetPtr set(BufferedImageSet::New());
    for (int i = 0; i < 3; ++i)
        set->AddImage(Filled(2, 2, 0), 32, 10 * (i + 1), 1);
    EXPECT_EQ(20, set->GetDelay(1));
    EXPECT_EQ(1, set->GetCombineMode(2));
    EXPECT_EQ(1000, set->GetDelay(5));
    EXPECT_EQ(1000, set->GetCombineMode(5));
    EXPECT_EQ(1000, set->GetDelay(3));
}

TEST(BufferedImageSet, TheSearchesAndTheirTies)
{
    SetPtr set(BufferedImageSet::New());
    set->AddImage(Filled(16, 16, 0), 32, 0, 0);
    set->AddImage(Filled(32, 32, 0), 8, 0, 0);
    struct Case {
        const char* name;
        bool (BufferedImageSet::*find)(int32_t, int32_t, int32_t, int32_t*);
        int32_t width, height, depth;
        bool found;
        int32_t index;
    };
    const Case cases[] = {
        // Area distance 320 against 448.
        {"size", &BufferedImageSet::FindNearestSizeImage, 24, 24, 32, true, 0},
        {"depth", &BufferedImageSet::FindNearestDepthImage, 24, 24, 8, true, 1},
        {"depth, exact", &BufferedImageSet::FindNearestDepthImage, 32, 32, 8, true, 1},
        // Depth 32 is nearer to 24 than 8 is (8 against 16): the 16 x 16 image.
        {"depth 24", &BufferedImageSet::FindNearestDepthImage, 32, 32, 24, true, 0},
        {"exact", &BufferedImageSet::FindExactImage, 32, 32, 8, true, 1},
        {"exact, none", &BufferedImageSet::FindExactImage, 32, 32, 32, false, 0},
    };
    for (const Case& c : cases) {
        int32_t index = -1;
        EXPECT_EQ(c.found, (set.get()->*c.find)(c.width, c.height, c.depth, &index)) << c.name;
        EXPECT_EQ(c.index, index) << c.name;
    }
    // A full tie goes to the earlier image.
    SetPtr twins(BufferedImageSet::New());
    twins->AddImage(Filled(8, 8, 0), 32, 0, 0);
    twins->AddImage(Filled(8, 8, 0), 32, 0, 0);
    int32_t index = -1;
    EXPECT_TRUE(twins->FindNearestSizeImage(10, 10, 24, &index));
    EXPECT_EQ(0, index);
    SetPtr empty(BufferedImageSet::New());
    index = -1;
    EXPECT_FALSE(empty->FindNearestDepthImage(8, 8, 32, &index));
    EXPECT_EQ(0, index);
    EXPECT_FALSE(empty->FindNearestSizeImage(8, 8, 32, &index));
}

TEST(BufferedImageSet, FramesDrawnOverThePreviousAreComposed)
{
    // Frame 0 is red on the left column, frame 1 adds green in the middle, frame 2 blue on the
    // right; elsewhere each frame is fully transparent.
    SetPtr set(BufferedImageSet::New());
    const uint32_t colours[3] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu};
    for (int32_t i = 0; i < 3; ++i) {
        BufferedImage* frame = Filled(3, 1, 0x00000000u);
        frame->GetRow(0)[i] = colours[i];
        frame->SetHasAlpha(true);
        set->AddImage(frame, 8, 100 + i, i == 0 ? 0 : 1);
    }
    set->SetAnimation(false, 5);
    SetPtr composed(set->ComposeFrames());
    ASSERT_TRUE(composed);
    ASSERT_EQ(3, composed->GetCount());
    EXPECT_EQ(0, composed->GetCombineMode(0));
    EXPECT_EQ(2, composed->GetCombineMode(1));
    EXPECT_EQ(2, composed->GetCombineMode(2));
    EXPECT_EQ(102, composed->GetDelay(2));
    EXPECT_TRUE(composed->IsAnimated());
    EXPECT_EQ(5, composed->GetLoopCount());
    BufferedImage* last = composed->GetImage(2);
    EXPECT_EQ(colours[0], last->GetRow(0)[0]);
    EXPECT_EQ(colours[1], last->GetRow(0)[1]);
    EXPECT_EQ(colours[2], last->GetRow(0)[2]);
    BufferedImage* second = composed->GetImage(1);
    EXPECT_EQ(colours[0], second->GetRow(0)[0]);
    EXPECT_EQ(colours[1], second->GetRow(0)[1]);
    EXPECT_EQ(0u, second->GetRow(0)[2]);
    // The source frames are untouched.
    EXPECT_EQ(0u, set->GetImage(2)->GetRow(0)[0]);
}

TEST(BufferedImageSet, CopiesKeepDepthDelayModeAndAnimation)
{
    SetPtr set(BufferedImageSet::New());
    set->AddImage(Filled(10, 5, 0xFF112233u), 8, 40, 1);
    set->AddImage(Filled(20, 10, 0xFF445566u), 24, 50, 2);
    set->SetAnimation(true, 3);

    SetPtr copy(set->Copy());
    ASSERT_TRUE(copy);
    ASSERT_EQ(2, copy->GetCount());
    EXPECT_NE(set->GetImage(0), copy->GetImage(0));
    EXPECT_EQ(0xFF445566u, copy->GetImage(1)->GetRow(9)[19]);
    EXPECT_EQ(50, copy->GetDelay(1));
    EXPECT_EQ(2, copy->GetCombineMode(1));
    EXPECT_EQ(1, copy->GetPrimaryIndex());
    EXPECT_TRUE(copy->IsAnimated());
    EXPECT_EQ(3, copy->GetLoopCount());

    SetPtr scaled(set->ScaledCopy(4, 4, true));
    ASSERT_EQ(2, scaled->GetCount());
    EXPECT_EQ(4, scaled->GetImage(0)->GetWidth());
    EXPECT_EQ(2, scaled->GetImage(0)->GetHeight());
    EXPECT_EQ(0xFF112233u, scaled->GetImage(0)->GetRow(1)[3]);
    // The copies are the set's own, not the images' scaled copies.
    EXPECT_NE(set->GetImage(0)->GetScaledCache(), scaled->GetImage(0));

    SetPtr filtered(set->FilteredCopy());
    ASSERT_EQ(2, filtered->GetCount());
    EXPECT_EQ(0xFF112233u, filtered->GetImage(0)->GetRow(0)[0]);
}

TEST(BufferedImageSet, DetachingLeavesTheImagesRemovingGivesThemBack)
{
    SetPtr set(BufferedImageSet::New());
    images_test::ImagePtr kept(Filled(3, 3, 0xFF010203u));
    set->AddImage(kept.get(), 32, 0, 0);
    set->SetAnimation(true, 4);
    set->DetachAll();
    EXPECT_EQ(0, set->GetCount());
    EXPECT_FALSE(set->IsAnimated());
    EXPECT_EQ(4, set->GetLoopCount());
    EXPECT_EQ(0, set->GetWidth());
    // Still usable by whoever holds it.
    EXPECT_EQ(0xFF010203u, kept->GetRow(2)[2]);
    EXPECT_EQ(3, kept->GetWidth());

    BufferedImage* given = Filled(3, 3, 0);
    set->AddImage(given);
    set->RemoveAll();
    EXPECT_EQ(0, set->GetCount());
    EXPECT_EQ(1, set->GetLoopCount());
    // Back in its pool, reset: the next image taken is that one, without pixels.
    BufferedImage* next = BufferedImage::New();
    EXPECT_EQ(given, next);
    EXPECT_EQ(0, next->GetWidth());
    next->ReleaseToPool();
}

TEST(BufferedImageSet, UpdatingThePrimarySizeReadsTheImagesAgain)
{
    SetPtr set(BufferedImageSet::New());
    set->AddImage(Filled(4, 4, 0), 32, 0, 0);
    set->AddImage(Filled(6, 2, 0), 32, 0, 0);
    EXPECT_EQ(4, set->GetWidth());
    set->GetImage(0)->SetSize(1, 1);
    EXPECT_EQ(2, set->UpdatePrimaryImage());
    EXPECT_EQ(6, set->GetWidth());
    EXPECT_EQ(2, set->GetHeight());
    // The primary index stays where adding put it.
    EXPECT_EQ(0, set->GetPrimaryIndex());
}

} // namespace
