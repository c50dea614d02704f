#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
#include "windowing/paint/IFont.h"
#include "windowing/paint/IFontSetting.h"

namespace s {
namespace gui {
namespace drawer {

// The frame colour and caption fonts of a group box.
class IGroupBox : public base::IObject, public thread::IPoolable {
public:
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
