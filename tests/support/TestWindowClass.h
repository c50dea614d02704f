#pragma once
#include <windows.h>

namespace testing_support {

// Registers a window class of the test program; true also when an earlier test registered it.
inline bool RegisterTestWindowClass(const wchar_t* name, WNDPROC procedure, UINT style = 0)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace testing_support
