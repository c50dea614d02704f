#include "windowing/Window.h"

#include <algorithm>
#include <cstdint>

#include "core/str/StrBuffer.h"
#include "core/thread/FreezeThread.h"
#include "core/time/Time.h"
#include "images/win/BufferedImage.h"
#include "measurement/win/OsVersion.h"
#include "storage/lang/Localizer.h"
#include "mfc/DC.h"
#include "skins/Skinner.h"
#include "windowing/DesktopCalls.h"
#include "windowing/FrameEdges.h"
#include "windowing/IAppWindow.h"
#include "windowing/Messages.h"
#include "windowing/MessageBoxW.h"
#include "windowing/MiddleClickActions.h"
#include "windowing/NamedEvent.h"
#include "windowing/ProcessKey.h"
#include "windowing/ToolkitWindowClass.h"
#include "windowing/UIThread.h"
#include "windowing/WorkArea.h"

namespace s {
namespace gui {
namespace win {

namespace {

const wchar_t kFrameTitle[] = L"Window";
const int kFrameWidth = 240;
const int kFrameHeight = 120;
// The creator polls for the new thread in these steps; teardown gives the thread this long.
const DWORD kReadyPollMillis = 10;
const DWORD kQuitPollMillis = 10;
const DWORD kClosePollMillis = 10;
const ULONGLONG kStopLimitMillis = 5000;
// A late thread is frozen where it runs its own code; this long it may take to get there.
const DWORD kFreezePatienceMillis = 5000;
const COLORREF kClassicBackground = RGB(240, 240, 240);
const int32_t kNoTextId = -1;
// Sent for the caption of a themed frame; it has no name in the headers.
const UINT kUahDrawCaption = 0xAE;
const wchar_t kVersionSeparator[] = L" v";
const wchar_t kHotKeyText[] = L"HotKey ";
const wchar_t kHotKeyOccupied[] = L" has been occupied by another application.";

UINT HotKeyModifiers(bool alt, bool ctrl, bool shift, bool win)
{
    UINT modifiers = (alt ? MOD_ALT : 0) | (ctrl ? MOD_CONTROL : 0) | (shift ? MOD_SHIFT : 0) | (win ? MOD_WIN : 0);
    system::win::OsVersionInfo& version = system::win::GetOsVersion();
    if (!version.done)
        system::win::LoadOsVersion();
    if (version.isWindows7OrLater)
        modifiers |= MOD_NOREPEAT;
    return modifiers;
}

// "HotKey Ctrl+Shift+65 has been occupied by another application."
void DescribeHotKey(str::strbuffer::StrBuffer* text, bool alt, bool ctrl, bool shift, bool win, UINT virtualKey)
{
    text->Assign(kHotKeyText);
    if (alt)
        text->Append(L"Alt+");
    if (ctrl)
        text->Append(L"Ctrl+");
    if (shift)
        text->Append(L"Shift+");
    if (win)
        text->Append(L"WinKey+");
    text->AppendUInt32(virtualKey);
    text->Append(kHotKeyOccupied);
}

COLORREF DefaultBackground()
{
    system::win::OsVersionInfo& version = system::win::GetOsVersion();
    if (!version.done)
        system::win::LoadOsVersion();
    return version.major >= 6 ? GetSysColor(COLOR_BTNFACE) : kClassicBackground;
}

} // namespace

Window::Window()
    : thread_(nullptr), event_(), eventResult_(0), closed_(false), cancelClose_(false), active_(false), deactivatedAt_(0),
      suspending_(false), sessionEnding_(false), lastKey_(0), wheelLines_(1), currentTimerId_(0),
      timerHandled_(false), sizingEdge_(kSizingNone), sizingRect_(), background_(0), fixedWidth_(-1), fixedHeight_(-1),
      minWidth_(-1), minHeight_(-1), enforceMinWidth_(false), enforceMinHeight_(false), capturing_(false),
      capturePoint_(), defaultDoubleClick_(false), hideCursor_(false), layoutManager_(nullptr), bottomBar_(nullptr),
      drawer_(nullptr), backBuffer_(nullptr),
      localizer_(nullptr), skinner_(nullptr), captionTextId_(kNoTextId),
      versionTextId_(kNoTextId), clipboardViewer_(false), inClipboardChain_(false),
      nextClipboardViewer_(nullptr), lastHotKeyAtom_(0), menuBar_(nullptr), trayMenu_(nullptr),
      contextMenu_(nullptr), contextMenuEnabled_(false),
      iconized_(false), closeToTray_(false),
      trayIconShown_(false), trayIconWhileShown_(false), trayIconAlways_(false), trayClickToggles_(true),
      topMost_(false), taskbarButton_(false), smallIcon_(nullptr), ownsSmallIcon_(false), bigIcon_(nullptr),
      ownsBigIcon_(false), targetOpacity_(100), currentOpacity_(100), opacityOnlyWhileTopMost_(false),
      hoverFade_(false), hoverShrink_(false), hoverOnlyWhileTopMost_(true), hoverDelaySeconds_(5), smallWidth_(-1),
      smallHeight_(-1), fullWidth_(-1), fullHeight_(-1), shiftEndsWait_(false), remainingDelay_(0), stepWidth_(-1), stepHeight_(-1),
      appWindow_(nullptr), screenClamp_(true), keepInsideScreen_(false), easyDrag_(false), followCursor_(false),
      middleClickAction_(kMiddleClickDoNothing)
{
    StartUIThread();
}

Window::~Window()
{
    DestroyAndStopThread();
}

thread::EasyPooler* Window::GetPool()
{
    return &thread::PoolOf<Window, kPoolCapacity>();
}

Window* Window::New()
{
    return thread::TakeFromPool<Window, kPoolCapacity>();
}

const wchar_t* Window::GetClassName()
{
    return kClassName;
}

base::IObject* Window::NewInstance()
{
    return New();
}

void Window::ReleaseToPool()
{
    // Released by one of its own handlers: the thread cannot end and wait for itself while this
    // window's code is still on its stack, so its loop gives the window back afterwards.
    if (thread_ && GetCurrentThreadId() == thread_->m_nThreadID) {
        thread_->RequestRelease();
        return;
    }
    GetPool()->Give(this);
}

void Window::Reset()
{
    // The holder may be given back before its window: a released window stores nothing more.
    appWindow_ = nullptr;
    SetFollowCursor(false);
    SetHoverHide(false, 0, true, 5, -1, -1, false);
    SetVisible(false);
    closeToTray_ = false;
    Close();
    RemoveTrayIconForGood();
    iconized_ = false;
    trayIconWhileShown_ = false;
    trayClickToggles_ = true;
    SetCaption(L"");
    ReleaseIcons();
    background_ = DefaultBackground();
    SetLocalizer(nullptr);
    SetSkinner(nullptr);
    captionTextId_ = kNoTextId;
    versionTextId_ = kNoTextId;
    for (col::_array::ArrayP& list : listeners_)
        list.Clear();
    sizingEdge_ = kSizingNone;
    sizingRect_ = RECT();
    wheelLines_ = 1;
    UnregisterAllHotKeys();
    SetClipboardViewer(false);
    RemoveAllChildren(true);
    layoutManager_ = nullptr;
    bottomBar_ = nullptr;
    drawer_ = nullptr;
    if (backBuffer_) {
        backBuffer_->ReleaseToPool();
        backBuffer_ = nullptr;
    }
    fixedWidth_ = -1;
    fixedHeight_ = -1;
    minWidth_ = -1;
    minHeight_ = -1;
    enforceMinWidth_ = false;
    enforceMinHeight_ = false;
    capturing_ = false;
    capturePoint_ = POINT();
    defaultDoubleClick_ = false;
    hideCursor_ = false;
    ForgetMenus();
    SetOpacity(100, false);
    if (topMost_)
        ApplyTopMost(false);
    taskbarButton_ = false;
    screenClamp_ = true;
    keepInsideScreen_ = false;
    easyDrag_ = false;
    middleClickAction_ = kMiddleClickDoNothing;
}

bool Window::StartUIThread()
{
    thread_ = nullptr;
    Reset();
    UIThread* thread = AfxBeginThread<UIThread>(THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (!thread)
        return false;
    thread->SetWindow(this);
    thread_ = thread;
    thread->ResumeThread();
    // A thread that ends before it reports ready has failed its start: the window stays not
    // ready instead of its creator waiting for ever.
    while (!thread->IsReady()) {
        if (WaitForSingleObject(thread->m_hThread, kReadyPollMillis) == WAIT_OBJECT_0)
            break;
    }
    return thread->IsReady();
}

void Window::DestroyAndStopThread()
{
    const ULONGLONG start = GetTickCount64();
    // Everything below talks to the window's thread; a thread that no longer answers (a
    // listener that never returns) would hold the caller for ever, so it is asked once, within
    // the stop bound, and then only stopped. The caller keeps answering sends meanwhile: the
    // window's thread may be waiting on one of the caller's own windows.
    HWND probe = m_hWnd ? m_hWnd : invisible_.m_hWnd;
    DWORD_PTR ignored = 0;
    const bool answering = !probe || SendMessageTimeoutW(probe, WM_NULL, 0, 0, SMTO_NORMAL,
                                                         static_cast<UINT>(kStopLimitMillis), &ignored);
    if (answering) {
        Reset();
        // The owner closes on its own thread and takes the frame with it.
        if (m_hWnd)
            ::SendMessageW(m_hWnd, msg::kCloseOnOwnThread, 0, 0);
        else if (invisible_.m_hWnd)
            ::SendMessageW(invisible_.m_hWnd, msg::kCloseOnOwnThread, 0, 0);
        DestroyWindow();
    } else {
        // Needs no word with the window's thread, and the managers outlive this window.
        SetLocalizer(nullptr);
        if (skinner_)
            LeaveSkinner();
    }
    if (!thread_)
        return;
    if (GetCurrentThreadId() == thread_->m_nThreadID) {
        // Torn down by its own thread (from its loop, see ReleaseToPool): the thread ends on the
        // quit request and deletes its own object; it must not wait for itself.
        thread_->LetGoOfWindow();
        thread_->PostThreadMessage(WM_QUIT, 0, 0);
        thread_ = nullptr;
        return;
    }
    while (thread_->IsReady() && !thread_->PostThreadMessage(WM_QUIT, 0, 0)) {
        if (GetTickCount64() - start >= kStopLimitMillis)
            break;
        Sleep(kQuitPollMillis);
    }
    const ULONGLONG spent = std::min(GetTickCount64() - start, kStopLimitMillis);
    if (WaitForSingleObject(thread_->m_hThread, static_cast<DWORD>(kStopLimitMillis - spent)) != WAIT_OBJECT_0)
        thread::win::FreezeInOwnCode(thread_->m_hThread, kFreezePatienceMillis);
    delete thread_;
    thread_ = nullptr;
}

bool Window::CreateNativeWindow()
{
    if (!CreateEx(WS_EX_CLIENTEDGE, kToolkitWindowClass, kFrameTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                  CW_USEDEFAULT, kFrameWidth, kFrameHeight, invisible_.m_hWnd, nullptr)) {
        ShowWindowCreationFailed();
        return false;
    }
    if (clipboardViewer_)
        JoinClipboardChain();
    return true;
}

bool Window::IsReady()
{
    return m_hWnd != nullptr;
}

void Window::SetVisible(bool visible)
{
    SetVisible(visible, true);
}

void Window::SetVisible(bool show, bool activate)
{
    if (m_hWnd)
        RunOnOwnThread([=] { ShowOnOwnThread(show, activate); });
}

// Shown: placed first (holder, screen, cursor), brought to the front when activating; hidden:
// its placement stored first. Each real change gives the process's idle pages back.
void Window::ShowOnOwnThread(bool show, bool activate)
{
    if (!m_hWnd)
        return;
    if (show)
        closed_ = false;
    if (show == IsShown())
        return;
    if (show) {
        if (followCursor_)
            CenterOnCursor();
        if (activate && taskbarButton_) {
            // Brings the taskbar button up with the window.
            ::ShowWindow(m_hWnd, SW_MINIMIZE);
            ::ShowWindow(m_hWnd, SW_RESTORE);
        }
        PlaceForShowing();
        // Shown before it is activated: activation shows the hidden owner too, which must never
        // be seen alone as the program's window.
        ::ShowWindow(m_hWnd, SW_SHOW);
        if (activate)
            BringToFront(true);
        RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
    } else {
        StorePlacement();
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
    GetDesktopCalls().trimWorkingSet();
}

void Window::RunOnOwnThread(const std::function<void()>& work)
{
    if (!m_hWnd || GetWindowThreadProcessId(m_hWnd, nullptr) == GetCurrentThreadId()) {
        work();
        return;
    }
    ::SendMessageW(m_hWnd, msg::kRunOnOwnThread, reinterpret_cast<WPARAM>(&work), ProcessKey());
}

bool Window::IsShown()
{
    return IsWindowVisible() != FALSE;
}

bool Window::SetCaption(const wchar_t* caption)
{
    if (!m_hWnd || !SetWindowTextW(m_hWnd, caption ? caption : L""))
        return false;
    if (trayIconShown_)
        CallNotifyIcon(NIM_MODIFY, NIF_TIP);
    return true;
}

void Window::Close()
{
    // Marked first, so that neither the system close nor iconize turns this close into hiding.
    if (closeToTray_ && !iconized_)
        iconized_ = true;
    if (m_hWnd)
        ::SendMessageW(m_hWnd, WM_CLOSE, 0, 0);
}

bool Window::IsClosed()
{
    return closed_;
}

void Window::WaitUntilClosed()
{
    while (m_hWnd && !closed_)
        Sleep(kClosePollMillis);
}

void Window::CancelClose()
{
    cancelClose_ = true;
}

void Window::SetLocalizer(lang::Localizer* localizer)
{
    if (localizer == localizer_)
        return;
    if (localizer_)
        localizer_->RemoveListener(this);
    localizer_ = localizer;
    if (localizer_) {
        localizer_->AddListener(this);
        ApplyCaptionTextIds();
    }
}

bool Window::HasLocalizer()
{
    return localizer_ != nullptr;
}

lang::Localizer* Window::GetLocalizer()
{
    return localizer_;
}

void Window::SetCaptionTextId(int32_t textId, int32_t versionTextId)
{
    if (textId == kNoTextId)
        return;
    captionTextId_ = textId;
    versionTextId_ = versionTextId;
    ApplyCaptionTextIds();
}

void Window::ApplyCaptionTextIds()
{
    if (!localizer_ || captionTextId_ == kNoTextId)
        return;
    str::strbuffer::StrBuffer* caption = str::strbuffer::StrBuffer::New();
    if (!caption)
        return;
    caption->Assign(localizer_->GetText(captionTextId_));
    if (versionTextId_ != kNoTextId)
        caption->Append(kVersionSeparator)->Append(localizer_->GetText(versionTextId_));
    SetCaption(caption->GetText());
    caption->ReleaseToPool();
}

void Window::OnEvent(base::IObject* source, int32_t)
{
    if (!source)
        return;
    if (source == static_cast<base::IObject*>(skinner_)) {
        // Synchronous, so the old skin's drawer is dropped before its manager may give it back.
        if (m_hWnd)
            ::SendMessageW(m_hWnd, msg::kSkinChanged, 0, 0);
        return;
    }
    if (source != static_cast<base::IObject*>(localizer_))
        return;
    ApplyCaptionTextIds();
    TellListeners(kEventLanguageChange);
}

void Window::SetClipboardViewer(bool viewer)
{
    clipboardViewer_ = viewer;
    if (viewer)
        JoinClipboardChain();
    else
        LeaveClipboardChain();
}

void Window::JoinClipboardChain()
{
    if (!m_hWnd || inClipboardChain_)
        return;
    // Joining tells the new viewer at once; the next viewer must be known before that.
    inClipboardChain_ = true;
    SetLastError(ERROR_SUCCESS);
    HWND next = ::SetClipboardViewer(m_hWnd);
    if (!next && GetLastError() != ERROR_SUCCESS) {
        inClipboardChain_ = false;
        return;
    }
    nextClipboardViewer_ = next;
}

void Window::LeaveClipboardChain()
{
    if (!inClipboardChain_)
        return;
    inClipboardChain_ = false;
    if (m_hWnd)
        ChangeClipboardChain(m_hWnd, nextClipboardViewer_);
    nextClipboardViewer_ = nullptr;
}

void Window::HandleClipboardChainChange(HWND leaving, HWND next)
{
    if (leaving == nextClipboardViewer_)
        nextClipboardViewer_ = next;
    else if (nextClipboardViewer_)
        ::PostMessageW(nextClipboardViewer_, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(leaving),
                       reinterpret_cast<LPARAM>(next));
}

bool Window::RegisterHotKey(bool alt, bool ctrl, bool shift, bool win, UINT virtualKey, const wchar_t* name,
                            bool showMessage)
{
    if (!m_hWnd || !name || !*name)
        return false;
    UnregisterHotKey(name);
    str::strbuffer::StrBuffer* text = str::strbuffer::StrBuffer::New();
    if (!text)
        return false;
    DescribeHotKey(text, alt, ctrl, shift, win, virtualKey);
    HotKeyRequest request = {HotKeyModifiers(alt, ctrl, shift, win), virtualKey, name, showMessage,
                             text->GetText()};
    const bool registered =
        ::SendMessageW(m_hWnd, msg::kRegisterHotKey, reinterpret_cast<WPARAM>(&request), ProcessKey()) == 1;
    text->ReleaseToPool();
    return registered;
}

void Window::UnregisterHotKey(const wchar_t* name)
{
    if (m_hWnd && name)
        ::SendMessageW(m_hWnd, msg::kUnregisterHotKey, reinterpret_cast<WPARAM>(name), ProcessKey());
}

void Window::UnregisterAllHotKeys()
{
    if (m_hWnd)
        ::SendMessageW(m_hWnd, msg::kUnregisterAllHotKeys, 0, 0);
}

bool Window::IsHotKeyAtom(const wchar_t* name)
{
    const ATOM atom = name ? GlobalFindAtomW(name) : 0;
    return atom != 0 && atom == lastHotKeyAtom_;
}

bool Window::HandleRegisterHotKey(const HotKeyRequest* request)
{
    if (!request || !request->name)
        return false;
    const ATOM atom = GlobalAddAtomW(request->name);
    if (atom && ::RegisterHotKey(m_hWnd, atom, request->modifiers, request->virtualKey)) {
        hotKeys_.Append(atom);
        return true;
    }
    const DWORD error = GetLastError();
    if (atom)
        GlobalDeleteAtom(atom);
    if (request->report) {
        str::strbuffer::StrBuffer* message = str::strbuffer::StrBuffer::New();
        if (message) {
            message->Assign(L"(")->AppendUInt32(error)->Append(L") ")->Append(request->text ? request->text : L"");
            win::ShowErrorMessage(message->GetText());
            message->ReleaseToPool();
        }
    }
    return false;
}

void Window::HandleUnregisterHotKey(const wchar_t* name)
{
    const ATOM atom = GlobalFindAtomW(name);
    int32_t index = -1;
    if (!atom || !hotKeys_.IndexOf(atom, &index))
        return;
    hotKeys_.RemoveAt(static_cast<uint32_t>(index));
    ::UnregisterHotKey(m_hWnd, atom);
    GlobalDeleteAtom(atom);
}

void Window::HandleUnregisterAllHotKeys()
{
    for (uint32_t i = 0; i < hotKeys_.GetCount(); ++i) {
        const ATOM atom = static_cast<ATOM>(hotKeys_.Get(i));
        ::UnregisterHotKey(m_hWnd, atom);
        GlobalDeleteAtom(atom);
    }
    hotKeys_.Clear();
}

INT_PTR Window::SendEvent(INT_PTR data, INT_PTR arg1, INT_PTR arg2, INT_PTR arg3)
{
    HWND frame = m_hWnd;
    if (!frame)
        return 0;
    EventRecord record = {data, arg1, arg2, arg3};
    return ::SendMessageW(frame, msg::kEvent, reinterpret_cast<WPARAM>(&record), ProcessKey());
}

INT_PTR Window::SendEvent(const NamedEvent& event, INT_PTR arg1, INT_PTR arg2, INT_PTR arg3)
{
    return SendEvent(event.GetData(), arg1, arg2, arg3);
}

bool Window::PostEvent(INT_PTR data, INT_PTR arg1, INT_PTR arg2, INT_PTR arg3)
{
    HWND frame = m_hWnd;
    if (!frame)
        return false;
    // The sender does not wait, so the record travels as a copy that the window's thread frees.
    EventRecord* record = new (std::nothrow) EventRecord{data, arg1, arg2, arg3};
    if (!record)
        return false;
    if (::PostMessageW(frame, msg::kEvent, reinterpret_cast<WPARAM>(record), OwnedRecordKey()))
        return true;
    delete record;
    return false;
}

INT_PTR Window::GetEventData()
{
    return event_.data;
}

INT_PTR Window::GetEventArg1()
{
    return event_.arg1;
}

INT_PTR Window::GetEventArg2()
{
    return event_.arg2;
}

INT_PTR Window::GetEventArg3()
{
    return event_.arg3;
}

void Window::SetEventResult(INT_PTR result)
{
    eventResult_ = result;
}

int32_t Window::GetLastKey()
{
    return lastKey_;
}

void Window::SetLastKey(int32_t key)
{
    lastKey_ = key;
}

int32_t Window::GetWheelLines()
{
    return wheelLines_;
}

bool Window::SetUserTimer(UINT_PTR id, UINT periodMillis)
{
    return m_hWnd && ::SendMessageW(m_hWnd, msg::kSetUserTimer, id, periodMillis) != 0;
}

void Window::KillUserTimer(UINT_PTR id)
{
    if (m_hWnd)
        ::SendMessageW(m_hWnd, msg::kKillUserTimer, id, 0);
}

UINT_PTR Window::GetCurrentUserTimerId()
{
    return currentTimerId_;
}

void Window::SetTimerHandled()
{
    timerHandled_ = true;
}

bool Window::IsSizingLeft()
{
    return sizingEdge_ == kSizingLeft;
}

bool Window::IsSizingRight()
{
    return sizingEdge_ == kSizingRight;
}

bool Window::IsSizingTop()
{
    return sizingEdge_ == kSizingTop;
}

bool Window::IsSizingBottom()
{
    return sizingEdge_ == kSizingBottom;
}

bool Window::IsSizingTopLeft()
{
    return sizingEdge_ == kSizingTopLeft;
}

bool Window::IsSizingTopRight()
{
    return sizingEdge_ == kSizingTopRight;
}

bool Window::IsSizingBottomLeft()
{
    return sizingEdge_ == kSizingBottomLeft;
}

bool Window::IsSizingBottomRight()
{
    return sizingEdge_ == kSizingBottomRight;
}

int32_t Window::GetSizingLeft()
{
    return sizingRect_.left;
}

int32_t Window::GetSizingTop()
{
    return sizingRect_.top;
}

int32_t Window::GetSizingRight()
{
    return sizingRect_.right;
}

int32_t Window::GetSizingBottom()
{
    return sizingRect_.bottom;
}

void Window::SetSizingLeft(int32_t value)
{
    sizingRect_.left = value;
}

void Window::SetSizingTop(int32_t value)
{
    sizingRect_.top = value;
}

void Window::SetSizingRight(int32_t value)
{
    sizingRect_.right = value;
}

void Window::SetSizingBottom(int32_t value)
{
    sizingRect_.bottom = value;
}

bool Window::IsSystemSuspending()
{
    return suspending_;
}

bool Window::IsSessionEnding()
{
    return sessionEnding_;
}

// Without a frame there is no window thread to show the box on: the caller's thread shows it,
// so that the message is not lost.
void Window::ShowInfoMessage(const wchar_t* text)
{
    if (m_hWnd)
        ::SendMessageW(m_hWnd, msg::kShowInfo, reinterpret_cast<WPARAM>(text), ProcessKey());
    else
        win::ShowInfoMessage(text);
}

void Window::ShowErrorMessage(const wchar_t* text)
{
    if (m_hWnd)
        ::SendMessageW(m_hWnd, msg::kShowError, reinterpret_cast<WPARAM>(text), ProcessKey());
    else
        win::ShowErrorMessage(text);
}

bool Window::AskYesNo(const wchar_t* text)
{
    if (m_hWnd)
        return ::SendMessageW(m_hWnd, msg::kAskYesNo, reinterpret_cast<WPARAM>(text), ProcessKey()) == 1;
    return win::AskYesNo(text);
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        // Also when no close request came first (the owner went): a viewer that goes must not cut
        // the chain, the hot keys' global atoms must not outlive it, no icon may stay behind in
        // the notification area, and whoever waits for the window to close must see it closed.
        LeaveClipboardChain();
        HandleUnregisterAllHotKeys();
        RemoveTrayIconForGood();
        closed_ = true;
    }
    if (message == WM_NCDESTROY)
        FreeUndeliveredEvents();
    LRESULT result = 0;
    if (HandleMessage(&result, message, wParam, lParam))
        return result;
    result = CWnd::WindowProc(message, wParam, lParam);
    HandleSizeMove(message, wParam, lParam);
    return result;
}

bool Window::HandleClose()
{
    if (closed_)
        return true;
    cancelClose_ = false;
    TellListeners(kEventClose);
    if (cancelClose_)
        return true;
    ShowOnOwnThread(false, false);
    LeaveClipboardChain();
    RemoveTrayIconForGood();
    closed_ = true;
    return true;
}

// Posted records still queued when the frame goes would never be dispatched, nor freed.
void Window::FreeUndeliveredEvents()
{
    MSG pending;
    while (PeekMessageW(&pending, m_hWnd, msg::kEvent, msg::kEvent, PM_REMOVE)) {
        if (pending.lParam == OwnedRecordKey())
            delete reinterpret_cast<EventRecord*>(pending.wParam);
    }
}

LRESULT Window::HandleEvent(WPARAM wParam, LPARAM lParam)
{
    EventRecord* record = reinterpret_cast<EventRecord*>(wParam);
    const bool owned = lParam == OwnedRecordKey();
    if (!record || (!owned && !FromThisProcess(lParam)))
        return 0;
    event_ = *record;
    if (owned)
        delete record;
    TellListeners(kEventUser);
    return eventResult_;
}

void Window::HandleSizing(WPARAM edge, RECT* rect)
{
    if (!rect)
        return;
    sizingEdge_ = SizingEdgeFromSystem(edge);
    sizingRect_ = *rect;
    const RECT workArea = WorkAreaNear(WindowRect());
    FitSizingHeight(&sizingRect_, sizingEdge_, workArea.bottom - workArea.top);
    TellListeners(kEventSizing);
    *rect = sizingRect_;
    EnforceMinimumSize(rect);
}

void Window::HandleMouseWheel(WPARAM wParam)
{
    if (!HasListeners(kEventMouseWheel))
        return;
    UINT lines = 1;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    wheelLines_ = GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? -static_cast<int32_t>(lines) : static_cast<int32_t>(lines);
    TellListeners(kEventMouseWheel);
}

void Window::EraseBackground(HDC dc)
{
    RECT client;
    if (!GetClientRect(&client))
        return;
    CDC target;
    target.Attach(dc);
    // The window has no WS_CLIPCHILDREN: a fill over the children would wipe controls that are
    // not painted again with it.
    const int saved = target.SaveDC();
    ExcludeChildren(&target);
    target.FillSolidRect(client, background_);
    target.RestoreDC(saved);
    target.Detach();
}

bool Window::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            invisible_.ShowWindow(SW_SHOW);
            TellListeners(kEventActivated);
            active_ = true;
        } else {
            TellListeners(kEventDeactivated);
            if (active_)
                deactivatedAt_ = time::NowMillis();
            active_ = false;
        }
        return false;
    case WM_CLOSE:
        return HandleClose();
    case WM_ERASEBKGND:
        // With a drawer the client paint covers everything.
        if (!drawer_)
            EraseBackground(reinterpret_cast<HDC>(wParam));
        *result = 1;
        return true;
    case WM_PAINT:
        if (!drawer_)
            return false;
        PaintClient();
        return true;
    case WM_NCPAINT:
        if (!drawer_)
            return false;
        PaintFrame();
        return true;
    case WM_NCCALCSIZE:
        // The skin draws the whole frame itself, inside the window: all of it is client area.
        if (!drawer_ || !wParam)
            return false;
        *result = 0;
        return true;
    case WM_NCACTIVATE:
        // The system would draw its own frame over the skin's on every change of activation,
        // as when a dialog the window owns comes and goes.
        if (!drawer_)
            return false;
        *result = 1;
        return true;
    case kUahDrawCaption:
        // The themed caption the system draws for a frame it believes it owns.
        if (!drawer_)
            return false;
        *result = 0;
        return true;
    case WM_ENDSESSION:
        if (wParam && lParam == 0) {
            sessionEnding_ = true;
            if (!closed_)
                ::SendMessageW(m_hWnd, WM_CLOSE, 0, 0);
            if (appWindow_)
                appWindow_->SaveSettings();
        }
        return false;
    case WM_WINDOWPOSCHANGING:
        KeepInside(reinterpret_cast<WINDOWPOS*>(lParam));
        TellListeners(kEventMoving);
        return false;
    case WM_NCHITTEST:
        if (!drawer_ && !easyDrag_)
            return false;
        *result = HitTest(lParam, CWnd::WindowProc(message, wParam, lParam));
        return true;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != SC_CLOSE || !closeToTray_ || iconized_)
            return false;
        Iconize();
        return true;
    case WM_GETDLGCODE:
        *result = CWnd::DefWindowProc(message, wParam, lParam) | DLGC_WANTALLKEYS;
        return true;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        StartHoverHide();
        TellListeners(kEventMouseMove);
        return false;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        TellListeners(kEventLeftDown);
        return false;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        TellListeners(kEventLeftUp);
        return false;
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK:
        TellListeners(kEventDoubleClick);
        return !defaultDoubleClick_;
    case WM_SETCURSOR:
        if (!hideCursor_ || !IsShown())
            return false;
        *result = TRUE;
        return true;
    case WM_CAPTURECHANGED:
        HandleCaptureChanged();
        return false;
    case WM_MBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        TellListeners(kEventMiddleDown);
        RunMiddleClickAction();
        return false;
    case WM_KEYDOWN:
        lastKey_ = static_cast<int32_t>(wParam);
        TellListeners(kEventKeyDown);
        return lastKey_ == VK_RETURN;
    case WM_TIMER:
        if (wParam < msg::kUserTimerBase)
            return HandleHoverTimer(wParam);
        currentTimerId_ = wParam - msg::kUserTimerBase;
        timerHandled_ = false;
        TellListeners(kEventTimer);
        return timerHandled_;
    case WM_RBUTTONDOWN:
        HandleRightButtonDown();
        return false;
    case WM_COMMAND:
        return HandleMenuCommand(wParam, lParam);
    case WM_RBUTTONUP:
        TellListeners(kEventRightUp);
        return false;
    case WM_MOUSEWHEEL:
        HandleMouseWheel(wParam);
        return false;
    case WM_SIZING:
        HandleSizing(wParam, reinterpret_cast<RECT*>(lParam));
        return false;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMSUSPEND)
            suspending_ = true;
        else if (wParam == PBT_APMRESUMESUSPEND || wParam == PBT_APMRESUMEAUTOMATIC)
            suspending_ = false;
        return false;
    case WM_DRAWCLIPBOARD:
        TellListeners(kEventClipboardChange);
        if (nextClipboardViewer_)
            ::PostMessageW(nextClipboardViewer_, message, wParam, lParam);
        return false;
    case WM_CHANGECBCHAIN:
        HandleClipboardChainChange(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam));
        return false;
    case WM_HOTKEY:
        lastHotKeyAtom_ = static_cast<UINT>(wParam);
        TellListeners(kEventHotKey);
        return false;
    case msg::kEvent:
        *result = HandleEvent(wParam, lParam);
        return true;
    case msg::kCreateChild:
        *result = HandleCreateChild(wParam, lParam) ? 1 : 0;
        return true;
    case msg::kTrayCallback:
        return HandleTrayMessage(lParam);
    case msg::kRestoreInstance:
        HandleRestoreRequest();
        return true;
    case msg::kRunOnOwnThread:
        if (FromThisProcess(lParam) && wParam)
            (*reinterpret_cast<const std::function<void()>*>(wParam))();
        return true;
    case msg::kShowInfo:
        if (FromThisProcess(lParam))
            win::ShowInfoMessage(reinterpret_cast<const wchar_t*>(wParam));
        return true;
    case msg::kShowError:
        if (FromThisProcess(lParam))
            win::ShowErrorMessage(reinterpret_cast<const wchar_t*>(wParam));
        return true;
    case msg::kAskYesNo:
        *result = FromThisProcess(lParam) && win::AskYesNo(reinterpret_cast<const wchar_t*>(wParam)) ? 1 : 0;
        return true;
    case msg::kNotifyInstance:
        TellListeners(kEventNotify);
        return true;
    case msg::kRegisterHotKey:
        *result =
            FromThisProcess(lParam) && HandleRegisterHotKey(reinterpret_cast<const HotKeyRequest*>(wParam)) ? 1 : 0;
        return true;
    case msg::kUnregisterHotKey:
        if (FromThisProcess(lParam))
            HandleUnregisterHotKey(reinterpret_cast<const wchar_t*>(wParam));
        return true;
    case msg::kUnregisterAllHotKeys:
        HandleUnregisterAllHotKeys();
        return true;
    case msg::kSkinChanged:
        TakeSkinDrawer();
        return true;
    case msg::kSetUserTimer:
        ::KillTimer(m_hWnd, wParam + msg::kUserTimerBase);
        *result = ::SetTimer(m_hWnd, wParam + msg::kUserTimerBase, static_cast<UINT>(lParam), nullptr) != 0;
        return true;
    case msg::kKillUserTimer:
        ::KillTimer(m_hWnd, wParam + msg::kUserTimerBase);
        return true;
    case msg::kCloseOnOwnThread:
        ::SendMessageW(invisible_.m_hWnd, msg::kCloseOnOwnThread, 0, 0);
        return true;
    default:
        // The shell's taskbar came back (Explorer restarted): a shown icon is added again.
        if (message == TaskbarCreatedMessage() && message != 0 && trayIconShown_)
            CallNotifyIcon(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
        return false;
    }
}

void Window::HandleSizeMove(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE) {
        if (wParam != SIZE_MINIMIZED) {
            ApplyRegion();
            // Shrunk by hover-hide: the children keep the full size's layout.
            if (!IsResizeAnimating())
                DoLayout();
        }
        if (wParam == SIZE_RESTORED)
            TellListeners(kEventRestore);
        TellListeners(kEventResized);
    } else if (message == WM_WINDOWPOSCHANGED) {
        const WINDOWPOS* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (position && !(position->flags & SWP_NOMOVE))
            TellListeners(kEventMoved);
    }
}

} // namespace win
} // namespace gui
} // namespace s
