// The filter list of an image: look-up by the name's address, release on removal, the cached
// filtered image dropped by every change, the chain and its alpha flag.
#include <functional>

#include <gtest/gtest.h>

#include "images/ImageFixtures.h"
#include "images/TestFilter.h"
#include "images/win/BufferedImage.h"

namespace {

using images_test::ImagePtr;
using images_test::MakeImage;
using images_test::TestFilter;
using s::image::win::BufferedImage;

const wchar_t kBlur[] = L"Blur";
// Equal characters in storage of their own.
const wchar_t kBlurLookalike[] = L"Blur";
const wchar_t kTint[] = L"Tint";

TEST(BufferedImageFilters, LookupIsByTheNamesAddress)
{
    ImagePtr image = MakeImage(2, 2);
    ASSERT_TRUE(image);
    int32_t index = -7;
    EXPECT_FALSE(image->FindFilter(kBlur, &index));
    TestFilter tint(kTint, false);
    TestFilter blur(kBlur, false);
    image->AddFilter(&tint);
    image->AddFilter(&blur);
    ASSERT_NE(static_cast<const void*>(kBlur), static_cast<const void*>(kBlurLookalike));
    EXPECT_FALSE(image->FindFilter(kBlurLookalike, &index));
    EXPECT_EQ(-7, index);
    EXPECT_TRUE(image->FindFilter(kBlur, &index));
    EXPECT_EQ(1, index);
    EXPECT_EQ(&blur, image->GetFilter(1));
    EXPECT_EQ(nullptr, image->GetFilter(2));
    EXPECT_EQ(nullptr, image->GetFilter(-1));
    image->DetachAllFilters();
}

TEST(BufferedImageFilters, RemovalReleasesOnlyAutoReleaseFilters)
{
    ImagePtr image = MakeImage(2, 2);
    ASSERT_TRUE(image);
    TestFilter owned(kTint, false);
    TestFilter handedOver(kBlur, true);

    image->AddFilter(&owned);
    image->AddFilter(&handedOver);
    image->RemoveFilter(1);
    image->RemoveFilter(0);
    EXPECT_EQ(1, handedOver.released);
    EXPECT_EQ(0, owned.released);
    EXPECT_FALSE(image->HasFilters());

    image->AddFilter(&owned);
    image->AddFilter(&handedOver);
    image->RemoveAllFilters();
    EXPECT_EQ(2, handedOver.released);
    EXPECT_EQ(0, owned.released);

    image->AddFilter(&handedOver);
    image->DetachAllFilters();
    EXPECT_EQ(2, handedOver.released);
    EXPECT_FALSE(image->HasFilters());
    EXPECT_EQ(0u, image->GetFilterList()->GetCount());

    // Giving the image back releases what it was left to release.
    BufferedImage* pooled = s::image::win::NewBufferedImage(2, 2);
    ASSERT_NE(nullptr, pooled);
    pooled->AddFilter(&handedOver);
    pooled->AddFilter(&owned);
    pooled->ReleaseToPool();
    EXPECT_EQ(3, handedOver.released);
    EXPECT_EQ(0, owned.released);
}

TEST(BufferedImageFilters, EveryChangeOfTheListDropsTheFilteredImage)
{
    struct Change {
        const char* name;
        std::function<void(BufferedImage*, TestFilter*)> apply;
    };
    const Change changes[] = {
        {"add", [](BufferedImage* image, TestFilter* extra) { image->AddFilter(extra); }},
        {"insert", [](BufferedImage* image, TestFilter* extra) { EXPECT_TRUE(image->InsertFilter(0, extra)); }},
        {"insert at the end",
         [](BufferedImage* image, TestFilter* extra) { EXPECT_TRUE(image->InsertFilter(1, extra)); }},
        {"remove", [](BufferedImage* image, TestFilter* extra) {
             image->AddFilter(extra);
             image->GetFilteredImage();
             image->RemoveFilter(1);
         }},
    };
    for (const Change& change : changes) {
        ImagePtr image = MakeImage(3, 3);
        ASSERT_TRUE(image);
        images_test::Fill(image.get(), 0xFF000000u);
        TestFilter filter(kTint, false);
        TestFilter extra(kBlur, false);
        image->AddFilter(&filter);
        ASSERT_NE(nullptr, image->GetFilteredImage());
        ASSERT_NE(nullptr, image->GetFilteredImage());
        EXPECT_EQ(1, filter.applied) << "cached until the list changes";
        const int before = filter.applied;
        change.apply(image.get(), &extra);
        const int afterChange = filter.applied;
        EXPECT_NE(nullptr, image->GetFilteredImage()) << change.name;
        EXPECT_EQ(afterChange + 1, filter.applied) << change.name;
        EXPECT_LE(before, afterChange);
        image->DetachAllFilters();
    }

    // Emptying the list leaves no filtered image at all.
    ImagePtr image = MakeImage(3, 3);
    ASSERT_TRUE(image);
    TestFilter filter(kTint, false);
    image->AddFilter(&filter);
    ASSERT_NE(nullptr, image->GetFilteredImage());
    image->RemoveAllFilters();
    EXPECT_EQ(nullptr, image->GetFilteredImage());
    image->AddFilter(&filter);
    ASSERT_NE(nullptr, image->GetFilteredImage());
    image->DetachAllFilters();
    EXPECT_EQ(nullptr, image->GetFilteredImage());
}

TEST(BufferedImageFilters, TheChainRunsInOrderFromTheImage)
{
    ImagePtr image = MakeImage(4, 3);
    ASSERT_TRUE(image);
    images_test::Fill(image.get(), 0xFF101010u);
    TestFilter first(kTint, false);
    first.setsPixels = true;
    first.pixel = 0xFF00FF00u;
    TestFilter second(kBlur, false);
    second.lastPixel = 0xFF0000FFu;
    image->AddFilter(&first);
    image->AddFilter(&second);

    s::image::IBufferedImage* filtered = image->ApplyFilters();
    ASSERT_NE(nullptr, filtered);
    EXPECT_EQ(image.get(), first.lastSource);
    EXPECT_NE(image.get(), second.lastSource);
    EXPECT_EQ(filtered, image->GetFilteredImage());
    EXPECT_EQ(4, filtered->GetWidth());
    EXPECT_EQ(0xFF00FF00u, filtered->GetRow(0)[0]);
    EXPECT_EQ(0xFF0000FFu, filtered->GetRow(2)[3]);
    EXPECT_EQ(0xFF101010u, image->GetRow(0)[0]);
    image->DetachAllFilters();
}

TEST(BufferedImageFilters, TheAlphaFlagOfTheResultFollowsItsPixels)
{
    struct Case {
        uint32_t lastPixel;
        bool sourceHasAlpha;
        bool hasAlpha;
    };
    const Case cases[] = {{0xFEFFFFFFu, false, true}, {0x00000000u + 1, false, true}, {0xFF123456u, true, false}};
    for (const Case& c : cases) {
        ImagePtr image = MakeImage(5, 5);
        ASSERT_TRUE(image);
        images_test::Fill(image.get(), 0xFFFFFFFFu);
        image->SetHasAlpha(c.sourceHasAlpha);
        TestFilter filter(kTint, false);
        filter.lastPixel = c.lastPixel;
        image->AddFilter(&filter);
        s::image::IBufferedImage* filtered = image->ApplyFilters();
        ASSERT_NE(nullptr, filtered);
        EXPECT_EQ(c.hasAlpha, filtered->HasAlpha()) << std::hex << c.lastPixel;
        image->DetachAllFilters();
    }
}

TEST(BufferedImageFilters, NoFiltersOrAFailedFilterGiveNoFilteredImage)
{
    ImagePtr image = MakeImage(2, 2);
    ASSERT_TRUE(image);
    EXPECT_EQ(nullptr, image->ApplyFilters());
    EXPECT_EQ(nullptr, image->GetFilteredImage());

    TestFilter failing(kTint, false);
    failing.fails = true;
    TestFilter after(kBlur, false);
    image->AddFilter(&failing);
    image->AddFilter(&after);
    EXPECT_EQ(nullptr, image->ApplyFilters());
    EXPECT_EQ(0, after.applied);
    EXPECT_FALSE(image->InsertFilter(3, &after));
    EXPECT_FALSE(image->InsertFilter(-1, &after));
    image->RemoveFilter(5);
    EXPECT_EQ(2u, image->GetFilterList()->GetCount());
    image->DetachAllFilters();
}

TEST(BufferedImageFilters, ADestroyedImageLeavesTheFiltersItDoesNotOwn)
{
    bool ownedDestroyed = false;
    bool handedOverDestroyed = false;
    TestFilter* owned = new TestFilter(kTint, false);
    TestFilter* handedOver = new TestFilter(kBlur, true);
    owned->destroyed = &ownedDestroyed;
    handedOver->destroyed = &handedOverDestroyed;

    // What a full pool or the pool's end at exit does.
    BufferedImage* image = s::image::win::NewBufferedImage(2, 2);
    ASSERT_NE(nullptr, image);
    image->AddFilter(owned);
    image->AddFilter(handedOver);
    ASSERT_NE(nullptr, image->GetFilteredImage());
    delete image;
    EXPECT_TRUE(handedOverDestroyed);
    EXPECT_FALSE(ownedDestroyed);
    EXPECT_EQ(0, owned->released);
    delete owned;
}

} // namespace
