#pragma once
#include <cstdint>

#include "core/thread/IPoolable.h"
#include "images/codecs/IEncodeSetting.h"
#include "storage/settings/IMappedData.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str

namespace image {
namespace gui {
namespace boxes {
class ConfigBoxBase;
}
} // namespace gui

// What the five encoder settings share: the attached store under its base path, the last
// option panel, and the section every key of a setting lives in.
class EncodeSettingBase : public IEncodeSetting, public thread::IPoolable {
public:
    EncodeSettingBase();
    ~EncodeSettingBase() override;

    // The primary image alone, encoded as a single picture.
    IEncodedImage* FromImageSet(win::BufferedImageSet* set) override;
    // A new panel of the format, bound to this setting; the last one made is the one applied.
    gui::IEncodeSettingBox* CreateConfigBox() override;
    // Without a panel nothing is taken and nothing saved.
    bool ApplyConfigBox() override;
    bool HasStore() override { return store_ != nullptr; }
    map::IMappedData* GetStore() override { return store_; }
    bool Attach(const wchar_t* basePath, map::IMappedData* store) override;
    // Without a store both leave everything as it is.
    bool Load() override;
    bool Save() override;

    gui::IEncodeSettingBox* GetConfigBox();
    const wchar_t* GetBasePath();

    // The image an encoding reads: the filtered image of a source with filters (owned by the
    // source, which keeps its own pixels), else the source; null when the filters give nothing.
    static IBufferedImage* FilteredSource(IBufferedImage* image);

    // The background colour's 8-bit components, kept as given (0 to 255 expected).
    int32_t BgRed;
    int32_t BgGreen;
    int32_t BgBlue;

protected:
    // "\GifEncodeSetting" and the like, appended to the base path as it stands.
    virtual const wchar_t* GetSubKey() = 0;
    virtual void LoadSection(const wchar_t* section) = 0;
    virtual void SaveSection(const wchar_t* section) = 0;
    // The format's panel from its pool; null when none could be had.
    virtual gui::boxes::ConfigBoxBase* NewConfigBox() = 0;

    // Store, base path and panel let go; a white background.
    void ResetBase();
    // The keys "BgRed", "BgGreen" and "BgBlue" in that order.
    void LoadBackground(const wchar_t* section);
    void SaveBackground(const wchar_t* section);

    // A new codec object from its pool filled by convert (codec) → bool; null when either fails.
    template <class Codec, class Convert>
    static IEncodedImage* NewConverted(Convert convert)
    {
        Codec* codec = Codec::New();
        if (codec && !convert(codec)) {
            codec->ReleaseToPool();
            return nullptr;
        }
        return codec;
    }
    // The same for the image an encoding reads (FilteredSource), convert taking (codec, source);
    // null as well when the filters give nothing.
    template <class Codec, class Convert>
    static IEncodedImage* NewConvertedFrom(IBufferedImage* image, Convert convert)
    {
        IBufferedImage* source = FilteredSource(image);
        if (!source)
            return nullptr;
        return NewConverted<Codec>([&](Codec* codec) { return convert(codec, source); });
    }

private:
    EncodeSettingBase(const EncodeSettingBase&) = delete;
    EncodeSettingBase& operator=(const EncodeSettingBase&) = delete;

    // Runs the operation on the setting's section text; false without a store.
    bool InSection(void (EncodeSettingBase::*use)(const wchar_t*));

    map::IMappedData* store_;
    str::strbuffer::StrBuffer* basePath_;
    // Kept, never owned: the host gives it back to its pool.
    gui::boxes::ConfigBoxBase* panel_;
};

} // namespace image
} // namespace s
