#pragma once
#include <windows.h>

#include <commdlg.h>

// The application's printer as the framework offers it: the printer defaults, the print dialog,
// the printer's device context and its document calls. Every one of them goes through one
// replaceable table, so that a test stands in a printer (or none) and no dialog waits for a person.
struct AfxPrinterFunctions {
    BOOL(WINAPI* printDlg)(PRINTDLGW* dialog);
    HDC(WINAPI* createDC)(const wchar_t* driver, const wchar_t* device, const wchar_t* port, const DEVMODEW* mode);
    int(WINAPI* startDoc)(HDC dc, const DOCINFOW* document);
    int(WINAPI* startPage)(HDC dc);
    int(WINAPI* endPage)(HDC dc);
    int(WINAPI* endDoc)(HDC dc);
};

// The string-table id of the application's title, the name of every document it prints.
#define AFX_IDS_APP_TITLE 0xE000

// The functions in use: the system's own until replaced.
AfxPrinterFunctions AfxGetPrinterFunctions();
// Installs a table and returns the one it replaces; a null entry stands for the system's function.
AfxPrinterFunctions AfxSetPrinterFunctions(const AfxPrinterFunctions& functions);

// The default printer, asked without a dialog: false when there is none. The caller owns what
// it is given (device names, mode and a device context when the defaults hold one) and frees
// it with AfxFreePrinterDefaults.
BOOL AfxGetPrinterDeviceDefaults(PRINTDLGW* defaults);
void AfxFreePrinterDefaults(PRINTDLGW* defaults);

// A device context for the printer the device names and mode describe; null when none can be had.
HDC AfxCreateDC(HGLOBAL devNames, HGLOBAL devMode);

// The port (output) name of the device names; empty when there are none.
void AfxGetPortName(HGLOBAL devNames, wchar_t* port, size_t capacity);
