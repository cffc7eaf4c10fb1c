/* A deliberately leaking stand-in for a magnifier tick, used to prove that the
 * soak measurement sees handle leaks: every 50 ms it creates a display DC and
 * a compatible bitmap and never releases either. It shows one small topmost
 * window (so it is a GUI client like the magnifier) and exits after the number
 * of ticks given as its first argument (default 10000). */
#include <windows.h>
#include <stdlib.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    (void)previous;
    (void)show;
    long ticks = atol(commandLine);
    if (ticks <= 0) ticks = 10000;
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "soak leaky tick",
                                  WS_POPUP | WS_VISIBLE, 0, 0, 64, 16, NULL, NULL, instance, NULL);
    SetTimer(window, 1, 50, NULL);
    MSG message;
    while (ticks > 0 && GetMessageA(&message, NULL, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == window) {
            /* The leak: neither handle is ever released. */
            CreateCompatibleBitmap(CreateDCA("DISPLAY", "DISPLAY", "DISPLAY", NULL), 384, 54);
            --ticks;
        } else {
            DispatchMessageA(&message);
        }
    }
    return 0;
}
