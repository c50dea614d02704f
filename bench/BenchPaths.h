#pragma once
// Where a bench finds what the build puts beside it: the program and the tests' stand-in libraries.
#include <windows.h>

#include <string>

// The folder of this program, with its closing backslash.
inline std::wstring ProgramFolder()
{
    wchar_t exe[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::wstring path(exe, n);
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// The tests' stand-in Pdh.dll (tests/fakepdh), built with the tests.
inline std::wstring FakePdhPath()
{
    return ProgramFolder() + L"..\\tests\\fakepdh\\pdh.dll";
}
