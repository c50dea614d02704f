#include "mfc/Exception.h"

#include "mfc/AppMessageBox.h"

namespace {

const UINT kMessageCapacity = 1024;
const wchar_t kNoMessage[] = L"The operation failed for an unknown reason.";

} // namespace

BOOL CException::GetErrorMessage(wchar_t* buffer, UINT capacity, UINT* helpContext)
{
    if (helpContext)
        *helpContext = 0;
    if (buffer && capacity)
        buffer[0] = L'\0';
    return FALSE;
}

int CException::ReportError(UINT type, const wchar_t* fallback)
{
    wchar_t message[kMessageCapacity] = {};
    if (!GetErrorMessage(message, kMessageCapacity) || message[0] == L'\0')
        return AfxMessageBox(fallback ? fallback : kNoMessage, type);
    return AfxMessageBox(message, type);
}
