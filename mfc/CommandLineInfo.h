#pragma once
#include <windows.h>

// What the application's command line asked for. The parser hands every argument after the
// program name, in order, to ParseParam; a leading '-' or '/' is taken off and the argument is
// passed as a flag.
class CCommandLineInfo {
public:
    CCommandLineInfo();
    virtual ~CCommandLineInfo();

    // One argument; last is set for the final one. The framework itself keeps nothing.
    virtual void ParseParam(const wchar_t* param, BOOL flag, BOOL last);

private:
    CCommandLineInfo(const CCommandLineInfo&) = delete;
    CCommandLineInfo& operator=(const CCommandLineInfo&) = delete;
};

// Splits the arguments text (what follows the program name, quoted as the system quotes) and
// hands each argument to info. An empty or null text hands nothing.
void AfxParseCommandLine(CCommandLineInfo* info, const wchar_t* arguments);
