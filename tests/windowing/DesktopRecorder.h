#pragma once
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "windowing/DesktopCalls.h"

namespace testing_support {

struct TrayRecord {
    DWORD message;
    DWORD size;
    HWND window;
    UINT id;
    UINT flags;
    UINT callback;
    HICON icon;
    std::wstring tip;
};

struct TimerCall {
    bool set;
    UINT_PTR id;
    UINT period;
};

// Stands in for the desktop while it lives: notification-area calls are recorded and answered
// as told, trims counted, timers recorded and never started (tests send the ticks themselves),
// Shift and the cursor held where the test puts them. The system's calls come back at the end.
class DesktopRecorder {
public:
    DesktopRecorder()
    {
        State& state = Get();
        std::lock_guard<std::mutex> hold(state.lock);
        state = State();
        s::gui::win::DesktopCalls& calls = s::gui::win::GetDesktopCalls();
        calls.notifyIcon = &NotifyIcon;
        calls.trimWorkingSet = &Trim;
        calls.setTimer = &SetTimerCall;
        calls.killTimer = &KillTimerCall;
        calls.isShiftDown = &ShiftDown;
        calls.getCursorPos = &CursorPos;
    }
    ~DesktopRecorder() { s::gui::win::ResetDesktopCalls(); }

    static std::vector<TrayRecord> TakeTray()
    {
        State& state = Get();
        std::lock_guard<std::mutex> hold(state.lock);
        std::vector<TrayRecord> records;
        records.swap(state.tray);
        return records;
    }
    static std::vector<TimerCall> TakeTimers()
    {
        State& state = Get();
        std::lock_guard<std::mutex> hold(state.lock);
        std::vector<TimerCall> calls;
        calls.swap(state.timers);
        return calls;
    }
    static int TakeTrims()
    {
        State& state = Get();
        std::lock_guard<std::mutex> hold(state.lock);
        const int trims = state.trims;
        state.trims = 0;
        return trims;
    }
    static void SetTrayAnswer(BOOL answer)
    {
        State& state = Get();
        std::lock_guard<std::mutex> hold(state.lock);
        state.trayAnswer = answer;
    }
    static void SetShift(bool down)
    {
        State& state = Get();
        std::lock_guard<std::mutex> hold(state.lock);
        state.shift = down;
    }
    static void SetCursor(int x, int y)
    {
        State& state = Get();
        std::lock_guard<std::mutex> hold(state.lock);
        state.cursor = POINT{x, y};
    }

private:
    struct State {
        std::mutex lock;
        std::vector<TrayRecord> tray;
        std::vector<TimerCall> timers;
        int trims = 0;
        BOOL trayAnswer = TRUE;
        bool shift = false;
        POINT cursor = {-5000, -5000};

        State() = default;
        State& operator=(const State& other)
        {
            tray = other.tray;
            timers = other.timers;
            trims = other.trims;
            trayAnswer = other.trayAnswer;
            shift = other.shift;
            cursor = other.cursor;
            return *this;
        }
    };

    static State& Get()
    {
        static State state;
        return state;
    }
    static BOOL NotifyIcon(DWORD message, NOTIFYICONDATAW* data)
    {
        State& state = Get();
        std::lock_guard<std::mutex> hold(state.lock);
        state.tray.push_back(TrayRecord{message, data->cbSize, data->hWnd, data->uID, data->uFlags,
                                        data->uCallbackMessage, data->hIcon, data->szTip});
        return state.trayAnswer;
    }
    static void Trim()
    {
        State& state = Get();
        std::lock_guard<std::mutex> hold(state.lock);
        ++state.trims;
    }
    static UINT_PTR SetTimerCall(HWND, UINT_PTR id, UINT period)
    {
        State& state = Get();
        std::lock_guard<std::mutex> hold(state.lock);
        state.timers.push_back(TimerCall{true, id, period});
        return id;
    }
    static BOOL KillTimerCall(HWND, UINT_PTR id)
    {
        State& state = Get();
        std::lock_guard<std::mutex> hold(state.lock);
        state.timers.push_back(TimerCall{false, id, 0});
        return TRUE;
    }
    static bool ShiftDown()
    {
        State& state = Get();
        std::lock_guard<std::mutex> hold(state.lock);
        return state.shift;
    }
    static BOOL CursorPos(POINT* point)
    {
        State& state = Get();
        std::lock_guard<std::mutex> hold(state.lock);
        *point = state.cursor;
        return TRUE;
    }
};

} // namespace testing_support
