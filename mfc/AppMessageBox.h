#pragma once
#include <windows.h>

// The application's message box. Every box of the process goes through AfxShowMessageBox, so a
// test program can replace it once and no box ever waits for a person.

typedef int (*AfxMessageBoxHandler)(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// Shows a box and returns the button pressed (IDOK, IDYES, ...); a null caption shows the
// application's title.
int AfxShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// A box without owner under the application's title.
int AfxMessageBox(const wchar_t* text, UINT type = MB_OK);

// Installs a replacement for every box and returns the one it replaces; null restores the
// system's own box.
AfxMessageBoxHandler AfxSetMessageBoxHandler(AfxMessageBoxHandler handler);

// The application's title: the executable's name until the application sets its own.
const wchar_t* AfxGetAppName();
void AfxSetAppName(const wchar_t* name);
