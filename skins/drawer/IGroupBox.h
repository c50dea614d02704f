#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
#include "mfc/DC.h"
#include "windowing/paint/IFont.h"
#include "windowing/paint/IFontSetting.h"

namespace s {
namespace gui {
namespace drawer {

// The frame colour and caption fonts of a group box.
class IGroupBox : public base::IObject, public thread::IPoolable {
public:
    // The caption at (9, 0) in its measured size and the 2-pixel frame open around it.
    virtual void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* caption,
                      IFont* font, int32_t captionWidth, int32_t captionHeight) = 0;
    virtual void SetFrameColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual uint8_t GetFrameRed() = 0;
    virtual uint8_t GetFrameGreen() = 0;
    virtual uint8_t GetFrameBlue() = 0;
    virtual void ApplyToFonts(IFont* normal, IFont* disabled) = 0;
    virtual IFontSetting* GetFontSetting() = 0;
    virtual IFontSetting* GetDisabledFontSetting() = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
