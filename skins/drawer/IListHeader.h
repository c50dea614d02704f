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

// The colours, metrics and caption font of a list header's look.
class IListHeader : public base::IObject, public thread::IPoolable {
public:
    virtual void SetPushShift(int32_t shift) = 0;
    virtual uint8_t GetForegroundRed() = 0;
    virtual uint8_t GetForegroundGreen() = 0;
    virtual uint8_t GetForegroundBlue() = 0;
    virtual void SetForegroundColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual uint8_t GetBackgroundRed() = 0;
    virtual uint8_t GetBackgroundGreen() = 0;
    virtual uint8_t GetBackgroundBlue() = 0;
    virtual void SetBackgroundColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void ApplyToFonts(IFont* font) = 0;
    virtual IFontSetting* GetFontSetting() = 0;
    virtual void SetHeight(int32_t height) = 0;
    virtual int32_t GetHeight() = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
