// What the captioned controls share: the native text shows an ampersand as written, on the
// control each kind makes, and the two-state ones tell their enable and disable listeners of a
// change only.
#include <windows.h>

#include <functional>

#include <gtest/gtest.h>

#include "support/RecordingListener.h"
#include "windowing/widgets/CheckBox.h"
#include "windowing/widgets/GroupBox.h"
#include "windowing/widgets/RadioButton.h"
#include "windowing/widgets/WidgetStage.h"

namespace {

using s::gui::IComponent;
using s::gui::events::IEventListener;
using s::gui::win::CheckBox;
using s::gui::win::GroupBox;
using s::gui::win::RadioButton;
using testing_support::RecordingListener;

// One kind of control as the tests drive it, with the style bits its native control must show
// under the mask.
struct Kind {
    const char* name;
    std::function<IComponent*()> make;
    std::function<void(IComponent*, const wchar_t*)> setCaption;
    std::function<const wchar_t*(IComponent*)> caption;
    int controlId;
    LONG styleMask;
    LONG style;
};

template <class Widget>
Kind KindOf(const char* name, std::function<Widget*()> make, int controlId, LONG styleMask, LONG style)
{
    return Kind{name,
                [make] { return static_cast<IComponent*>(make()); },
                [](IComponent* widget, const wchar_t* text) { dynamic_cast<Widget*>(widget)->SetCaption(text); },
                [](IComponent* widget) { return dynamic_cast<Widget*>(widget)->GetCaption(); },
                controlId,
                styleMask,
                style};
}

// No radio button starts a group of its own: all under one parent form one group.
const Kind kKinds[] = {
    KindOf<CheckBox>("check box", [] { return CheckBox::New(); }, 1003, 0x0F, BS_AUTOCHECKBOX),
    KindOf<RadioButton>("radio button", [] { return RadioButton::New(); }, 1003, 0x0F | WS_GROUP, BS_AUTORADIOBUTTON),
    KindOf<GroupBox>("group box", [] { return GroupBox::CreateWithBox(L"", -1, s::gui::IBox::kColumn, 0, 0); }, 1000,
                     0x0F, BS_GROUPBOX),
};

// A two-state kind: made, and its enable and disable listeners added.
struct TwoState {
    const char* name;
    std::function<IComponent*()> make;
    std::function<void(IComponent*, IEventListener*, IEventListener*)> addListeners;
};

template <class Widget>
TwoState TwoStateOf(const char* name)
{
    return TwoState{name, [] { return static_cast<IComponent*>(Widget::New()); },
                    [](IComponent* widget, IEventListener* enables, IEventListener* disables) {
                        dynamic_cast<Widget*>(widget)->AddEnableListener(enables);
                        dynamic_cast<Widget*>(widget)->AddDisableListener(disables);
                    }};
}

const TwoState kTwoStates[] = {TwoStateOf<CheckBox>("check box"), TwoStateOf<RadioButton>("radio button")};

HWND NativeOf(IComponent* widget)
{
    return dynamic_cast<CWnd*>(widget)->GetSafeHwnd();
}

class CaptionedControlTest : public testing_support::WidgetStage {};

TEST_F(CaptionedControlTest, AnAmpersandIsDoubledInTheNativeTextOnly)
{
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        IComponent* widget = kind.make();
        ASSERT_NE(nullptr, widget);
        kind.setCaption(widget, L"Save & close");
        Add(widget);
        HWND control = NativeOf(widget);
        ASSERT_NE(nullptr, control);
        wchar_t text[32] = {};
        GetWindowTextW(control, text, 32);
        EXPECT_STREQ(L"Save && close", text);
        EXPECT_STREQ(L"Save & close", kind.caption(widget));
        EXPECT_EQ(kind.controlId, GetDlgCtrlID(control));
        EXPECT_EQ(kind.style, GetWindowLongW(control, GWL_STYLE) & kind.styleMask);
        box_->RemoveChild(widget, true);
    }
}

TEST_F(CaptionedControlTest, EnablingTellsItsListenersOnlyOnAChange)
{
    for (const TwoState& kind : kTwoStates) {
        SCOPED_TRACE(kind.name);
        IComponent* widget = kind.make();
        ASSERT_NE(nullptr, widget);
        Add(widget);
        HWND control = NativeOf(widget);
        RecordingListener enables;
        RecordingListener disables;
        kind.addListeners(widget, &enables, &disables);
        // Told before the control is disabled.
        disables.action = [&](int32_t) { EXPECT_TRUE(IsWindowEnabled(control)); };
        widget->SetEnabled(false);
        widget->SetEnabled(false);
        EXPECT_FALSE(IsWindowEnabled(control));
        widget->SetEnabled(true);
        EXPECT_TRUE(IsWindowEnabled(control));
        ASSERT_EQ(1u, disables.Count());
        ASSERT_EQ(1u, enables.Count());
        EXPECT_EQ(0, disables.Take()[0].code);
        EXPECT_EQ(0, enables.Take()[0].code);
        box_->RemoveChild(widget, true);
    }
}

} // namespace
