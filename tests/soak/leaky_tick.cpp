// A deliberately leaking stand-in for a magnifier tick, which proves that the soak measurement sees handle
// leaks: every 50 ms it creates a display DC and a compatible bitmap, releases neither, and moves its small
// topmost window, so that its ticks are counted as the lens's are. It ends after 10000 ticks.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "soak leaky tick",
                                  WS_POPUP | WS_VISIBLE, 0, 0, 64, 16, nullptr, nullptr, instance, nullptr);
    SetTimer(window, 1, 50, nullptr);
    MSG message;
    for (int ticks = 0; ticks < 10000 && GetMessageA(&message, nullptr, 0, 0) > 0;) {
        if (message.message == WM_TIMER && message.hwnd == window) {
            CreateCompatibleBitmap(CreateDCA("DISPLAY", "DISPLAY", "DISPLAY", nullptr), 384, 54);
            ++ticks;
            SetWindowPos(window, nullptr, ticks % 2 * 8, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        } else {
            DispatchMessageA(&message);
        }
    }
    return 0;
}
