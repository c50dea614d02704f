#include "images/codecs/ico/win/Icon.h"

#include "core/io/IInputStream.h"
#include "images/codecs/DecodeLimits.h"
#include "images/codecs/EncodeSettingSource.h"
#include "images/codecs/ico/win/IconArchiveImages.h"
#include "images/codecs/ico/win/IconImage.h"
#include "images/win/BufferedImage.h"
#include "images/win/BufferedImageSet.h"
#include "storage/archive/icon/Archive.h"
#include "storage/archive/icon/Entry.h"
#include "storage/file/Pooled.h"

namespace s {
namespace image {
namespace ico {
namespace win {

namespace {

using archive::icon::Archive;
using archive::icon::DirectoryRecord;

// The entry a window shows first: 32 x 32, the deepest.
const int32_t kBestSide = 32;
const int32_t kBestDepth = 32;
// Directory bytes keep the side below 256; 0 stands for 256 and more.
const int32_t kLargestByteSide = 255;

uint8_t SideByte(int32_t side)
{
    return side <= kLargestByteSide ? static_cast<uint8_t>(side) : 0;
}

} // namespace

Icon::Icon() {}

// The images' pool may be gone when this one's pool goes at exit: the images go with the icon.
Icon::~Icon()
{
    for (IconImage* image : images_)
        delete image;
}

thread::EasyPooler* Icon::GetPool()
{
    return &thread::PoolOf<Icon>();
}

Icon* Icon::New()
{
    return thread::TakeFromPool<Icon>();
}

const wchar_t* Icon::GetClassName()
{
    return kClassName;
}

base::IObject* Icon::NewInstance()
{
    return New();
}

void Icon::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Icon::Reset()
{
    FreeImages();
}

void Icon::FreeImages()
{
    for (IconImage* image : images_)
        image->ReleaseToPool();
    std::vector<IconImage*>().swap(images_);
}

int32_t Icon::GetWidth()
{
    return images_.empty() ? 0 : images_[0]->GetWidth();
}

int32_t Icon::GetHeight()
{
    return images_.empty() ? 0 : images_[0]->GetHeight();
}

void Icon::AddImage(IconImage* image)
{
    if (image)
        images_.push_back(image);
}

IEncodeSetting* Icon::TakeSetting()
{
    IEncodeSettingSource* settings = GetEncodeSettingSource();
    if (!settings)
        return nullptr;
    std::vector<int32_t> formats;
    for (IconImage* image : images_)
        formats.push_back(image->GetWidth() << 16 | image->GetBitCount());
    return settings->TakeIcoSetting(true, false, formats.data(), static_cast<int32_t>(formats.size()));
}

IEncodedImage* Icon::FromImage(IBufferedImage* image)
{
    return EncodeWithSetting(TakeSetting(), image);
}

IEncodedImage* Icon::FromImageSet(image::win::BufferedImageSet* set)
{
    return EncodeSetWithSetting(TakeSetting(), set);
}

IconImage* Icon::GetImage(int32_t index)
{
    return index >= 0 && index < GetImageCount() ? images_[index] : nullptr;
}

IBufferedImage* Icon::ToBufferedImage(int32_t index, IBufferedImage* target)
{
    IconImage* image = GetImage(index);
    return image ? image->ToBufferedImage(0, target) : nullptr;
}

image::win::BufferedImageSet* Icon::ToBufferedImageSet()
{
    image::win::BufferedImageSet* set = image::win::BufferedImageSet::New();
    if (!set)
        return nullptr;
    for (IconImage* image : images_) {
        auto* rendered = dynamic_cast<image::win::BufferedImage*>(image->ToBufferedImage(0, nullptr));
        if (rendered)
            set->AddImage(rendered, image->GetBitCount(), 0, 0);
    }
    return set;
}

bool Icon::Decode(io::IInputStream* in)
{
    FreeImages();
    if (!in)
        return false;
    const uint64_t start = in->GetPosition();
    const int64_t end = in->SeekToEnd();
    file::Pooled<Archive> archive;
    if (!archive || end < 0 || uint64_t(end) < start)
        return false;
    archive->SetSource(in, start, uint64_t(end) - start);
    uint32_t best = 0;
    if (!archive->ReadDirectory() || !archive->FindBestImage(kBestSide, kBestSide, kBestDepth, &best)) {
        archive->Close();
        return false;
    }
    // Every image counts against one cap, so a directory of many large entries cannot exhaust memory.
    int64_t pixelsLeft = kMaxDecodedPixels;
    bool withinCap = true;
    auto take = [&](uint32_t index) {
        IconImage* image = archive::icon::GetIconImage(archive.get(), index);
        if (!image)
            return;
        const int64_t pixels = int64_t(image->GetWidth()) * image->GetHeight();
        if (pixels > pixelsLeft) {
            withinCap = false;
            image->ReleaseToPool();
            return;
        }
        pixelsLeft -= pixels;
        images_.push_back(image);
    };
    take(best);
    for (uint32_t i = 0; i < archive->GetEntryCount() && withinCap; ++i) {
        if (i != best)
            take(i);
    }
    archive->Close();
    if (!withinCap || images_.empty()) {
        FreeImages();
        return false;
    }
    return true;
}

bool Icon::Encode(io::IOutputStream* out)
{
    if (!out || images_.empty())
        return false;
    file::Pooled<Archive> archive;
    if (!archive)
        return false;
    for (IconImage* image : images_) {
        archive::icon::Entry* entry = archive::icon::Entry::New();
        if (!entry)
            return false;
        archive->AddEntry(entry);
        DirectoryRecord& record = entry->Record();
        record = DirectoryRecord{};
        const int32_t bits = image->GetBitCount();
        record.width = SideByte(image->GetWidth());
        record.height = SideByte(image->GetHeight());
        record.colorCount = bits < 8 ? static_cast<uint8_t>(1 << bits) : 0;
        record.planes = 1;
        record.bitCount = static_cast<uint16_t>(bits);
        col::_array::ArrayU08* bytes = entry->Bytes();
        bytes->SetCount(0);
        if (!image->Encode(bytes))
            return false;
        bytes->SeekToStart();
        record.bytesInEntry = bytes->GetCount();
        entry->SetLoaded(true);
    }
    return archive->WriteIco(out);
}

ImageShape Icon::ShapeOf(int32_t index)
{
    IconImage* image = images_[index];
    return ImageShape{image->GetWidth(), image->GetHeight(), image->GetBitCount()};
}

bool Icon::FindExactImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index)
{
    return FindImage(GetImageCount(), [this](int32_t i) { return ShapeOf(i); }, width, height, bitsPerPixel,
                     ImageSearch::kExact, index);
}

bool Icon::FindNearestDepthImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index)
{
    return FindImage(GetImageCount(), [this](int32_t i) { return ShapeOf(i); }, width, height, bitsPerPixel,
                     ImageSearch::kNearestDepth, index);
}

bool Icon::FindNearestSizeImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index)
{
    return FindImage(GetImageCount(), [this](int32_t i) { return ShapeOf(i); }, width, height, bitsPerPixel,
                     ImageSearch::kNearestSize, index);
}

} // namespace win
} // namespace ico
} // namespace image
} // namespace s
