#pragma once
#include <windows.h>

// The framework's exceptions: thrown as pointers, caught by the caller, shown with ReportError
// when the user should know, and ended with Delete.
class CException {
public:
    CException() {}
    virtual ~CException() {}

    // Writes the message into the buffer (cut to its size, always terminated); false when the
    // exception has none.
    virtual BOOL GetErrorMessage(wchar_t* buffer, UINT capacity, UINT* helpContext = nullptr);
    // Shows the message in the application's message box and returns the button pressed; a text
    // of its own stands in when the exception has no message.
    virtual int ReportError(UINT type = MB_OK, const wchar_t* fallback = nullptr);
    void Delete() { delete this; }

private:
    CException(const CException&) = delete;
    CException& operator=(const CException&) = delete;
};
