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

// The colours, metrics and caption font of a list header's look.
class IListHeader : public base::IObject, public thread::IPoolable {
public:
    // Fills the header with the given colour when the flag is set, else with its background.
    virtual void FillBackground(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, uint8_t ownColor,
                                int32_t red, int32_t green, int32_t blue) = 0;
    // One header item as a framed button in its state (0 normal, 1 hot, 2 pressed).
    virtual void DrawItem(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
                          const wchar_t* caption, IFont* font) = 0;
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
