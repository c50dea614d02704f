// The encoder settings in a settings store: their reset values, the keys they read and write in
// order with their defaults, the base path taken as given, and what Save leaves to the store.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "images/settings/BmpEncodeSetting.h"
#include "images/settings/GifEncodeSetting.h"
#include "images/settings/IcoEncodeSetting.h"
#include "images/settings/JpgEncodeSetting.h"
#include "images/settings/PngEncodeSetting.h"
#include "images/settings/RecordingStore.h"
#include "storage/file/Pooled.h"

namespace {

using s::file::Pooled;
using settings_test::RecordingStore;
using Keys = std::vector<std::wstring>;

std::vector<int32_t> Values(s::col::_array::ArrayS32& array)
{
    std::vector<int32_t> values;
    for (uint32_t i = 0; i < array.GetCount(); ++i)
        values.push_back(array.Get(i));
    return values;
}

const Keys kGifKeys = {L"KeepTransparency", L"WithInterlace", L"BgRed", L"BgGreen", L"BgBlue", L"Bpp"};
const Keys kBmpKeys = {L"KeepTransparency", L"BgRed", L"BgGreen", L"BgBlue", L"Bpp"};
const Keys kJpgKeys = {L"Quality", L"BgRed", L"BgGreen", L"BgBlue"};
const Keys kPngKeys = {L"KeepTransparency", L"WithInterlace", L"BgRed", L"BgGreen", L"BgBlue"};
const Keys kIcoReadKeys = {L"KeepTransparency", L"KeepRatio", L"BgRed",   L"BgGreen", L"BgBlue",
                           L"Size016",          L"Size024",   L"Size032", L"Size048", L"Size064",
                           L"Size096",          L"Bpp04",     L"Bpp08",   L"Bpp32"};

struct SettingCase {
    const wchar_t* className;
    const wchar_t* subKey;
    Keys keys;
    s::image::EncodeSettingBase* (*take)();
};

template <class T>
s::image::EncodeSettingBase* Take()
{
    return T::New();
}

const SettingCase kSettings[] = {
    {L"s_image_gif_EncodeSetting", L"GifEncodeSetting", kGifKeys, &Take<s::image::gif::EncodeSetting>},
    {L"s_image_bmp_EncodeSetting", L"BmpEncodeSetting", kBmpKeys, &Take<s::image::bmp::EncodeSetting>},
    {L"s_image_jpg_EncodeSetting", L"JpgEncodeSetting", kJpgKeys, &Take<s::image::jpg::EncodeSetting>},
    {L"s_image_png_EncodeSetting", L"PngEncodeSetting", kPngKeys, &Take<s::image::png::EncodeSetting>},
    {L"s_image_ico_EncodeSetting", L"IcoEncodeSetting", kIcoReadKeys, &Take<s::image::ico::EncodeSetting>},
};

TEST(EncodeSettingStoreTest, ASettingFromItsPoolHasItsResetValues)
{
    Pooled<s::image::gif::EncodeSetting> gif;
    EXPECT_TRUE(gif->KeepTransparency);
    EXPECT_TRUE(gif->WithInterlace);
    EXPECT_EQ(8, gif->Bpp);
    Pooled<s::image::bmp::EncodeSetting> bmp;
    EXPECT_TRUE(bmp->KeepTransparency);
    EXPECT_EQ(24, bmp->Bpp);
    Pooled<s::image::jpg::EncodeSetting> jpg;
    EXPECT_EQ(75, jpg->Quality);
    Pooled<s::image::png::EncodeSetting> png;
    EXPECT_TRUE(png->KeepTransparency);
    EXPECT_TRUE(png->WithInterlace);
    Pooled<s::image::ico::EncodeSetting> ico;
    EXPECT_TRUE(ico->KeepTransparency);
    EXPECT_TRUE(ico->KeepRatio);
    EXPECT_EQ(0u, ico->Sizes.GetCount());
    EXPECT_EQ(0u, ico->Bpps.GetCount());
    EXPECT_EQ(0u, ico->EntryFormats.GetCount());
    for (const SettingCase& c : kSettings) {
        s::image::EncodeSettingBase* setting = c.take();
        ASSERT_NE(nullptr, setting);
        EXPECT_STREQ(c.className, setting->GetClassName());
        EXPECT_EQ(255, setting->BgRed);
        EXPECT_EQ(255, setting->BgGreen);
        EXPECT_EQ(255, setting->BgBlue);
        EXPECT_FALSE(setting->HasStore());
        EXPECT_EQ(nullptr, setting->GetStore());
        EXPECT_EQ(nullptr, setting->GetConfigBox());
        setting->ReleaseToPool();
    }
}

TEST(EncodeSettingStoreTest, GivenBackASettingForgetsItsStoreAndValues)
{
    RecordingStore store;
    Pooled<s::image::ico::EncodeSetting> used;
    used->Attach(L"Host", &store);
    used->BgRed = 1;
    used->EntryFormats.Append(16 << 16 | 8);
    used->Reset();
    EXPECT_FALSE(used->HasStore());
    EXPECT_EQ(nullptr, used->GetBasePath());
    EXPECT_EQ(255, used->BgRed);
    EXPECT_EQ(0u, used->Sizes.GetCount());
    EXPECT_EQ(0u, used->EntryFormats.GetCount());
}

TEST(EncodeSettingStoreTest, AttachReadsEveryKeyOfItsSectionInOrder)
{
    for (const SettingCase& c : kSettings) {
        RecordingStore store;
        s::image::EncodeSettingBase* setting = c.take();
        ASSERT_NE(nullptr, setting);
        setting->Attach(L"Options", &store);
        EXPECT_TRUE(setting->HasStore());
        EXPECT_EQ(&store, setting->GetStore());
        EXPECT_EQ(c.keys, store.Keys(L"get ")) << c.subKey;
        ASSERT_FALSE(store.log.empty());
        EXPECT_EQ(std::wstring(L"get Options\\") + c.subKey + L"|" + c.keys[0], store.log[0]);
        EXPECT_TRUE(store.Keys(L"set ").empty());
        setting->ReleaseToPool();
    }
}

TEST(EncodeSettingStoreTest, AnEmptyStoreGivesTheDefaults)
{
    RecordingStore store;
    Pooled<s::image::ico::EncodeSetting> ico;
    ico->Attach(L"Options", &store);
    EXPECT_EQ((std::vector<int32_t>{16, 24, 32, 48}), Values(ico->Sizes));
    EXPECT_EQ((std::vector<int32_t>{4, 8, 32}), Values(ico->Bpps));
    EXPECT_TRUE(ico->KeepRatio);
    Pooled<s::image::gif::EncodeSetting> gif;
    gif->Bpp = 2;
    gif->BgBlue = 0;
    gif->Attach(L"Options", &store);
    EXPECT_EQ(8, gif->Bpp);
    EXPECT_EQ(255, gif->BgBlue);
    // The quality the setting has is the default of its key.
    Pooled<s::image::jpg::EncodeSetting> jpg;
    jpg->Quality = 90;
    jpg->Attach(L"Options", &store);
    EXPECT_EQ(90, jpg->Quality);
}

TEST(EncodeSettingStoreTest, StoredValuesAreTakenUnchecked)
{
    RecordingStore store;
    store.SetBool(L"App\\GifEncodeSetting", L"KeepTransparency", false);
    store.SetBool(L"App\\GifEncodeSetting", L"WithInterlace", false);
    store.SetInt32(L"App\\GifEncodeSetting", L"BgGreen", 300);
    store.SetInt32(L"App\\GifEncodeSetting", L"Bpp", 5);
    store.SetInt32(L"App\\JpgEncodeSetting", L"Quality", 300);
    store.SetInt32(L"App\\BmpEncodeSetting", L"Bpp", -7);
    store.SetBool(L"App\\PngEncodeSetting", L"WithInterlace", false);
    store.SetBool(L"App\\IcoEncodeSetting", L"KeepRatio", false);
    store.SetBool(L"App\\IcoEncodeSetting", L"Size016", false);
    store.SetBool(L"App\\IcoEncodeSetting", L"Size096", true);
    store.SetBool(L"App\\IcoEncodeSetting", L"Bpp08", false);

    Pooled<s::image::gif::EncodeSetting> gif;
    gif->Attach(L"App", &store);
    EXPECT_FALSE(gif->KeepTransparency);
    EXPECT_FALSE(gif->WithInterlace);
    EXPECT_EQ(255, gif->BgRed);
    EXPECT_EQ(300, gif->BgGreen);
    EXPECT_EQ(5, gif->Bpp);
    Pooled<s::image::jpg::EncodeSetting> jpg;
    jpg->Attach(L"App", &store);
    EXPECT_EQ(300, jpg->Quality);
    Pooled<s::image::bmp::EncodeSetting> bmp;
    bmp->Attach(L"App", &store);
    EXPECT_EQ(-7, bmp->Bpp);
    Pooled<s::image::png::EncodeSetting> png;
    png->Attach(L"App", &store);
    EXPECT_FALSE(png->WithInterlace);
    EXPECT_TRUE(png->KeepTransparency);
    Pooled<s::image::ico::EncodeSetting> ico;
    ico->EntryFormats.Append(48 << 16 | 32);
    ico->Attach(L"App", &store);
    EXPECT_FALSE(ico->KeepRatio);
    EXPECT_EQ((std::vector<int32_t>{24, 32, 48, 96}), Values(ico->Sizes));
    EXPECT_EQ((std::vector<int32_t>{4, 32}), Values(ico->Bpps));
    // The entry formats are no stored choice.
    EXPECT_EQ((std::vector<int32_t>{48 << 16 | 32}), Values(ico->EntryFormats));
}

TEST(EncodeSettingStoreTest, SaveWritesEveryKeyInOrderAndLeavesTheFileToTheStore)
{
    const Keys kIcoWrites = {L"KeepTransparency", L"KeepRatio", L"BgRed",   L"BgGreen", L"BgBlue",
                             L"Size016",          L"Size024",   L"Size032", L"Size048", L"Size064",
                             L"Size096",          L"Size016",   L"Size048", L"Bpp04",   L"Bpp08",
                             L"Bpp32",            L"Bpp08"};
    for (const SettingCase& c : kSettings) {
        RecordingStore store;
        s::image::EncodeSettingBase* setting = c.take();
        ASSERT_NE(nullptr, setting);
        // Without a store nothing is written anywhere.
        EXPECT_FALSE(setting->Save());
        setting->Attach(L"Options", &store);
        if (auto* ico = dynamic_cast<s::image::ico::EncodeSetting*>(setting)) {
            ico->Sizes.SetCount(0);
            ico->Sizes.Append(16);
            ico->Sizes.Append(48);
            ico->Bpps.SetCount(0);
            ico->Bpps.Append(8);
        }
        store.log.clear();
        setting->BgGreen = 7;
        setting->Save();
        const Keys expected = dynamic_cast<s::image::ico::EncodeSetting*>(setting) ? kIcoWrites : c.keys;
        EXPECT_EQ(expected, store.Keys(L"set ")) << c.subKey;
        EXPECT_TRUE(store.Keys(L"get ").empty());
        EXPECT_NE(store.log.end(), std::find(store.log.begin(), store.log.end(),
                                             std::wstring(L"set Options\\") + c.subKey + L"|BgGreen=7"));
        EXPECT_EQ(0, store.saves) << c.subKey;
        setting->ReleaseToPool();
    }
}

TEST(EncodeSettingStoreTest, OnlyTheSixStoredIconSizesComeBack)
{
    RecordingStore store;
    Pooled<s::image::ico::EncodeSetting> ico;
    ico->Attach(L"Options", &store);
    ico->Sizes.SetCount(0);
    for (int32_t size : {16, 80, 256})
        ico->Sizes.Append(size);
    ico->Bpps.SetCount(0);
    ico->Bpps.Append(24);
    ico->Bpps.Append(32);
    store.log.clear();
    ico->Save();
    const std::wstring section = L"Options\\IcoEncodeSetting";
    EXPECT_TRUE(store.GetBool(section.c_str(), L"Size016", false));
    for (const wchar_t* key : {L"Size024", L"Size032", L"Size048", L"Size064", L"Size096"})
        EXPECT_FALSE(store.GetBool(section.c_str(), key, true)) << key;
    EXPECT_FALSE(store.GetBool(section.c_str(), L"Bpp04", true));
    EXPECT_FALSE(store.GetBool(section.c_str(), L"Bpp08", true));
    EXPECT_TRUE(store.GetBool(section.c_str(), L"Bpp32", false));
    // Sizes that have no key stay with the object until it loads again.
    EXPECT_EQ((std::vector<int32_t>{16, 80, 256}), Values(ico->Sizes));
    ico->Load();
    EXPECT_EQ((std::vector<int32_t>{16}), Values(ico->Sizes));
    EXPECT_EQ((std::vector<int32_t>{32}), Values(ico->Bpps));
}

TEST(EncodeSettingStoreTest, TheBasePathIsUsedAsGiven)
{
    struct Case {
        const wchar_t* base;
        const wchar_t* firstRead;
    };
    const Case cases[] = {
        {L"Host\\", L"get Host\\\\PngEncodeSetting|KeepTransparency"},
        {L"", L"get \\PngEncodeSetting|KeepTransparency"},
        {L"A\\B", L"get A\\B\\PngEncodeSetting|KeepTransparency"},
    };
    for (const Case& c : cases) {
        RecordingStore store;
        Pooled<s::image::png::EncodeSetting> png;
        png->Attach(c.base, &store);
        EXPECT_STREQ(c.base, png->GetBasePath());
        ASSERT_FALSE(store.log.empty());
        EXPECT_EQ(c.firstRead, store.log[0]);
    }
    // A second attach replaces the path and the store.
    RecordingStore first;
    RecordingStore second;
    Pooled<s::image::png::EncodeSetting> png;
    png->Attach(L"One", &first);
    png->Attach(L"Two", &second);
    EXPECT_STREQ(L"Two", png->GetBasePath());
    EXPECT_EQ(&second, png->GetStore());
    png->Save();
    EXPECT_TRUE(first.Keys(L"set ").empty());
    EXPECT_EQ(L"set Two\\PngEncodeSetting|KeepTransparency=true", second.log[5]);
}

TEST(EncodeSettingStoreTest, ApplyingWithoutAPanelSavesNothing)
{
    RecordingStore store;
    for (const SettingCase& c : kSettings) {
        s::image::EncodeSettingBase* setting = c.take();
        ASSERT_NE(nullptr, setting);
        setting->Attach(L"Options", &store);
        store.log.clear();
        EXPECT_TRUE(setting->ApplyConfigBox());
        EXPECT_TRUE(store.log.empty()) << c.subKey;
        setting->ReleaseToPool();
    }
}

} // namespace
