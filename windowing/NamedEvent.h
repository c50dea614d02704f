#pragma once
#include <windows.h>

namespace s {
namespace gui {
namespace win {

// An application event named by the address of one shared constant text. Receivers compare
// the address, never the characters: two equal texts at different addresses are different
// events, and the text only helps a person reading the code.
class NamedEvent {
public:
    constexpr explicit NamedEvent(const wchar_t* name) : name_(name) {}

    // The first word of the event record that carries this event.
    INT_PTR GetData() const { return reinterpret_cast<INT_PTR>(name_); }
    const wchar_t* GetName() const { return name_; }
    bool Is(INT_PTR data) const { return data == GetData(); }

private:
    const wchar_t* name_;
};

} // namespace win
} // namespace gui
} // namespace s
