#include "mfc/Ole.h"

#include <windows.h>
#include <ole2.h>

bool AfxOleInit()
{
    return SUCCEEDED(OleInitialize(nullptr));
}

void AfxOleTerm()
{
    OleUninitialize();
}
