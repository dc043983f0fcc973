/* A file named like the system's help control, as it might lie in a downloads
   folder beside the program. It loads but offers no help function: a program
   that took it would report its help file missing. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}
