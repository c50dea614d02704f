#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/button/Thin.h"
#include "skins/drawer/text/Basic.h"
#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/combo/IThin.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace combo {
namespace win {

// A drop-down face's look: its foreground colour and fonts, with the text drawer of its text and
// the button drawer of its face and arrow, which it owns.
class Thin : public PooledDrawer<Thin, IThin> {
public:
    Thin();
    ~Thin() override;

    const wchar_t* GetClassName() override;
    void Reset() override;

    void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state, const wchar_t* text,
              IFont* font, bool enabled) override;

    void SetTextColor(int32_t red, int32_t green, int32_t blue) override;
    void SetDisabledTextColor(int32_t red, int32_t green, int32_t blue) override;
    void SetForegroundColor(int32_t red, int32_t green, int32_t blue) override;
    void ApplyToFonts(IFont* normal, IFont* disabled) override;

    COLORREF GetForegroundColor() const { return foreground_; }
    text::win::Basic* GetTextDrawer() { return textDrawer_; }
    button::win::Thin* GetArrowButtonDrawer() { return arrowButton_; }

private:
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    text::win::Basic* textDrawer_;
    button::win::Thin* arrowButton_;
    COLORREF foreground_;
};

} // namespace win
} // namespace combo
} // namespace drawer
} // namespace gui
} // namespace s
