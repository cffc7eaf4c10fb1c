/* Does to Vistak's tray icon what a restarted shell does: the icon (icon 1 of
   the lens window) is gone, then "TaskbarCreated" reaches every top-level
   window. Exit status 0 when the icon was there and both steps were done. */
#include <windows.h>
#include <shellapi.h>

int main(void) {
    NOTIFYICONDATAA icon = {0};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = FindWindowA("VistakLens", NULL);
    icon.uID = 1;
    if (!icon.hWnd || !Shell_NotifyIconA(NIM_DELETE, &icon)) return 1;
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, 5000,
                        &answer);
    return 0;
}
