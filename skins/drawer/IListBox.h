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

// The colours and fonts of a report list's items.
class IListBox : public base::IObject, public thread::IPoolable {
public:
    virtual COLORREF GetSelectionColor() = 0;
    virtual void SetSelectionColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual COLORREF GetBackgroundColor() = 0;
    virtual uint8_t GetBackgroundRed() = 0;
    virtual uint8_t GetBackgroundGreen() = 0;
    virtual uint8_t GetBackgroundBlue() = 0;
    virtual void SetBackgroundColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void ApplyToFonts(IFont* normal, IFont* selected) = 0;
    virtual IFontSetting* GetTextFontSetting() = 0;
    virtual IFontSetting* GetSelectedTextFontSetting() = 0;
    virtual void SetTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetSelectedTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual uint8_t GetAlternateRed() = 0;
    virtual uint8_t GetAlternateGreen() = 0;
    virtual uint8_t GetAlternateBlue() = 0;
    virtual COLORREF GetAlternateColor() = 0;
    virtual void SetAlternateColor(int32_t red, int32_t green, int32_t blue) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
