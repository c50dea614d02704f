#pragma once
#include <windows.h>

#include "mfc/DC.h"
#include "windowing/paint/IFont.h"

namespace s {
namespace gui {
namespace drawer {

// Selects a font into a context for a scope; a null font, or one without a GDI font, leaves the
// context's own.
class SelectedFont {
public:
    SelectedFont(CDC* dc, IFont* font) : dc_(dc), previous_(nullptr)
    {
        HFONT handle = font ? font->GetFontHandle() : nullptr;
        if (handle)
            previous_ = dc_->SelectObject(handle);
    }
    ~SelectedFont()
    {
        if (previous_)
            dc_->SelectObject(previous_);
    }

private:
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

    CDC* dc_;
    HGDIOBJ previous_;
};

} // namespace drawer
} // namespace gui
} // namespace s
