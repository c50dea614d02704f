#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace base {
class IObject;
}
namespace lang {
class Localizer;
}
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
namespace events {
class IEventListener;
}
class IWindow;
namespace win {

// The caption of a widget over a native button control (check box, radio button, group box):
// its text, the text id it follows, and the owning window's Localizer, which it follows from
// Join to Leave. Each setter reports whether the control now shows a new text, so that the
// widget measures itself again.
class Caption {
public:
    Caption();
    ~Caption();

    // No text and no id; the Localizer is left by Leave.
    void Reset();

    const wchar_t* GetText();
    int32_t GetTextId() const { return textId_; }
    // Stored (null is empty) and shown in the control, if there is one.
    bool Set(HWND control, const wchar_t* text);
    // Stored; a followed Localizer's text for it is set as by Set.
    bool SetTextId(HWND control, int32_t id);

    // Follows the window's Localizer, if it has one, with the listener.
    void Join(IWindow* window, events::IEventListener* listener);
    void Leave(events::IEventListener* listener);
    // Whether the source is the followed Localizer; its text for the id is then set as by Set
    // and *shown tells whether the control shows it.
    bool TakeLanguage(base::IObject* source, HWND control, bool* shown);
    // A control just made shows the text, in the followed language when an id is set.
    void ShowIn(HWND control);

private:
    Caption(const Caption&) = delete;
    Caption& operator=(const Caption&) = delete;

    const wchar_t* LanguageText();

    str::strbuffer::StrBuffer* text_;
    int32_t textId_;
    lang::Localizer* localizer_;
};

} // namespace win
} // namespace gui
} // namespace s
