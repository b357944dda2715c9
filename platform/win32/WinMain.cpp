// PLACEHOLDER until the Win32 window lands: it opens nothing and returns 0,
// so that the build, the installer and the tests have a program to carry.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return 0;
}
