// A plain window with one edit box, for the end-to-end tests: the window's title shows the box's text, which
// the tests read from the X server. The box is a child, as in most programs: a program that takes the
// foreground robs such a window of its keys.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_COMMAND && HIWORD(wparam) == EN_CHANGE) {
        char text[1024];
        GetWindowTextA(reinterpret_cast<HWND>(lparam), text, sizeof text);
        SetWindowTextA(window, text);
    }
    return DefWindowProcA(window, msg, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "E2ETypist";
    RegisterClassA(&windowClass);
    // At the bottom-left, out of the way of the lens near the screen centre and of the tray.
    HWND window = CreateWindowA("E2ETypist", "E2E Typist", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 600, 420, 90, nullptr,
                                nullptr, instance, nullptr);
    SetFocus(CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 380, 24, window, nullptr,
                           instance, nullptr));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
