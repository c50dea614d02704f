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

// Draws and measures texts with a font's colours, layout and effect style, and holds the five
// font settings of a label's states (normal, disabled, link, link hover, link pressed).
// Rectangles have exclusive right and bottom edges.
class IText : public base::IObject, public thread::IPoolable {
public:
    virtual void DrawText(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* text,
                          IFont* font) = 0;
    virtual void MeasureText(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* text,
                             IFont* font, int32_t* width, int32_t* height) = 0;
    // Each given font keeps its size and explicit choices and takes the rest from the matching
    // setting; null entries are skipped.
    virtual void ApplyToFonts(IFont* normal, IFont* disabled, IFont* link, IFont* linkHover,
                              IFont* linkPressed) = 0;
    virtual void ApplyToFontSettings(IFontSetting* normal, IFontSetting* disabled, IFontSetting* link,
                                     IFontSetting* linkHover, IFontSetting* linkPressed) = 0;
    virtual void GetTextSizeLimits(CDC* dc, const wchar_t* text, IFont* font, int32_t* minimumWidth,
                                   int32_t* minimumHeight, int32_t* maximumWidth, int32_t* maximumHeight) = 0;
    // The settings themselves: callers change them in place and never release them.
    virtual IFontSetting* GetNormalFontSetting() = 0;
    virtual IFontSetting* GetDisabledFontSetting() = 0;
    virtual IFontSetting* GetLinkFontSetting() = 0;
    virtual IFontSetting* GetLinkHoverFontSetting() = 0;
    virtual IFontSetting* GetLinkPressedFontSetting() = 0;
    virtual void SetCenteredSingleLine(uint8_t centered) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
