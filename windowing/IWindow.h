#pragma once
#include <windows.h>

#include <cstdint>

#include "storage/events/IEventListener.h"
#include "windowing/component/IContainer.h"

namespace s {
namespace lang {
class Localizer;
}
namespace app {
class IAppWindow;
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

    // Shows (placed by its settings holder, inside the screen, and with activate brought to the
    // front) or hides (its placement stored) the window; the working set is trimmed after each
    // real change. SetVisible(show) activates; so does the component's SetVisible (show, true).
    virtual void SetVisible(bool visible) = 0;
    // The caption, also the tip of a shown notification-area icon.
    virtual bool SetCaption(const wchar_t* caption) = 0;
    // Asks the window to close on its own thread; close listeners may refuse. While close-to-
    // tray is on the window is marked iconized first, so the close is not turned into iconize.
    virtual void Close() = 0;
    virtual bool IsClosed() = 0;
    // Blocks the calling thread, looking every 10 ms, until the window has been closed; returns
    // at once for a window without a native frame, which can never close.
    virtual void WaitUntilClosed() = 0;
    // Called by a close listener to keep the window open.
    virtual void CancelClose() = 0;
    // Brings an iconized window back from the notification area (shown, activated, its icon
    // removed unless the icon stays while shown) and restores a minimized or maximized one.
    virtual void Restore() = 0;

    // The notification-area icon: the small icon with the caption as tip; its clicks come back
    // to the window. Removing is refused while the icon is always shown. Both need the frame.
    virtual void SetTrayIcon(bool add) = 0;
    virtual bool IsTrayIconShown() = 0;
    // Gives a shown icon the window's current small icon and caption again.
    virtual void UpdateTrayIcon() = 0;
    // The window's icons (also of its hidden owner); an owned icon is destroyed when replaced.
    virtual void SetSmallIcon(HICON icon, bool owned) = 0;
    virtual void SetBigIcon(HICON icon, bool owned) = 0;
    // Minimizes and hides the window into the notification area; where no icon can be shown
    // (no notification area) it is only minimized, so it never hides beyond reach.
    virtual void Iconize() = 0;
    virtual bool IsIconized() = 0;
    // While set, a system close (the close box) iconizes a window not yet iconized.
    virtual void SetCloseToTray(bool on) = 0;
    // The icon also while the window is shown.
    virtual void SetTrayIconEnabled(bool on) = 0;
    // The icon all the time, iconized or not.
    virtual void SetAlwaysShowTrayIcon(bool on) = 0;
    // A left click on the icon iconizes an active (or just deactivated) window and restores an
    // iconized one; otherwise it brings the window to the front. On by default.
    virtual void SetTrayClickToggles(bool on) = 0;
    // True: brought to the front and activated; false: deactivated.
    virtual void BringToFront(bool front) = 0;
    // Keep-on-top; stored in the settings holder.
    virtual void SetTopMost(bool on) = 0;
    virtual bool IsTopMost() = 0;
    // True disables the native window for input, false enables it again.
    virtual void DisableInput(bool disable) = 0;
    // A dialog blocks its owner with true while it is open and frees it with false.
    virtual void SetModalState(bool on) = 0;
    virtual void Minimize() = 0;
    virtual void Maximize() = 0;
    virtual void ShowNormal() = 0;

    // Frame switches: style bits of the frame, applied at once.
    virtual void SetMaximizeBox(bool on) = 0;
    virtual void SetMinimizeBox(bool on) = 0;
    virtual void SetSystemMenu(bool on) = 0;
    virtual void SetCaptionBar(bool on) = 0;
    virtual void SetToolWindow(bool on) = 0;
    virtual void SetOverlappedFrame(bool on) = 0;
    virtual void SetClientEdge(bool on) = 0;
    virtual void SetSizingBorder(bool on) = 0;
    // A button on the taskbar (WS_EX_APPWINDOW); a shown window is hidden and shown around it.
    virtual void SetTaskbarButton(bool on) = 0;

    // Opacity in percent (clamped to 0...100; 100 opaque), with onlyWhileTopMost only while the
    // window is kept on top.
    virtual void SetOpacity(int32_t percent, bool onlyWhileTopMost) = 0;
    // Hover-hide: when the mouse touches the window it fades out (mode 0) and back in once the
    // cursor has been outside for the delay, or shrinks (else) to the small size (-1 keeps a
    // side) and grows back once the cursor leaves. With shiftEndsWait a Shift key brings it
    // back at once. A running effect is undone first. A delay below 0 counts as 0.
    virtual void SetHoverHide(bool enabled, int32_t mode, bool onlyWhileTopMost, int32_t delaySeconds,
                              int32_t smallWidth, int32_t smallHeight, bool shiftEndsWait) = 0;
    virtual bool IsResizeAnimating() = 0;
    virtual bool IsFading() = 0;
    virtual bool IsAnimating() = 0;

    // Binds the window to its settings holder (not owned; it must outlive the binding): icons,
    // language pack, the title as caption when useCaptionId, skin manager, easy drag, keep-on-
    // top, middle-click action and the stored placement. Null unbinds.
    virtual void SetAppWindow(app::IAppWindow* holder, bool useCaptionId) = 0;
    virtual app::IAppWindow* GetAppWindow() = 0;
    // Writes the shown window's placement to the holder: only values that changed, nothing
    // while minimized or animating; a maximized window stores only that it is maximized.
    virtual void StorePlacement() = 0;
    // One of the shared texts of MiddleClickActions.h (compared by address): what a middle
    // click does; stored in the holder.
    virtual void SetMiddleClickAction(const wchar_t* action) = 0;
    // False for a window of 10 pixels or less, or with less than 10 pixels inside the virtual
    // screen on a side; always true while the placement check is off.
    virtual bool IsInsideScreen() = 0;
    // The placement check of showing and binding (on by default).
    virtual void SetScreenClampEnabled(bool on) = 0;
    // Moves a window that is not maximized inside the virtual screen.
    virtual void MoveInsideScreen() = 0;
    // While set, every move and size keeps the window inside the screen.
    virtual void SetKeepInsideScreen(bool on) = 0;
    // The window drags by its body (unless the right button is down); stored in the holder.
    virtual void SetEasyDrag(bool on) = 0;
    // The shown window stays centred on the cursor.
    virtual void SetFollowCursor(bool on) = 0;

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
