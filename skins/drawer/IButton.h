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

// The colours, options and font settings of a push button's look.
class IButton : public base::IObject, public thread::IPoolable {
public:
    // Paints the face for a visual state (0 normal, 1 hot, 2 pressed) with a text or glyph
    // caption ("#..." names a glyph); right and bottom exclusive. Caption and font may be null.
    virtual void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
                      const wchar_t* caption, bool framed, IFont* font, bool enabled, bool down, bool hot) = 0;
    virtual void SetColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetFirstOption(uint8_t option) = 0;
    virtual void SetSecondOption(uint8_t option) = 0;
    virtual void SetBorderStyle(int32_t style) = 0;
    virtual void SetPushShift(uint8_t shift) = 0;
    virtual uint8_t GetForegroundRed() = 0;
    virtual uint8_t GetForegroundGreen() = 0;
    virtual uint8_t GetForegroundBlue() = 0;
    virtual void SetForegroundColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual uint8_t GetDisabledRed() = 0;
    virtual uint8_t GetDisabledGreen() = 0;
    virtual uint8_t GetDisabledBlue() = 0;
    virtual void SetDisabledColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetDownColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetDownBackgroundColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual uint8_t GetDownBackgroundRed() = 0;
    virtual uint8_t GetDownBackgroundGreen() = 0;
    virtual uint8_t GetDownBackgroundBlue() = 0;
    // Draws the glyph the text names, or the "#Color-" swatch it describes, in the colour; false
    // (nothing drawn) when it names neither.
    virtual bool DrawGlyph(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* text,
                           int32_t red, int32_t green, int32_t blue) = 0;
    virtual void ApplyToFonts(IFont* normal, IFont* disabled) = 0;
    virtual void ApplyToFontSettings(IFontSetting* normal, IFontSetting* disabled) = 0;
    virtual IFontSetting* GetFontSetting() = 0;
    virtual IFontSetting* GetDisabledFontSetting() = 0;
    virtual void ApplyToSecondFont(IFont* font) = 0;
    virtual void ApplyToSecondFontSetting(IFontSetting* setting) = 0;
    virtual IFontSetting* GetSecondFontSetting() = 0;
    virtual void SetBorderShaded(uint8_t shaded) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
