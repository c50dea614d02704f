#pragma once
#include <windows.h>

// The toolkit's private window messages and timer ids, in one place.
namespace s {
namespace gui {
namespace msg {

// Handled by a top-level window. Where wParam is an address, lParam is this process's key
// (windowing/Window.cpp); without it the message is ignored.
const UINT kEvent = WM_USER + 1;           // wParam: the four-word event record; lParam: key, owned or not
const UINT kTrayCallback = WM_USER + 2;    // from the notification-area icon; lParam: the mouse message
const UINT kRestoreInstance = WM_USER + 3; // a second instance asks the window to come back
const UINT kShowInfo = WM_USER + 4;        // wParam: text
const UINT kShowError = WM_USER + 5;       // wParam: text
const UINT kAskYesNo = WM_USER + 6;        // wParam: text; result 1 for Yes
const UINT kNotifyInstance = WM_USER + 7;  // a second instance has something to say
const UINT kRegisterHotKey = WM_USER + 12; // wParam: the hot-key request; result 1 on success
const UINT kUnregisterHotKey = WM_USER + 13; // wParam: the hot key's name
const UINT kUnregisterAllHotKeys = WM_USER + 14;
// The skin manager has a new current skin; sent as well to the own window of each widget that
// follows the skin (label, counter), which takes the skin's drawer on its thread.
const UINT kSkinChanged = WM_USER + 23;
// Also taken by the image widget's own window for its frame timer.
const UINT kSetUserTimer = WM_USER + 20;   // wParam: user timer id, lParam: period in ms
const UINT kKillUserTimer = WM_USER + 21;  // wParam: user timer id
const UINT kRunOnOwnThread = WM_USER + 24; // wParam: the work to run on the window's thread

// Handled by the toolkit window class.
const UINT kCloseOnOwnThread = WM_APP + 1;

// Handled by every component's own native window.
const UINT kCreateChild = WM_APP + 2;       // wParam: the child component, created in the receiver
const UINT kDestroyOwnWindow = WM_USER + 15; // the component's window destroys itself on its thread
const UINT kUrlDropped = WM_USER + 22;      // a box's drop target holds a dropped web address
const UINT kSetAcceptUrls = WM_USER + 25;   // a box makes (wParam 1) or drops its web-address drop target

// Handled by a label's own window; lParam is the process key.
const UINT kLabelSetText = 0x1401;       // wParam: the text change, applied on the label's thread
const UINT kLabelTemporaryText = 0x1402; // wParam: the temporary text and its period
// The label's timer that brings back the text kept under a temporary one.
const UINT_PTR kLabelRestoreTimer = 100;

// Handled by a text field's control: selects the whole text on the control's thread.
const UINT kSelectAllText = WM_USER + 1;

// A skin change taken on the thread of a native control whose own messages fill the WM_USER
// range (the trackbar's TBM_ messages), where kSkinChanged would be one of them.
const UINT kControlSkinChanged = WM_APP + 24;

// A thread message of a window's own loop: the window was released on its own thread and is
// given back once the handler that released it has returned.
const UINT kReleaseOnOwnThread = WM_APP + 30;

// Native notifications reflected to the control that raised them.
const UINT kReflectCtlColor = WM_APP + 3;
const UINT kReflectClicked = WM_APP + 4;
const UINT kReflectDoubleClicked = WM_APP + 5;
const UINT kReflectItemChanged = WM_APP + 6;
const UINT kReflectOdStateChanged = WM_APP + 7;
const UINT kReflectBeginDrag = WM_APP + 8;
const UINT kReflectEndLabelEdit = WM_APP + 9;
const UINT kReflectSelChange = WM_APP + 10;
const UINT kReflectTabSelChange = WM_APP + 11;
const UINT kReflectEditChange = WM_APP + 12;
const UINT kReflectColumnClick = WM_APP + 13;
const UINT kReflectCustomDraw = WM_APP + 14;
const UINT kReflectDropDown = WM_APP + 15;
const UINT kReflectCloseUp = WM_APP + 16;
const UINT kReflectHeaderBeginDrag = WM_APP + 17;
const UINT kReflectHeaderEndDrag = WM_APP + 18;
const UINT kReflectItemChanging = WM_APP + 19;
const UINT kReflectKillFocus = WM_APP + 21;

// A top-level window's own timers: hover-hide's fade (wait, fade in, fade out) and shrink (watch,
// grow, shrink), and following the cursor.
const UINT_PTR kTimerHoverWait = 1;
const UINT_PTR kTimerFadeIn = 2;
const UINT_PTR kTimerFadeOut = 3;
const UINT_PTR kTimerHoverWatch = 4;
const UINT_PTR kTimerGrow = 5;
const UINT_PTR kTimerShrink = 6;
const UINT_PTR kTimerFollowCursor = 100;

// User timers of a window run under their id plus this base.
const UINT_PTR kUserTimerBase = 10000;

} // namespace msg
} // namespace gui
} // namespace s
