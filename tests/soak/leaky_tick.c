/* A deliberately leaking stand-in for a magnifier tick, used to prove that the
 * soak measurement sees handle leaks: every 50 ms it creates a display DC and
 * a compatible bitmap and never releases either. It shows one small topmost
 * window (so it is a GUI client like the magnifier) and exits after the number
 * of ticks given as its first argument (default 10000). */
#include <windows.h>
#include <stdlib.h>

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    (void)previous;
    (void)show;
    long ticks = atol(commandLine);
    if (ticks <= 0) ticks = 10000;

    WNDCLASSA windowClass = {0};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "SoakLeakyTick";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "SoakLeakyTick", "soak leaky tick", WS_POPUP,
                                  0, 0, 64, 16, NULL, NULL, instance, NULL);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    SetTimer(window, 1, 50, NULL);

    long done = 0;
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == window) {
            /* The leak: neither handle is ever released. */
            HDC display = CreateDCA("DISPLAY", "DISPLAY", "DISPLAY", NULL);
            HBITMAP bitmap = CreateCompatibleBitmap(display, 384, 54);
            (void)bitmap;
            if (++done >= ticks) DestroyWindow(window);
            continue;
        }
        DispatchMessageA(&message);
    }
    return 0;
}
