#include "mfc/WinApp.h"

#include <atomic>

#include "mfc/AppMessageBox.h"
#include "mfc/CommandLineInfo.h"

namespace {

std::atomic<CWinApp*> theApplication{nullptr};

// The arguments part of the process's command line: the program name ends at the first blank
// outside quotes, as the system reads it.
const wchar_t* ArgumentsOf(const wchar_t* line)
{
    if (!line)
        return L"";
    bool quoted = false;
    for (; *line; ++line) {
        if (*line == L'"')
            quoted = !quoted;
        else if (!quoted && (*line == L' ' || *line == L'\t'))
            break;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return line;
}

} // namespace

CWinApp::CWinApp(const wchar_t* appName)
    : m_hInstance(GetModuleHandleW(nullptr)), m_lpCmdLine(ArgumentsOf(GetCommandLineW())),
      m_nCmdShow(SW_SHOWNORMAL), m_pszAppName(appName)
{
    // The object is static and never deleted by the thread machinery.
    m_bAutoDelete = FALSE;
    m_nThreadID = GetCurrentThreadId();
    theApplication.store(this);
    if (appName)
        AfxSetAppName(appName);
}

CWinApp::~CWinApp()
{
    CWinApp* self = this;
    theApplication.compare_exchange_strong(self, nullptr);
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info)
{
    AfxParseCommandLine(&info, m_lpCmdLine);
}

CWinApp* AfxGetApp()
{
    return theApplication.load();
}

int AfxWinMain(HINSTANCE instance, const wchar_t* arguments, int showCommand)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = instance;
    app->m_lpCmdLine = arguments ? arguments : L"";
    app->m_nCmdShow = showCommand;
    if (app->InitInstance())
        return app->Run();
    return app->ExitInstance();
}
