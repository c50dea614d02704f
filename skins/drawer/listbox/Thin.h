#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/listbox/Basic.h"
#include "skins/drawer/listbox/IThin.h"

namespace s {
namespace gui {
namespace drawer {
namespace listbox {
namespace win {

// The skins' list-box drawer: one Basic drawer in the system's colours, which it owns and to
// which it forwards every operation, with darker defaults of its own.
class Thin : public PooledDrawer<Thin, IThin> {
public:
    Thin();
    ~Thin() override;

    const wchar_t* GetClassName() override;
    void Reset() override;

    COLORREF GetSelectionColor() override;
    void SetSelectionColor(int32_t red, int32_t green, int32_t blue) override;
    COLORREF GetBackgroundColor() override;
    uint8_t GetBackgroundRed() override;
    uint8_t GetBackgroundGreen() override;
    uint8_t GetBackgroundBlue() override;
    void SetBackgroundColor(int32_t red, int32_t green, int32_t blue) override;
    void ApplyToFonts(IFont* normal, IFont* selected) override;
    IFontSetting* GetTextFontSetting() override;
    IFontSetting* GetSelectedTextFontSetting() override;
    void SetTextColor(int32_t red, int32_t green, int32_t blue) override;
    void SetSelectedTextColor(int32_t red, int32_t green, int32_t blue) override;
    uint8_t GetAlternateRed() override;
    uint8_t GetAlternateGreen() override;
    uint8_t GetAlternateBlue() override;
    COLORREF GetAlternateColor() override;
    void SetAlternateColor(int32_t red, int32_t green, int32_t blue) override;

    Basic* GetInnerDrawer() { return inner_; }

private:
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    Basic* inner_;
};

} // namespace win
} // namespace listbox
} // namespace drawer
} // namespace gui
} // namespace s
