#pragma once
#include <cstdint>

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {

class IFont;
namespace drawer {
class IText;
}
namespace events {
class IEventListener;
}

// The toolkit's text widget. Its text may be changed from any thread: once the native window
// exists the change runs on the window's thread and the caller waits for it.
class ILabel : public IComponent {
public:
    static constexpr const wchar_t* kInterfaceName = L"s_gui_ILabel";
    // The code the click listeners of a link are told.
    static constexpr int32_t kEventClick = 1;
    // Hover states of a link.
    static constexpr int32_t kHoverNormal = 0;
    static constexpr int32_t kHoverOver = 1;
    static constexpr int32_t kHoverPressed = 2;

    // The language text id (-1 = a literal text); the text follows the window's language.
    virtual void SetTextId(int32_t textId) = 0;
    virtual int32_t GetTextId() = 0;
    // True when the text changed; a null text is the empty text. With redraw the label paints
    // at once.
    virtual bool SetText(const wchar_t* text, bool redraw) = 0;
    // Read on the label's own thread; another thread may see a text being replaced.
    virtual const wchar_t* GetText() = 0;
    // Shows the text for the period, then the text from before the first temporary text comes
    // back. Ignored before the native window exists.
    virtual void ShowTemporaryText(const wchar_t* text, int32_t periodMillis) = 0;

    // The label's own font; the setters below re-measure.
    virtual IFont* GetFont() = 0;
    // A size code (Font::SetSizeCode), also on the state fonts that exist.
    virtual void SetFontPreset(int32_t code) = 0;
    virtual void SetFontSize(int32_t points) = 0;
    // Also on the state fonts that exist.
    virtual void SetFontBold(bool bold) = 0;
    // The text effect style of the font (1 plain, 7 outlined...).
    virtual void SetFontOutline(int32_t style) = 0;
    // Word wrap.
    virtual void SetFontAttribute1(bool on) = 0;
    // End ellipsis, also on the state fonts that exist.
    virtual void SetFontAttribute2(bool on) = 0;

    // The drawer that measures and paints the text; null goes back to the label's own. An
    // owned drawer goes back to its pool when replaced. In a window with a skin manager the
    // current skin's text drawer takes its place when the native window is made and at each new
    // skin, and is let go when the native window goes.
    virtual void SetTextDrawer(drawer::IText* drawer, bool owned) = 0;
    virtual drawer::IText* GetTextDrawer() = 0;

    // The fonts of the disabled state and of a link's three states, made on first use.
    virtual IFont* GetDisabledFont() = 0;
    virtual IFont* GetLinkFont() = 0;
    virtual IFont* GetHoverFont() = 0;
    virtual IFont* GetPressedFont() = 0;
    // A link's colour at rest and under the mouse (also while pressed); they stay over every
    // drawer and skin the label takes.
    virtual void SetLinkColors(COLORREF normal, COLORREF hover) = 0;

    // A link follows the mouse, opens its target on a click and tells its click listeners; a
    // plain label lets the mouse through to what lies below.
    virtual void SetLink(bool link) = 0;
    virtual bool IsLink() = 0;
    virtual void SetLinkTarget(const wchar_t* target) = 0;
    virtual void AddClickListener(events::IEventListener* listener) = 0;
    virtual int32_t GetHoverState() = 0;
};

} // namespace gui
} // namespace s
