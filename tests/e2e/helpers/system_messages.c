/* Does to the running Vistak what the system does, as its first argument says:
   shell-restart: removes the tray icon (icon 1 of the lens), then broadcasts "TaskbarCreated";
   end-session: WM_QUERYENDSESSION, then WM_ENDSESSION, to every top-level window of Vistak's process;
   close: WM_CLOSE to each of them as taskkill without /F does, the hidden owner of the others first;
   resize W H: the primary display to W x H pixels;
   window CLASS: prints the shown window's rectangle as left top width height (in a Wine virtual desktop no
   window is one of X's).
   Exit status 0 when it found what it acts on and every window let the session end. */
#include <windows.h>
#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static HWND windows[64];
static int count;

static BOOL CALLBACK Collect(HWND window, LPARAM process) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == (DWORD)process && count < 64) windows[count++] = window;
    return TRUE;
}

/* The window's answer; 0 when it gives none in time (gone, or hung). */
static DWORD_PTR Send(HWND window, UINT message, WPARAM wParam) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, message, wParam, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    return answer;
}

/* Whether every window answered non-zero. */
static BOOL SendToAll(UINT message, WPARAM wParam) {
    BOOL all = TRUE;
    for (int i = 0; i < count; i++) all = Send(windows[i], message, wParam) && all;
    return all;
}

static int RestartShell(void) {
    NOTIFYICONDATAA icon = {0};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = FindWindowA("VistakLens", NULL);
    icon.uID = 1;
    if (!icon.hWnd || !Shell_NotifyIconA(NIM_DELETE, &icon)) return 1;
    Send(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0);
    return 0;
}

static int Resize(const char* width, const char* height) {
    DEVMODEA mode = {0};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = (DWORD)atoi(width);
    mode.dmPelsHeight = (DWORD)atoi(height);
    return ChangeDisplaySettingsExA(NULL, &mode, NULL, 0, NULL) == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

static int PrintWindowRect(const char* className) {
    HWND window = FindWindowA(className, NULL);
    RECT rect;
    if (!window || !IsWindowVisible(window) || !GetWindowRect(window, &rect)) return 1;
    printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 2 && strcmp(argv[1], "shell-restart") == 0) return RestartShell();
    if (argc == 4 && strcmp(argv[1], "resize") == 0) return Resize(argv[2], argv[3]);
    if (argc == 3 && strcmp(argv[1], "window") == 0) return PrintWindowRect(argv[2]);
    /* Every form is owned by one hidden window, which lives as long as any form does. */
    HWND form = FindWindowA("VistakLens", NULL);
    HWND application = form ? GetWindow(form, GW_OWNER) : NULL;
    DWORD process = 0;
    if (!application || !GetWindowThreadProcessId(application, &process)) return 1;
    EnumWindows(Collect, (LPARAM)process);
    if (argc == 2 && strcmp(argv[1], "end-session") == 0) {
        if (!SendToAll(WM_QUERYENDSESSION, 0)) return 2;
        SendToAll(WM_ENDSESSION, TRUE);
        return 0;
    }
    if (argc == 2 && strcmp(argv[1], "close") == 0) {
        Send(application, WM_CLOSE, 0);
        SendToAll(WM_CLOSE, 0);
        return 0;
    }
    return 1;
}
