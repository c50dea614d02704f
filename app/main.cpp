#include <windows.h>

// The gadget's start-up is not built yet: the program ends at once.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return 0;
}
