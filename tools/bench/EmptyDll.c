/* mvempty.dll: a DLL with nothing of its own, made by the same toolchain and
   stripped as a shipped DLL is: what loading any DLL costs under Wine. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}
