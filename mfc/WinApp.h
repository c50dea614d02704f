#pragma once
#include <windows.h>

#include "mfc/WinThread.h"

class CCommandLineInfo;

// The process's one application object. The program's entry runs its InitInstance on the main
// thread; when that fails the process ends with ExitInstance's code, else Run pumps the main
// thread's messages first.
class CWinApp : public CWinThread {
public:
    explicit CWinApp(const wchar_t* appName = nullptr);
    ~CWinApp() override;

    // The framework's own part of start-up; the application's InitInstance calls it first.
    BOOL InitInstance() override;

    // Hands the arguments of m_lpCmdLine to info (AfxParseCommandLine).
    void ParseCommandLine(CCommandLineInfo& info);

    HINSTANCE m_hInstance;
    // What follows the program name on the command line; never null.
    const wchar_t* m_lpCmdLine;
    int m_nCmdShow;
    const wchar_t* m_pszAppName;
};

// The application object of the process, or null while none exists.
CWinApp* AfxGetApp();

// The program's entry: runs the application object's start-up and gives the process's exit code.
int AfxWinMain(HINSTANCE instance, const wchar_t* arguments, int showCommand);
