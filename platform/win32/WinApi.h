#pragma once
// windows.h for the host's files. It makes macros of some Win32 names for
// their wide forms; the game has calls of the same names, so those macros
// go, in every file alike (the wide forms are called by their own names).
#include <windows.h>

#undef MessageBox
#undef PlaySound
#undef TextOut
