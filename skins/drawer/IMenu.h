#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
#include "skins/drawer/ICombo.h"
#include "windowing/paint/IFont.h"
#include "windowing/paint/IFontSetting.h"

namespace s {
namespace gui {
namespace drawer {

// The colours, options and fonts of a menu bar.
class IMenu : public base::IObject, public thread::IPoolable {
public:
    virtual void ApplyToFonts(IFont* normal, IFont* highlight) = 0;
    virtual IFontSetting* GetFontSetting() = 0;
    virtual IFontSetting* GetHighlightFontSetting() = 0;
    // The menu's own combo drawer, for its popup mode; it stays the menu's.
    virtual ICombo* GetComboDrawer() = 0;
    virtual void SetHighlightColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetHighlightTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetHotFill(uint8_t hotFill) = 0;
    virtual void SetHotShift(uint8_t hotShift) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
