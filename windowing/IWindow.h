#pragma once
#include <windows.h>

#include <cstdint>

#include "storage/events/IEventListener.h"
#include "windowing/component/IContainer.h"

namespace s {
namespace lang {
class Localizer;
}
namespace gui {

class IPopupMenu;
namespace drawer {
class Skinner;
}
namespace win {
class NamedEvent;
}

// A top-level window on its own user-interface thread. Other threads reach it only through
// window messages; its listeners run on the window's thread with the window as source (those
// of a language change on the thread that changed the language). It listens itself to the
// language manager it is given. As a container it holds the root components of its content.
class IWindow : public IContainer, public events::IEventListener {
public:
    using IComponent::SetVisible;

    // True once the native frame exists.
    virtual bool IsReady() = 0;

    virtual void SetVisible(bool visible) = 0;
    virtual bool SetCaption(const wchar_t* caption) = 0;
    // Asks the window to close on its own thread; close listeners may refuse.
    virtual void Close() = 0;
    virtual bool IsClosed() = 0;
    // Blocks the calling thread, looking every 10 ms, until the window has been closed; returns
    // at once for a window without a native frame, which can never close.
    virtual void WaitUntilClosed() = 0;
    // Called by a close listener to keep the window open.
    virtual void CancelClose() = 0;
    // Restores a minimized window and brings it to the front.
    virtual void Restore() = 0;

    virtual void AddCloseListener(events::IEventListener* listener) = 0;
    virtual void AddUserEventListener(events::IEventListener* listener) = 0;
    virtual void AddRightButtonDownListener(events::IEventListener* listener) = 0;
    virtual void AddResizeListener(events::IEventListener* listener) = 0;
    virtual void AddLeftButtonDownListener(events::IEventListener* listener) = 0;
    virtual void AddActivateListener(events::IEventListener* listener) = 0;
    virtual void AddDeactivateListener(events::IEventListener* listener) = 0;
    virtual void AddSizingListener(events::IEventListener* listener) = 0;
    virtual void AddMiddleButtonListener(events::IEventListener* listener) = 0;
    virtual void AddMovingListener(events::IEventListener* listener) = 0;
    virtual void AddMovedListener(events::IEventListener* listener) = 0;
    virtual void AddKeyDownListener(events::IEventListener* listener) = 0;
    virtual void AddMouseMoveListener(events::IEventListener* listener) = 0;
    virtual void AddMouseWheelListener(events::IEventListener* listener) = 0;
    virtual void AddNotifyListener(events::IEventListener* listener) = 0;
    virtual void AddDoubleClickListener(events::IEventListener* listener) = 0;
    virtual void AddRestoreListener(events::IEventListener* listener) = 0;
    virtual void AddRightButtonUpListener(events::IEventListener* listener) = 0;
    virtual void AddLeftButtonUpListener(events::IEventListener* listener) = 0;
    virtual void AddTimerListener(events::IEventListener* listener) = 0;
    virtual void AddHotKeyListener(events::IEventListener* listener) = 0;
    virtual void AddClipboardChangeListener(events::IEventListener* listener) = 0;
    virtual void AddLanguageChangeListener(events::IEventListener* listener) = 0;
    virtual void AddCaptureChangedListener(events::IEventListener* listener) = 0;
    virtual void AddTrayMenuListener(events::IEventListener* listener) = 0;
    virtual void AddContextMenuListener(events::IEventListener* listener) = 0;
    virtual void AddTrayClickListener(events::IEventListener* listener) = 0;

    // Captures the mouse; the loss of the capture then reaches the capture listeners, and the
    // cursor position at that moment is kept.
    virtual void CaptureMouse() = 0;
    virtual POINT GetCapturePoint() = 0;
    // With the flag a double click also gets the default handling; without it is swallowed.
    virtual void SetDefaultDoubleClick(bool enabled) = 0;
    // While set and shown, the window sets no cursor.
    virtual void SetHideCursor(bool hide) = 0;
    // Moves the keyboard focus on, as Tab does.
    virtual void FocusNextControl() = 0;

    // Fixed outer sizes (-1 = free; a size of 0 or more is applied at once).
    virtual void SetFixedWidth(int32_t width) = 0;
    virtual void SetFixedHeight(int32_t height) = 0;
    // Grows the window to its minimum size where it is smaller.
    virtual void EnsureMinimumSize() = 0;
    virtual void ShrinkHeightToMinimum() = 0;
    virtual void ShrinkToMinimumSize() = 0;
    virtual void GrowToMaximumSize() = 0;
    // Outer size minus client size.
    virtual int32_t GetFrameWidth() = 0;
    virtual int32_t GetFrameHeight() = 0;
    // Explicit minimum outer sizes (-1 = none).
    virtual void SetMinWidth(int32_t width) = 0;
    virtual void SetMinHeight(int32_t height) = 0;
    // While the user sizes the window it keeps its minimum size: the dragged side gives way.
    virtual void SetEnforceMinSize(bool enforce) = 0;
    virtual void SetEnforceMinSizeHV(bool horizontal, bool vertical) = 0;

    // Captures the top-level window under this one's corner and saves it as a GIF of 8-bit
    // colour on white; false when nothing could be captured or written.
    virtual bool SaveScreenshotGif(const wchar_t* path) = 0;

    // The language manager whose texts name the window; the window follows its changes.
    virtual void SetLocalizer(lang::Localizer* localizer) = 0;
    virtual bool HasLocalizer() = 0;
    virtual lang::Localizer* GetLocalizer() = 0;
    // The caption becomes the text of the id, followed by " v" and the text of the version id
    // unless that is -1; a caption id of -1 changes nothing.
    virtual void SetCaptionTextId(int32_t textId, int32_t versionTextId) = 0;

    // The skin manager whose current skin's window drawer paints the window; the window follows
    // its changes until it is given another or none. Without one the background colour paints.
    virtual void SetSkinner(drawer::Skinner* skinner) = 0;
    virtual bool HasSkinner() = 0;
    virtual drawer::Skinner* GetSkinner() = 0;

    // Hands the four words to the window's thread and returns, after every user-event listener
    // ran there, the result they set; 0 at once without a native frame.
    virtual INT_PTR SendEvent(INT_PTR data, INT_PTR arg1, INT_PTR arg2, INT_PTR arg3) = 0;
    virtual INT_PTR SendEvent(const win::NamedEvent& event, INT_PTR arg1, INT_PTR arg2, INT_PTR arg3) = 0;
    // The same without waiting; true when the record was queued.
    virtual bool PostEvent(INT_PTR data, INT_PTR arg1, INT_PTR arg2, INT_PTR arg3) = 0;
    virtual INT_PTR GetEventData() = 0;
    virtual INT_PTR GetEventArg1() = 0;
    virtual INT_PTR GetEventArg2() = 0;
    virtual INT_PTR GetEventArg3() = 0;
    // The reply to the sender; kept until the next listener sets another.
    virtual void SetEventResult(INT_PTR result) = 0;

    // Key of the last WM_KEYDOWN; a key-down listener may change it (Return is swallowed).
    virtual int32_t GetLastKey() = 0;
    virtual void SetLastKey(int32_t key) = 0;
    // Signed lines of the last wheel turn, negative towards the user.
    virtual int32_t GetWheelLines() = 0;

    // User timers tick on the window's thread; set and killed from any thread.
    virtual bool SetUserTimer(UINT_PTR id, UINT periodMillis) = 0;
    virtual void KillUserTimer(UINT_PTR id) = 0;
    virtual UINT_PTR GetCurrentUserTimerId() = 0;
    // Called by a timer listener: the tick needs no default processing.
    virtual void SetTimerHandled() = 0;

    // The edge the user drags, and the proposed rectangle, while sizing listeners run.
    virtual bool IsSizingLeft() = 0;
    virtual bool IsSizingRight() = 0;
    virtual bool IsSizingTop() = 0;
    virtual bool IsSizingBottom() = 0;
    virtual bool IsSizingTopLeft() = 0;
    virtual bool IsSizingTopRight() = 0;
    virtual bool IsSizingBottomLeft() = 0;
    virtual bool IsSizingBottomRight() = 0;
    virtual int32_t GetSizingLeft() = 0;
    virtual int32_t GetSizingTop() = 0;
    virtual int32_t GetSizingRight() = 0;
    virtual int32_t GetSizingBottom() = 0;
    virtual void SetSizingLeft(int32_t value) = 0;
    virtual void SetSizingTop(int32_t value) = 0;
    virtual void SetSizingRight(int32_t value) = 0;
    virtual void SetSizingBottom(int32_t value) = 0;

    // Joins or leaves the chain of windows told of clipboard changes.
    virtual void SetClipboardViewer(bool viewer) = 0;

    // A global hot key under a name, owned by the window's thread; a name registered again
    // replaces its earlier key. With showMessage a key that another program holds is reported.
    virtual bool RegisterHotKey(bool alt, bool ctrl, bool shift, bool win, UINT virtualKey, const wchar_t* name,
                                bool showMessage) = 0;
    virtual void UnregisterHotKey(const wchar_t* name) = 0;
    virtual void UnregisterAllHotKeys() = 0;
    // True when the last hot key pressed is the one of that name.
    virtual bool IsHotKeyAtom(const wchar_t* name) = 0;

    virtual bool IsSystemSuspending() = 0;
    virtual bool IsSessionEnding() = 0;

    // Menus (not owned) that the window's chosen commands are offered to, in this order: the
    // menu bar, the notification-area menu, the context menu; the first that holds the command
    // selects it. The menu bar shows along the frame; the context menu opens at the cursor on a
    // right button press while enabled. Null for none.
    virtual void SetMenuBar(IPopupMenu* menu) = 0;
    virtual void SetTrayMenu(IPopupMenu* menu) = 0;
    virtual void SetContextMenu(IPopupMenu* menu, bool enabled) = 0;

    // Boxes shown by the window's thread on behalf of any thread.
    virtual void ShowInfoMessage(const wchar_t* text) = 0;
    virtual void ShowErrorMessage(const wchar_t* text) = 0;
    virtual bool AskYesNo(const wchar_t* text) = 0;
};

} // namespace gui
} // namespace s
