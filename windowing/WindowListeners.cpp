// The window's listener lists: one per event code, told in order on the window's thread.
#include "windowing/Window.h"

namespace s {
namespace gui {
namespace win {

void Window::AddListener(int32_t code, events::IEventListener* listener)
{
    if (listener)
        listeners_[code].Append(listener);
}

bool Window::HasListeners(int32_t code)
{
    return listeners_[code].GetCount() > 0;
}

void Window::TellListeners(int32_t code)
{
    // A listener may add another; it is told too.
    col::_array::ArrayP& list = listeners_[code];
    for (uint32_t i = 0; i < list.GetCount(); ++i)
        static_cast<events::IEventListener*>(list.Get(i))->OnEvent(this, code);
}

void Window::AddCloseListener(events::IEventListener* listener)
{
    AddListener(kEventClose, listener);
}

void Window::AddUserEventListener(events::IEventListener* listener)
{
    AddListener(kEventUser, listener);
}

void Window::AddRightButtonDownListener(events::IEventListener* listener)
{
    AddListener(kEventRightDown, listener);
}

void Window::AddResizeListener(events::IEventListener* listener)
{
    AddListener(kEventResized, listener);
}

void Window::AddLeftButtonDownListener(events::IEventListener* listener)
{
    AddListener(kEventLeftDown, listener);
}

void Window::AddActivateListener(events::IEventListener* listener)
{
    AddListener(kEventActivated, listener);
}

void Window::AddDeactivateListener(events::IEventListener* listener)
{
    AddListener(kEventDeactivated, listener);
}

void Window::AddSizingListener(events::IEventListener* listener)
{
    AddListener(kEventSizing, listener);
}

void Window::AddMiddleButtonListener(events::IEventListener* listener)
{
    AddListener(kEventMiddleDown, listener);
}

void Window::AddMovingListener(events::IEventListener* listener)
{
    AddListener(kEventMoving, listener);
}

void Window::AddMovedListener(events::IEventListener* listener)
{
    AddListener(kEventMoved, listener);
}

void Window::AddKeyDownListener(events::IEventListener* listener)
{
    AddListener(kEventKeyDown, listener);
}

void Window::AddMouseMoveListener(events::IEventListener* listener)
{
    AddListener(kEventMouseMove, listener);
}

void Window::AddMouseWheelListener(events::IEventListener* listener)
{
    AddListener(kEventMouseWheel, listener);
}

void Window::AddNotifyListener(events::IEventListener* listener)
{
    AddListener(kEventNotify, listener);
}

void Window::AddDoubleClickListener(events::IEventListener* listener)
{
    AddListener(kEventDoubleClick, listener);
}

void Window::AddRestoreListener(events::IEventListener* listener)
{
    AddListener(kEventRestore, listener);
}

void Window::AddRightButtonUpListener(events::IEventListener* listener)
{
    AddListener(kEventRightUp, listener);
}

void Window::AddLeftButtonUpListener(events::IEventListener* listener)
{
    AddListener(kEventLeftUp, listener);
}

void Window::AddTimerListener(events::IEventListener* listener)
{
    AddListener(kEventTimer, listener);
}

void Window::AddHotKeyListener(events::IEventListener* listener)
{
    AddListener(kEventHotKey, listener);
}

void Window::AddClipboardChangeListener(events::IEventListener* listener)
{
    AddListener(kEventClipboardChange, listener);
}

void Window::AddLanguageChangeListener(events::IEventListener* listener)
{
    AddListener(kEventLanguageChange, listener);
}

void Window::AddCaptureChangedListener(events::IEventListener* listener)
{
    AddListener(kEventCaptureChanged, listener);
}

void Window::AddTrayMenuListener(events::IEventListener* listener)
{
    AddListener(kEventTrayMenu, listener);
}

void Window::AddContextMenuListener(events::IEventListener* listener)
{
    AddListener(kEventContextMenu, listener);
}

void Window::AddTrayClickListener(events::IEventListener* listener)
{
    AddListener(kEventTrayClick, listener);
}

} // namespace win
} // namespace gui
} // namespace s
