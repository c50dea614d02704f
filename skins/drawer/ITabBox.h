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

// A tab box's colour and fonts; it paints nothing of its own.
class ITabBox : public base::IObject, public thread::IPoolable {
public:
    virtual void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    virtual void SetColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void ApplyToFonts(IFont* normal, IFont* disabled) = 0;
    virtual IFontSetting* GetFontSetting() = 0;
    virtual IFontSetting* GetDisabledFontSetting() = 0;
    virtual void ApplyToTabFont(IFont* font) = 0;
    virtual IFontSetting* GetTabFontSetting() = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
