#include "storage/file/PathListShell.h"

#include <shlobj.h>

#include "storage/file/ShellServices.h"

namespace s {
namespace file {
namespace win {

namespace {

int SystemFileOperation(SHFILEOPSTRUCTW* operation)
{
    return SHFileOperationW(operation);
}

void SystemChangeNotify(LONG event, UINT flags, const void* first, const void* second)
{
    SHChangeNotify(event, flags, first, second);
}

BOOL SystemExecuteEx(SHELLEXECUTEINFOW* info)
{
    return ShellExecuteExW(info);
}

bool SystemShowProperties(uint32_t count, const wchar_t* const* texts)
{
    return system::win::ShowFileProperties(count, texts);
}

const PathListShell kSystemShell = {&SystemFileOperation, &SystemChangeNotify, &SystemExecuteEx,
                                    &SystemShowProperties};

PathListShell gShell = kSystemShell;

} // namespace

const PathListShell& GetPathListShell()
{
    return gShell;
}

PathListShell SetPathListShell(const PathListShell* shell)
{
    const PathListShell previous = gShell;
    gShell = shell ? *shell : kSystemShell;
    if (!gShell.fileOperation)
        gShell.fileOperation = kSystemShell.fileOperation;
    if (!gShell.changeNotify)
        gShell.changeNotify = kSystemShell.changeNotify;
    if (!gShell.executeEx)
        gShell.executeEx = kSystemShell.executeEx;
    if (!gShell.showProperties)
        gShell.showProperties = kSystemShell.showProperties;
    return previous;
}

} // namespace win
} // namespace file
} // namespace s
