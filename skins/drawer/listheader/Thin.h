#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/button/Thin.h"
#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/listheader/IThin.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace listheader {
namespace win {

// A list header's look: its colours, height and caption font, with the button drawer that
// paints each header item, which it owns.
class Thin : public PooledDrawer<Thin, IThin> {
public:
    Thin();
    ~Thin() override;

    const wchar_t* GetClassName() override;
    void Reset() override;

    void FillBackground(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, uint8_t ownColor,
                        int32_t red, int32_t green, int32_t blue) override;
    void DrawItem(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
                  const wchar_t* caption, IFont* font) override;
    void SetPushShift(int32_t shift) override;
    uint8_t GetForegroundRed() override { return RedOf(foreground_); }
    uint8_t GetForegroundGreen() override { return GreenOf(foreground_); }
    uint8_t GetForegroundBlue() override { return BlueOf(foreground_); }
    void SetForegroundColor(int32_t red, int32_t green, int32_t blue) override;
    uint8_t GetBackgroundRed() override { return RedOf(background_); }
    uint8_t GetBackgroundGreen() override { return GreenOf(background_); }
    uint8_t GetBackgroundBlue() override { return BlueOf(background_); }
    void SetBackgroundColor(int32_t red, int32_t green, int32_t blue) override { background_ = ComposeColor(red, green, blue); }
    void ApplyToFonts(IFont* font) override;
    IFontSetting* GetFontSetting() override;
    void SetHeight(int32_t height) override { height_ = height; }
    int32_t GetHeight() override { return height_; }

    int32_t GetPushShift() const { return pushShift_; }
    int32_t GetBorderStyle() const { return borderStyle_; }
    button::win::Thin* GetItemButtonDrawer() { return itemButton_; }

private:
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    int32_t pushShift_;
    int32_t borderStyle_;
    COLORREF foreground_;
    COLORREF background_;
    button::win::Thin* itemButton_;
    int32_t height_;
};

} // namespace win
} // namespace listheader
} // namespace drawer
} // namespace gui
} // namespace s
