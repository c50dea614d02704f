#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/text/Basic.h"
#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/tabbox/IThin.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace tabbox {
namespace win {

// A tab box's look: one colour and the fonts of its pages and tabs, with their two text
// drawers, which it owns; it paints nothing.
class Thin : public PooledDrawer<Thin, IThin> {
public:
    Thin();
    ~Thin() override;

    const wchar_t* GetClassName() override;
    void Reset() override;

    void Draw(CDC*, int32_t, int32_t, int32_t, int32_t) override {}
    void SetColor(int32_t red, int32_t green, int32_t blue) override { color_ = ComposeColor(red, green, blue); }
    void ApplyToFonts(IFont* normal, IFont* disabled) override;
    IFontSetting* GetFontSetting() override;
    IFontSetting* GetDisabledFontSetting() override;
    void ApplyToTabFont(IFont* font) override;
    IFontSetting* GetTabFontSetting() override;

    COLORREF GetColor() const { return color_; }
    text::win::Basic* GetPageTextDrawer() { return pageText_; }
    text::win::Basic* GetTabTextDrawer() { return tabText_; }

private:
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    COLORREF color_;
    text::win::Basic* pageText_;
    text::win::Basic* tabText_;
};

} // namespace win
} // namespace tabbox
} // namespace drawer
} // namespace gui
} // namespace s
