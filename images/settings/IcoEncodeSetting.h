#pragma once
#include <cstdint>

#include "core/col/Arrays.h"
#include "core/thread/PooledClass.h"
#include "images/settings/EncodeSettingBase.h"

namespace s {
namespace image {
namespace win {
class BufferedImage;
}
namespace ico {
namespace win {
class Icon;
}

// The icon save choices: the entry sizes and depths, keeping the width/height ratio (the
// picture centred on a transparent square), transparency kept or filled with the background.
class EncodeSetting : public thread::PooledClass<EncodeSetting, EncodeSettingBase> {
public:
    static constexpr const wchar_t* kClassName = L"s_image_ico_EncodeSetting";
    // Larger entries are always written at 32 bits.
    static constexpr int32_t kLargestPaletteSide = 255;

    EncodeSetting();
    void Reset() override;

    // One entry per image in the entry formats when there are as many formats as images; else
    // the primary image encoded.
    IEncodedImage* FromImageSet(image::win::BufferedImageSet* set) override;
    // Every size at every depth, sizes first; null when no size or no depth is chosen or when an
    // entry cannot be made.
    IEncodedImage* EncodeImage(IBufferedImage* image) override;

    bool KeepTransparency;
    bool KeepRatio;
    // Entry edge lengths in pixels and bit depths, in the order the entries are made.
    col::_array::ArrayS32 Sizes;
    col::_array::ArrayS32 Bpps;
    // Per image of a set: edge length << 16 | bit depth.
    col::_array::ArrayS32 EntryFormats;

protected:
    const wchar_t* GetSubKey() override { return L"\\IcoEncodeSetting"; }
    void LoadSection(const wchar_t* section) override;
    void SaveSection(const wchar_t* section) override;
    gui::boxes::ConfigBoxBase* NewConfigBox() override;

private:
    // The source scaled to size x size; under KeepRatio an oblong result is centred on a new
    // transparent square, handed out in square for the caller to give back. Null when the
    // source cannot be scaled.
    IBufferedImage* ScaledSquare(IBufferedImage* source, int32_t size, image::win::BufferedImage** square);
    // Converts the picture at the depth into a new entry of the icon; false when it cannot.
    bool AddEntry(win::Icon* icon, IBufferedImage* picture, int32_t depth);
    // A new icon of one entry per entry format, each of the set's image at the same index.
    IEncodedImage* EncodeEntryFormats(image::win::BufferedImageSet* set);
};

} // namespace ico
} // namespace image
} // namespace s
