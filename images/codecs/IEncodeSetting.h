#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace map {
class IMappedData;
}

namespace image {
class IBufferedImage;
class IEncodedImage;
namespace win {
class BufferedImageSet;
}
namespace gui {
class IEncodeSettingBox;
}

// The save choices of one image format. The codecs reach the settings through this interface
// only: the settings and their option panels live in a layer above them.
class IEncodeSetting : public base::IObject {
public:
    // A new codec object of the format, which the caller releases; null when it cannot be made.
    virtual IEncodedImage* FromImageSet(win::BufferedImageSet* set) = 0;
    virtual IEncodedImage* EncodeImage(IBufferedImage* image) = 0;
    // A new option panel bound to this setting; the host gives it back to its pool.
    virtual gui::IEncodeSettingBox* CreateConfigBox() = 0;
    // Takes the panel's choices and saves them; true.
    virtual bool ApplyConfigBox() = 0;
    virtual bool HasStore() = 0;
    // Not owned: the setting never closes or frees it.
    virtual map::IMappedData* GetStore() = 0;
    // Binds the store under the base section path (taken verbatim) and loads from it.
    virtual bool Attach(const wchar_t* basePath, map::IMappedData* store) = 0;
    virtual bool Load() = 0;
    // Writes the values without saving the store: its auto-save flag decides when they reach
    // its file.
    virtual bool Save() = 0;
};

} // namespace image
} // namespace s
