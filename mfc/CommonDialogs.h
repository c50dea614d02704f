#pragma once
#include <windows.h>

#include <commdlg.h>

// The system's colour, open and save dialogs as the framework calls them, through one replaceable
// table, so that a test answers in place of a person and no dialog waits for one.
struct AfxCommonDialogFunctions {
    BOOL(WINAPI* chooseColor)(CHOOSECOLORW* dialog);
    BOOL(WINAPI* getOpenFileName)(OPENFILENAMEW* dialog);
    BOOL(WINAPI* getSaveFileName)(OPENFILENAMEW* dialog);
};

// The functions in use: the system's own until replaced.
AfxCommonDialogFunctions AfxGetCommonDialogFunctions();
// Installs a table and returns the one it replaces; a null entry stands for the system's function.
AfxCommonDialogFunctions AfxSetCommonDialogFunctions(const AfxCommonDialogFunctions& functions);
