#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>

#include "core/base/IObject.h"
#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/Wnd.h"
#include "windowing/IWindow.h"
#include "windowing/InvisibleWindow.h"

class CDC;

namespace s {
namespace gui {
namespace drawer {
class IWindow;
class Skinner;
}
namespace win {

class UIThread;

// Event codes that a Window passes to its listeners.
enum WindowEventCode : int32_t {
    kEventClose = 1,
    kEventUser = 2,
    kEventRightDown = 3,
    kEventResized = 4,
    kEventLeftDown = 5,
    kEventActivated = 6,
    kEventDeactivated = 7,
    kEventSizing = 8,
    kEventMiddleDown = 9,
    kEventMoving = 10,
    kEventMoved = 11,
    kEventKeyDown = 12,
    kEventMouseMove = 13,
    kEventMouseWheel = 14,
    kEventNotify = 15,
    kEventDoubleClick = 16,
    kEventCaptureChanged = 17,
    kEventTrayMenu = 18,
    kEventContextMenu = 19,
    kEventLanguageChange = 20,
    kEventRestore = 21,
    kEventTrayClick = 22,
    kEventHotKey = 23,
    kEventRightUp = 24,
    kEventLeftUp = 25,
    kEventTimer = 26,
    kEventClipboardChange = 27,
};

// The toolkit's top-level window. Taking one from its pool starts its own user-interface
// thread, which makes the hidden owner window and the frame (hidden, 240 by 120) and then runs
// their messages; giving it back tears the native windows down on that thread and ends it.
class Window : public IWindow, public thread::IPoolable, public CWnd {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_Window";
    static const int32_t kPoolCapacity = 0;

    Window();
    ~Window() override;

    static thread::EasyPooler* GetPool();
    // A new Window whose thread has started; not ready when its frame could not be made.
    static Window* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    bool IsReady() override;
    void SetVisible(bool visible) override;
    void SetVisible(bool show, bool children) override;
    bool IsShown() override;
    bool SetCaption(const wchar_t* caption) override;
    void Close() override;
    bool IsClosed() override;
    void WaitUntilClosed() override;
    void CancelClose() override;
    void Restore() override;

    void SetTrayIcon(bool add) override;
    bool IsTrayIconShown() override;
    void UpdateTrayIcon() override;
    void SetSmallIcon(HICON icon, bool owned) override;
    void SetBigIcon(HICON icon, bool owned) override;
    void Iconize() override;
    bool IsIconized() override;
    void SetCloseToTray(bool on) override;
    void SetTrayIconEnabled(bool on) override;
    void SetAlwaysShowTrayIcon(bool on) override;
    void SetTrayClickToggles(bool on) override;
    void BringToFront(bool front) override;
    void SetTopMost(bool on) override;
    bool IsTopMost() override;
    void DisableInput(bool disable) override;
    void SetModalState(bool on) override;
    void Minimize() override;
    void Maximize() override;
    void ShowNormal() override;

    void SetMaximizeBox(bool on) override;
    void SetMinimizeBox(bool on) override;
    void SetSystemMenu(bool on) override;
    void SetCaptionBar(bool on) override;
    void SetToolWindow(bool on) override;
    void SetOverlappedFrame(bool on) override;
    void SetClientEdge(bool on) override;
    void SetSizingBorder(bool on) override;
    void SetTaskbarButton(bool on) override;

    void SetOpacity(int32_t percent, bool onlyWhileTopMost) override;
    void SetHoverHide(bool enabled, int32_t mode, bool onlyWhileTopMost, int32_t delaySeconds, int32_t smallWidth,
                      int32_t smallHeight, bool shiftEndsWait) override;
    bool IsResizeAnimating() override;
    bool IsFading() override;
    bool IsAnimating() override;
    // The opacity in percent applied at this moment.
    int32_t GetAppliedOpacity() { return currentOpacity_; }
    // On every mouse move over the window: the hover-hide effect starts (or starts again).
    void StartHoverHide();

    void SetAppWindow(app::IAppWindow* holder, bool useCaptionId) override;
    app::IAppWindow* GetAppWindow() override;
    void StorePlacement() override;
    void SetMiddleClickAction(const wchar_t* action) override;
    bool IsInsideScreen() override;
    void SetScreenClampEnabled(bool on) override;
    void MoveInsideScreen() override;
    void SetKeepInsideScreen(bool on) override;
    void SetEasyDrag(bool on) override;
    void SetFollowCursor(bool on) override;

    void AddCloseListener(events::IEventListener* listener) override;
    void AddUserEventListener(events::IEventListener* listener) override;
    void AddRightButtonDownListener(events::IEventListener* listener) override;
    void AddResizeListener(events::IEventListener* listener) override;
    void AddLeftButtonDownListener(events::IEventListener* listener) override;
    void AddActivateListener(events::IEventListener* listener) override;
    void AddDeactivateListener(events::IEventListener* listener) override;
    void AddSizingListener(events::IEventListener* listener) override;
    void AddMiddleButtonListener(events::IEventListener* listener) override;
    void AddMovingListener(events::IEventListener* listener) override;
    void AddMovedListener(events::IEventListener* listener) override;
    void AddKeyDownListener(events::IEventListener* listener) override;
    void AddMouseMoveListener(events::IEventListener* listener) override;
    void AddMouseWheelListener(events::IEventListener* listener) override;
    void AddNotifyListener(events::IEventListener* listener) override;
    void AddDoubleClickListener(events::IEventListener* listener) override;
    void AddRestoreListener(events::IEventListener* listener) override;
    void AddRightButtonUpListener(events::IEventListener* listener) override;
    void AddLeftButtonUpListener(events::IEventListener* listener) override;
    void AddTimerListener(events::IEventListener* listener) override;
    void AddHotKeyListener(events::IEventListener* listener) override;
    void AddClipboardChangeListener(events::IEventListener* listener) override;
    void AddLanguageChangeListener(events::IEventListener* listener) override;
    void AddCaptureChangedListener(events::IEventListener* listener) override;
    void AddTrayMenuListener(events::IEventListener* listener) override;
    void AddContextMenuListener(events::IEventListener* listener) override;
    void AddTrayClickListener(events::IEventListener* listener) override;

    void CaptureMouse() override;
    POINT GetCapturePoint() override;
    void SetDefaultDoubleClick(bool enabled) override;
    void SetHideCursor(bool hide) override;
    void FocusNextControl() override;

    void SetFixedWidth(int32_t width) override;
    void SetFixedHeight(int32_t height) override;
    void EnsureMinimumSize() override;
    void ShrinkHeightToMinimum() override;
    void ShrinkToMinimumSize() override;
    void GrowToMaximumSize() override;
    int32_t GetFrameWidth() override;
    int32_t GetFrameHeight() override;
    void SetMinWidth(int32_t width) override;
    void SetMinHeight(int32_t height) override;
    void SetEnforceMinSize(bool enforce) override;
    void SetEnforceMinSizeHV(bool horizontal, bool vertical) override;
    bool SaveScreenshotGif(const wchar_t* path) override;

    // The component protocol of a top-level window: its bounds are the window rectangle in
    // screen coordinates, its client area holds the children.
    IComponent* GetParent() override;
    IWindow* GetWindow() override;
    bool CreateWindowIn(IComponent* parent) override;
    bool IsContainer() override;
    int32_t GetX() override;
    int32_t GetY() override;
    void SetX(int32_t x) override;
    void SetY(int32_t y) override;
    int32_t GetScreenX() override;
    int32_t GetScreenY() override;
    bool ContainsScreenPoint(int32_t x, int32_t y) override;
    int32_t GetWidth() override;
    int32_t GetHeight() override;
    void SetWidth(int32_t width) override;
    void SetHeight(int32_t height) override;
    int32_t GetClientWidth() override;
    int32_t GetClientHeight() override;
    void SetClientWidth(int32_t width) override;
    void SetClientHeight(int32_t height) override;
    void SetPosition(int32_t x, int32_t y) override;
    void SetSize(int32_t width, int32_t height) override;
    void SetBounds(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void SetOffset(int32_t dx, int32_t dy) override;
    void OffsetBy(int32_t dx, int32_t dy) override;
    int32_t GetMinWidth() override;
    int32_t GetMinHeight() override;
    int32_t GetMinClientWidth() override;
    int32_t GetMinClientHeight() override;
    int32_t GetMaxWidth() override;
    int32_t GetMaxHeight() override;
    int32_t GetMaxClientWidth() override;
    int32_t GetMaxClientHeight() override;
    void SetLayoutSize(int32_t width, int32_t height) override;
    void SuspendBounds() override;
    void ResumeBounds() override;
    bool IsBoundsSuspended() override;
    void ValidateLayout() override;
    void RequestLayout() override;
    void CenterHorizontally() override;
    void CenterVertically() override;
    // In the work area of the desktop.
    void Center() override;
    bool IsEnabled() override;
    void SetEnabled(bool enabled) override;
    bool IsEditable() override;
    void SetEditable(bool editable) override;
    void Redraw() override;
    void RedrawRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    COLORREF GetBackgroundColor() override;
    bool IsBackgroundInherited() override;
    void InheritBackground(bool redraw) override;
    void ResetBackgroundColor(bool redraw) override;
    void SetBackgroundColor(int32_t red, int32_t green, int32_t blue, bool redraw) override;
    void SetBackgroundWhite() override;
    void SetBackgroundBlack() override;
    void SetBackgroundPale(bool redraw) override;
    COLORREF GetEffectiveBackgroundColor() override;
    image::win::BufferedImage* GetBackBuffer(int32_t* x, int32_t* y) override;
    void AddChild(IComponent* child) override;
    void RemoveChild(IComponent* child, bool recursive) override;
    void RemoveAllChildren(bool recursive) override;
    int32_t GetChildCount() override;
    IComponent* GetChildAt(int32_t index) override;
    col::_array::ArrayP* GetChildren() override;
    void DoLayout() override;
    ILayoutManager* GetLayoutManager() override;
    void SetLayoutManager(ILayoutManager* manager) override;

    // The skin's window drawer (not owned): it paints the client area and the frame through the
    // back buffer and shapes the window with its region. Null paints the background colour.
    void SetDrawer(drawer::IWindow* drawer);
    drawer::IWindow* GetDrawer() { return drawer_; }
    // Fits the back buffer to a rectangle's size: a buffer far larger than needed (below 70 % of
    // its area used) is replaced by an exact one, one large enough is kept, a smaller one grows
    // each side by the image capacity rule. False when no pixels could be had.
    bool EnsureBackBuffer(const RECT& rect);

    // A component along the bottom of the client area, placed after the layout at the full
    // client width and its maximum height while it is shown; null for none. Not owned.
    void SetBottomBar(IComponent* bar);

    void SetLocalizer(lang::Localizer* localizer) override;
    bool HasLocalizer() override;
    lang::Localizer* GetLocalizer() override;
    void SetCaptionTextId(int32_t textId, int32_t versionTextId) override;

    void SetSkinner(drawer::Skinner* skinner) override;
    bool HasSkinner() override;
    drawer::Skinner* GetSkinner() override;

    // A change of language from the window's language manager: the caption is read again and
    // the language-change listeners are told. A new skin from the skin manager: its window
    // drawer is taken on the window's own thread.
    void OnEvent(base::IObject* source, int32_t code) override;

    INT_PTR SendEvent(INT_PTR data, INT_PTR arg1, INT_PTR arg2, INT_PTR arg3) override;
    INT_PTR SendEvent(const NamedEvent& event, INT_PTR arg1, INT_PTR arg2, INT_PTR arg3) override;
    bool PostEvent(INT_PTR data, INT_PTR arg1, INT_PTR arg2, INT_PTR arg3) override;
    INT_PTR GetEventData() override;
    INT_PTR GetEventArg1() override;
    INT_PTR GetEventArg2() override;
    INT_PTR GetEventArg3() override;
    void SetEventResult(INT_PTR result) override;

    int32_t GetLastKey() override;
    void SetLastKey(int32_t key) override;
    int32_t GetWheelLines() override;

    bool SetUserTimer(UINT_PTR id, UINT periodMillis) override;
    void KillUserTimer(UINT_PTR id) override;
    UINT_PTR GetCurrentUserTimerId() override;
    void SetTimerHandled() override;

    bool IsSizingLeft() override;
    bool IsSizingRight() override;
    bool IsSizingTop() override;
    bool IsSizingBottom() override;
    bool IsSizingTopLeft() override;
    bool IsSizingTopRight() override;
    bool IsSizingBottomLeft() override;
    bool IsSizingBottomRight() override;
    int32_t GetSizingLeft() override;
    int32_t GetSizingTop() override;
    int32_t GetSizingRight() override;
    int32_t GetSizingBottom() override;
    void SetSizingLeft(int32_t value) override;
    void SetSizingTop(int32_t value) override;
    void SetSizingRight(int32_t value) override;
    void SetSizingBottom(int32_t value) override;

    void SetClipboardViewer(bool viewer) override;

    bool RegisterHotKey(bool alt, bool ctrl, bool shift, bool win, UINT virtualKey, const wchar_t* name,
                        bool showMessage) override;
    void UnregisterHotKey(const wchar_t* name) override;
    void UnregisterAllHotKeys() override;
    bool IsHotKeyAtom(const wchar_t* name) override;

    bool IsSystemSuspending() override;
    bool IsSessionEnding() override;

    void ShowInfoMessage(const wchar_t* text) override;
    void ShowErrorMessage(const wchar_t* text) override;
    bool AskYesNo(const wchar_t* text) override;

    void SetMenuBar(IPopupMenu* menu) override;
    void SetTrayMenu(IPopupMenu* menu) override;
    void SetContextMenu(IPopupMenu* menu, bool enabled) override;

    // The thread's own part of start-up, called on the window's thread.
    InvisibleWindow* GetInvisibleWindow() { return &invisible_; }
    bool CreateNativeWindow();
    // The window's user-interface thread; null when it could not be started.
    UIThread* GetUIThread() { return thread_; }

    // Every message of the frame: HandleMessage first; what it leaves goes to the default
    // handling and then to HandleSizeMove.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Writes the result and returns whether the message is handled.
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam);
    void HandleSizeMove(UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct EventRecord {
        INT_PTR data;
        INT_PTR arg1;
        INT_PTR arg2;
        INT_PTR arg3;
    };
    struct HotKeyRequest {
        UINT modifiers;
        UINT virtualKey;
        const wchar_t* name;
        bool report;
        const wchar_t* text;
    };
    static const int32_t kLastEventCode = kEventClipboardChange;

    bool StartUIThread();
    void DestroyAndStopThread();
    // Runs the work on the window's thread: at once there (or without a frame), else sent there
    // and waited for. Timers and the animation state live on that thread.
    void RunOnOwnThread(const std::function<void()>& work);
    void ShowOnOwnThread(bool show, bool activate);
    bool HandleTrayMessage(LPARAM mouseMessage);
    void HandleTrayLeftClick();
    void ShowTrayMenu();
    void HandleRestoreRequest();
    bool CallNotifyIcon(DWORD message, UINT flags);
    HICON TrayIconImage();
    void RemoveTrayIconForGood();
    void ReplaceIcon(HICON* slot, bool* ownedSlot, HICON icon, bool owned, WPARAM kind);
    void ReleaseIcons();
    void ApplyTopMost(bool on);
    // Style bits (GWL_STYLE or GWL_EXSTYLE) changed in place; the frame drawn anew on request.
    void ChangeStyleBits(int index, DWORD remove, DWORD add, bool frameChanged);
    int32_t EffectiveOpacity();
    void ApplyOpacity(int32_t percent);
    void ReapplyHoverHide();
    void UndoHoverHide();
    bool HandleHoverTimer(UINT_PTR id);
    void FadeOutStep();
    void WaitStep();
    void FadeInStep();
    void ShrinkStep();
    void WatchStep();
    void GrowStep();
    void ResizeKeepingPlace(int32_t width, int32_t height);
    void EndShrink();
    bool HasSomethingToShrink();
    void StartTimer(UINT_PTR id, UINT periodMillis);
    void StopTimer(UINT_PTR id);
    void StopTimers(UINT_PTR first, UINT_PTR last);
    bool CursorInBox(int32_t width, int32_t height);
    void PlaceForShowing();
    void PlaceFromHolder();
    void CenterOnCursor();
    void KeepInside(WINDOWPOS* position);
    LRESULT HitTest(LPARAM point, LRESULT defaultResult);
    void RunMiddleClickAction();
    void AddListener(int32_t code, events::IEventListener* listener);
    bool HasListeners(int32_t code);
    void TellListeners(int32_t code);
    bool HandleClose();
    LRESULT HandleEvent(WPARAM wParam, LPARAM lParam);
    void FreeUndeliveredEvents();
    void HandleSizing(WPARAM edge, RECT* rect);
    void HandleMouseWheel(WPARAM wParam);
    void EnforceMinimumSize(RECT* rect);
    void HandleCaptureChanged();
    void PlaceBottomBar();
    bool HandleCreateChild(WPARAM wParam, LPARAM lParam);
    void EraseBackground(HDC dc);
    // Leaves the shown children's rectangles out of the device context's clip.
    void ExcludeChildren(CDC* dc);
    void PaintClient();
    void PaintFrame();
    void ApplyRegion();
    RECT WindowRect();
    RECT ClientRect();
    void ApplyWindowPos(int32_t x, int32_t y, int32_t width, int32_t height, UINT flags);
    void ApplyCaptionTextIds();
    void JoinClipboardChain();
    void LeaveClipboardChain();
    void HandleClipboardChainChange(HWND leaving, HWND next);
    bool HandleRegisterHotKey(const HotKeyRequest* request);
    void HandleUnregisterHotKey(const wchar_t* name);
    void HandleUnregisterAllHotKeys();
    void TakeSkinDrawer();
    void LeaveSkinner();
    void ForgetMenus();
    // A menu command (no control, notification 0) to the first menu that holds it.
    bool HandleMenuCommand(WPARAM wParam, LPARAM lParam);
    void HandleRightButtonDown();

    UIThread* thread_;
    InvisibleWindow invisible_;
    // One list per event code (index 0 unused); the listeners are not owned.
    col::_array::ArrayP listeners_[kLastEventCode + 1];
    EventRecord event_;
    INT_PTR eventResult_;
    std::atomic<bool> closed_;
    bool cancelClose_;
    bool active_;
    // When the window last lost activation: a tray click soon after means "hide", not "show".
    int64_t deactivatedAt_;
    std::atomic<bool> suspending_;
    std::atomic<bool> sessionEnding_;
    int32_t lastKey_;
    int32_t wheelLines_;
    UINT_PTR currentTimerId_;
    bool timerHandled_;
    int32_t sizingEdge_;
    RECT sizingRect_;
    COLORREF background_;
    // Geometry: fixed and explicit minimum outer sizes (-1 = free).
    int32_t fixedWidth_;
    int32_t fixedHeight_;
    int32_t minWidth_;
    int32_t minHeight_;
    bool enforceMinWidth_;
    bool enforceMinHeight_;
    bool capturing_;
    POINT capturePoint_;
    bool defaultDoubleClick_;
    bool hideCursor_;
    // The root components, in insertion order; released to their pools when removed.
    col::_array::ArrayP children_;
    ILayoutManager* layoutManager_;
    IComponent* bottomBar_;
    drawer::IWindow* drawer_;
    image::win::BufferedImage* backBuffer_;
    lang::Localizer* localizer_;
    drawer::Skinner* skinner_;
    int32_t captionTextId_;
    int32_t versionTextId_;
    bool clipboardViewer_;
    bool inClipboardChain_;
    HWND nextClipboardViewer_;
    // The atoms of the registered hot keys, one reference each; used on the window's thread.
    col::_array::ArrayU32 hotKeys_;
    std::atomic<UINT> lastHotKeyAtom_;
    // Not owned; set from any thread, read on the window's thread.
    std::atomic<IPopupMenu*> menuBar_;
    std::atomic<IPopupMenu*> trayMenu_;
    std::atomic<IPopupMenu*> contextMenu_;
    std::atomic<bool> contextMenuEnabled_;

    // Notification area and showing.
    std::atomic<bool> iconized_;
    bool closeToTray_;
    std::atomic<bool> trayIconShown_;
    bool trayIconWhileShown_;
    bool trayIconAlways_;
    bool trayClickToggles_;
    bool topMost_;
    bool taskbarButton_;
    HICON smallIcon_;
    bool ownsSmallIcon_;
    HICON bigIcon_;
    bool ownsBigIcon_;

    // Opacity and hover-hide, on the window's thread (percent; sizes in pixels, -1 = none).
    int32_t targetOpacity_;
    int32_t currentOpacity_;
    bool opacityOnlyWhileTopMost_;
    bool hoverFade_;
    bool hoverShrink_;
    bool hoverOnlyWhileTopMost_;
    int32_t hoverDelaySeconds_;
    int32_t smallWidth_;
    int32_t smallHeight_;
    std::atomic<int32_t> fullWidth_;
    std::atomic<int32_t> fullHeight_;
    bool shiftEndsWait_;
    int32_t remainingDelay_;
    // The size the last shrink or grow step asked for; the steps go on from it.
    int32_t stepWidth_;
    int32_t stepHeight_;

    // Placement.
    app::IAppWindow* appWindow_;
    bool screenClamp_;
    bool keepInsideScreen_;
    bool easyDrag_;
    bool followCursor_;
    const wchar_t* middleClickAction_;
};

} // namespace win
} // namespace gui
} // namespace s
