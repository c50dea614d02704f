// The entry of a program built on the application object: the process ends when the object's
// start-up (and, when it asks for it, its message loop) returns.
#include <windows.h>

#include "mfc/WinApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int showCommand)
{
    return AfxWinMain(instance, arguments, showCommand);
}
