#pragma once
#include <cstdint>

namespace s {
namespace gui {
class IWindow;
}

namespace image {
namespace gui {
namespace boxes {

// The language texts of the option panels' captions.
enum PanelTextId : int32_t {
    kTextBackground = 2000000000,
    kTextKeepTransparency = 2000001000,
    kTextFillColor = 2000002000,
    kTextChangeColor = 2000003000,
    kTextQuality = 2000004000,
    kTextGifResolution = 2000005000,
    kTextGif8Bpp = 2000006000,
    kTextGif4Bpp = 2000007000,
    kTextInterlace = 2000008000,
    kTextEnableInterlacing = 2000009000,
    kTextScaling = 2000010000,
    kTextKeepRatio = 2000011000,
    kTextSizesToInclude = 2000012000,
    kTextResolutionsToInclude = 2000013000,
    kTextIco32Bpp = 2000014000,
    kTextIco8Bpp = 2000016000,
    kTextIco4Bpp = 2000017000,
    kTextBmpResolution = 2000018000,
    kTextBmp32Bpp = 2000019000,
    kTextBmp24Bpp = 2000020000,
    kTextBmp8Bpp = 2000022000,
    kTextBmp4Bpp = 2000023000,
};

// True when the window's language has a text of its own for the id. The language pack holds no
// panel texts: without one the English caption shows instead of an empty one.
bool HasLanguageText(s::gui::IWindow* window, int32_t id);

// The caption by text id where the window's language has it, else the English text.
template <class Widget>
void SetPanelCaption(Widget* widget, s::gui::IWindow* window, int32_t id, const wchar_t* english)
{
    if (HasLanguageText(window, id))
        widget->SetCaptionTextId(id);
    else
        widget->SetCaption(english);
}

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
