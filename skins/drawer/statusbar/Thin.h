#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/statusbar/IThin.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace statusbar {
namespace win {

// A status bar's look: one colour and a fixed height; it paints nothing.
class Thin : public PooledDrawer<Thin, IThin> {
public:
    Thin();

    const wchar_t* GetClassName() override;
    void Reset() override;

    void Draw(CDC*, int32_t, int32_t, int32_t, int32_t) override {}
    int32_t GetHeight() override { return 13; }
    void SetColor(int32_t red, int32_t green, int32_t blue) override { color_ = ComposeColor(red, green, blue); }

    COLORREF GetColor() const { return color_; }

private:
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    COLORREF color_;
};

} // namespace win
} // namespace statusbar
} // namespace drawer
} // namespace gui
} // namespace s
