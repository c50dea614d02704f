#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/button/Thin.h"
#include "skins/drawer/text/Basic.h"
#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/checkbox/IThin.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace checkbox {
namespace win {

// A check box's look: box and text colours, with the button drawer of its check glyph and the
// text drawer of its caption, which it owns.
class Thin : public PooledDrawer<Thin, IThin> {
public:
    Thin();
    ~Thin() override;

    const wchar_t* GetClassName() override;
    void Reset() override;

    // Also the colour of the caption's normal font setting.
    void SetTextColor(int32_t red, int32_t green, int32_t blue) override;
    void SetDisabledTextColor(int32_t red, int32_t green, int32_t blue) override;
    void SetBoxColor(int32_t red, int32_t green, int32_t blue) override { box_ = ComposeColor(red, green, blue); }
    void SetGlyphButtonColor(int32_t red, int32_t green, int32_t blue) override;
    void ApplyToFonts(IFont* normal, IFont* disabled) override;
    void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t boxSize, bool checked,
              const wchar_t* text, IFont* font) override;
    void GetSizeLimits(CDC* dc, const wchar_t* text, IFont* font, int32_t* minimumWidth, int32_t* minimumHeight,
                       int32_t* maximumWidth, int32_t* maximumHeight) override;

    COLORREF GetTextColor() const { return text_; }
    COLORREF GetBoxColor() const { return box_; }
    button::win::Thin* GetGlyphButtonDrawer() { return glyphButton_; }
    text::win::Basic* GetTextDrawer() { return textDrawer_; }

private:
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    COLORREF text_;
    COLORREF box_;
    button::win::Thin* glyphButton_;
    text::win::Basic* textDrawer_;
};

} // namespace win
} // namespace checkbox
} // namespace drawer
} // namespace gui
} // namespace s
