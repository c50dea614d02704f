#pragma once
#include "mfc/WinApp.h"

// The application object. The whole program runs inside its start-up: the application base,
// the main window's settings holder, the refusal of unsupported Windows versions, the first-start
// hook, and the window until the user closes it. The start-up always reports failure, so the
// framework's message loop never runs and the process ends when it returns.
class CPulsegridApp : public CWinApp {
public:
    CPulsegridApp();

    BOOL InitInstance() override;

    // Windows XP, Server 2003 (NT 5.1 or 5.2), or Vista and later.
    static bool IsSupportedWindows();
    static const wchar_t kUnsupportedWindowsText[];
};
