/* Planted beside a test program under the name of a system library: loaded, it leaves a mark in the
   process's environment. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) SetEnvironmentVariableA("PLANTED_DLL_LOADED", "1");
    return TRUE;
}
