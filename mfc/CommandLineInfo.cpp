#include "mfc/CommandLineInfo.h"

#include <shellapi.h>

#include <string>

namespace {

// CommandLineToArgvW reads its first word by the rules of a program name, which differ from
// those of the arguments; a fixed first word keeps the arguments under the argument rules.
const wchar_t kProgramWord[] = L"p ";

bool IsFlagMark(wchar_t c)
{
    return c == L'-' || c == L'/';
}

} // namespace

CCommandLineInfo::CCommandLineInfo() {}

CCommandLineInfo::~CCommandLineInfo() {}

void CCommandLineInfo::ParseParam(const wchar_t*, BOOL, BOOL) {}

void AfxParseCommandLine(CCommandLineInfo* info, const wchar_t* arguments)
{
    if (!info || !arguments || !arguments[0])
        return;
    std::wstring line(kProgramWord);
    line += arguments;
    int count = 0;
    wchar_t** words = CommandLineToArgvW(line.c_str(), &count);
    if (!words)
        return;
    for (int i = 1; i < count; ++i) {
        const wchar_t* param = words[i];
        BOOL flag = FALSE;
        if (IsFlagMark(param[0])) {
            flag = TRUE;
            ++param;
        }
        info->ParseParam(param, flag, i == count - 1);
    }
    LocalFree(words);
}
