#include "images/settings/IcoEncodeSetting.h"

#include "images/codecs/ico/win/Icon.h"
#include "images/codecs/ico/win/IconImage.h"
#include "images/settings/boxes/IcoConfigBox.h"
#include "images/win/BufferedImage.h"
#include "images/win/BufferedImageSet.h"
#include "storage/file/Pooled.h"

namespace s {
namespace image {
namespace ico {

using image::win::BufferedImage;

namespace {

struct ChoiceKey {
    int32_t value;
    const wchar_t* key;
    bool byDefault;
};

// Only these sizes and depths are stored; other sizes live while the setting does.
const ChoiceKey kSizeKeys[] = {{16, L"Size016", true}, {24, L"Size024", true}, {32, L"Size032", true},
                               {48, L"Size048", true}, {64, L"Size064", false}, {96, L"Size096", false}};
const ChoiceKey kDepthKeys[] = {{4, L"Bpp04", true}, {8, L"Bpp08", true}, {32, L"Bpp32", true}};

const wchar_t* KeyOf(const ChoiceKey* keys, size_t count, int32_t value)
{
    for (size_t i = 0; i < count; ++i) {
        if (keys[i].value == value)
            return keys[i].key;
    }
    return nullptr;
}

// Frees an array that goes back with the setting: the pool keeps no storage.
void Emptied(col::_array::ArrayS32* array)
{
    array->FreeAll();
}

// Entries of an icon under construction; the icon is given back unless released.
class IconUnderway {
public:
    IconUnderway() : icon_(win::Icon::New()) {}
    ~IconUnderway()
    {
        if (icon_)
            icon_->ReleaseToPool();
    }
    win::Icon* get() const { return icon_; }
    win::Icon* release()
    {
        win::Icon* icon = icon_;
        icon_ = nullptr;
        return icon;
    }

private:
    win::Icon* icon_;
};

} // namespace

EncodeSetting::EncodeSetting() : KeepTransparency(true), KeepRatio(true) {}

void EncodeSetting::Reset()
{
    ResetBase();
    KeepTransparency = true;
    KeepRatio = true;
    Emptied(&Sizes);
    Emptied(&Bpps);
    Emptied(&EntryFormats);
}

void EncodeSetting::LoadSection(const wchar_t* section)
{
    KeepTransparency = GetStore()->GetBool(section, L"KeepTransparency", true);
    KeepRatio = GetStore()->GetBool(section, L"KeepRatio", true);
    LoadBackground(section);
    Sizes.SetCount(0);
    Bpps.SetCount(0);
    for (const ChoiceKey& size : kSizeKeys) {
        if (GetStore()->GetBool(section, size.key, size.byDefault))
            Sizes.Append(size.value);
    }
    for (const ChoiceKey& depth : kDepthKeys) {
        if (GetStore()->GetBool(section, depth.key, depth.byDefault))
            Bpps.Append(depth.value);
    }
}

void EncodeSetting::SaveSection(const wchar_t* section)
{
    GetStore()->SetBool(section, L"KeepTransparency", KeepTransparency);
    GetStore()->SetBool(section, L"KeepRatio", KeepRatio);
    SaveBackground(section);
    for (const ChoiceKey& size : kSizeKeys)
        GetStore()->SetBool(section, size.key, false);
    for (uint32_t i = 0; i < Sizes.GetCount(); ++i) {
        if (const wchar_t* key = KeyOf(kSizeKeys, sizeof(kSizeKeys) / sizeof(kSizeKeys[0]), Sizes.Get(i)))
            GetStore()->SetBool(section, key, true);
    }
    for (const ChoiceKey& depth : kDepthKeys)
        GetStore()->SetBool(section, depth.key, false);
    for (uint32_t i = 0; i < Bpps.GetCount(); ++i) {
        if (const wchar_t* key = KeyOf(kDepthKeys, sizeof(kDepthKeys) / sizeof(kDepthKeys[0]), Bpps.Get(i)))
            GetStore()->SetBool(section, key, true);
    }
}

IBufferedImage* EncodeSetting::ScaledSquare(IBufferedImage* source, int32_t size, BufferedImage** square)
{
    *square = nullptr;
    // The scaled copy stays the source's own.
    IBufferedImage* scaled = source->Scale(size, size, KeepRatio);
    if (!scaled)
        return nullptr;
    const int32_t width = scaled->GetWidth();
    const int32_t height = scaled->GetHeight();
    if (width == size && height == size)
        return scaled;
    BufferedImage* made = BufferedImage::New();
    if (!made)
        return nullptr;
    if (!made->Create(size, size)) {
        made->ReleaseToPool();
        return nullptr;
    }
    for (int32_t y = 0; y < size; ++y) {
        uint32_t* row = made->GetRow(y);
        for (int32_t x = 0; x < size; ++x)
            row[x] = 0;
    }
    made->SetHasAlpha(true);
    made->DrawImage((size - width) / 2, (size - height) / 2, width, height, scaled, 0, 0, false);
    *square = made;
    return made;
}

bool EncodeSetting::AddEntry(win::Icon* icon, IBufferedImage* picture, int32_t depth)
{
    win::IconImage* entry = win::IconImage::New();
    if (!entry)
        return false;
    if (!entry->ConvertFrom(picture, depth, KeepTransparency, BgRed, BgGreen, BgBlue)) {
        entry->ReleaseToPool();
        return false;
    }
    icon->AddImage(entry);
    return true;
}

IEncodedImage* EncodeSetting::EncodeImage(IBufferedImage* image)
{
    IBufferedImage* source = FilteredSource(image);
    if (!source)
        return nullptr;
    if (Sizes.GetCount() == 0 || Bpps.GetCount() == 0)
        return nullptr;
    IconUnderway icon;
    if (!icon.get())
        return nullptr;
    for (uint32_t i = 0; i < Sizes.GetCount(); ++i) {
        const int32_t size = Sizes.Get(i);
        BufferedImage* square = nullptr;
        IBufferedImage* picture = ScaledSquare(source, size, &square);
        file::Pooled<BufferedImage> heldSquare(square);
        if (!picture)
            return nullptr;
        if (size > kLargestPaletteSide) {
            if (!AddEntry(icon.get(), picture, 32))
                return nullptr;
            continue;
        }
        for (uint32_t d = 0; d < Bpps.GetCount(); ++d) {
            if (!AddEntry(icon.get(), picture, Bpps.Get(d)))
                return nullptr;
        }
    }
    return icon.release();
}

IEncodedImage* EncodeSetting::EncodeEntryFormats(image::win::BufferedImageSet* set)
{
    IconUnderway icon;
    if (!icon.get())
        return nullptr;
    for (uint32_t i = 0; i < EntryFormats.GetCount(); ++i) {
        const int32_t format = EntryFormats.Get(i);
        IBufferedImage* source = FilteredSource(set->GetImage(static_cast<int32_t>(i)));
        BufferedImage* square = nullptr;
        IBufferedImage* picture = source ? ScaledSquare(source, format >> 16, &square) : nullptr;
        file::Pooled<BufferedImage> heldSquare(square);
        // The depth of the format holds at every size.
        if (!picture || !AddEntry(icon.get(), picture, format & 0xFFFF))
            return nullptr;
    }
    return icon.release();
}

IEncodedImage* EncodeSetting::FromImageSet(image::win::BufferedImageSet* set)
{
    if (!set)
        return nullptr;
    const uint32_t count = EntryFormats.GetCount();
    if (count == 0 || static_cast<int32_t>(count) != set->GetCount())
        return EncodeSettingBase::FromImageSet(set);
    return EncodeEntryFormats(set);
}

gui::boxes::ConfigBoxBase* EncodeSetting::NewConfigBox()
{
    return gui::boxes::IcoConfigBox::New();
}

} // namespace ico
} // namespace image
} // namespace s
