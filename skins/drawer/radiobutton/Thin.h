#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/text/Basic.h"
#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/radiobutton/IThin.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace radiobutton {
namespace win {

// A radio button's look: frame and dot colours, with the text drawer of its caption, which it
// owns.
class Thin : public PooledDrawer<Thin, IThin> {
public:
    Thin();
    ~Thin() override;

    const wchar_t* GetClassName() override;
    void Reset() override;

    void SetTextColor(int32_t red, int32_t green, int32_t blue) override;
    void SetDisabledTextColor(int32_t red, int32_t green, int32_t blue) override;
    void SetFrameColor(int32_t red, int32_t green, int32_t blue) override { frame_ = ComposeColor(red, green, blue); }
    void SetDotColor(int32_t red, int32_t green, int32_t blue) override { dot_ = ComposeColor(red, green, blue); }
    void ApplyToFonts(IFont* normal, IFont* disabled) override;
    void Draw(CDC* dc, CDC* scratch, int32_t left, int32_t top, int32_t right, int32_t bottom, bool checked,
              const wchar_t* text, IFont* font, COLORREF background) override;

    COLORREF GetFrameColor() const { return frame_; }
    COLORREF GetDotColor() const { return dot_; }
    text::win::Basic* GetTextDrawer() { return textDrawer_; }

private:
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    COLORREF frame_;
    COLORREF dot_;
    text::win::Basic* textDrawer_;
};

} // namespace win
} // namespace radiobutton
} // namespace drawer
} // namespace gui
} // namespace s
