/* A plain window with one edit box, for the end-to-end tests: the box's text is
   written, whole, to the file named on the command line each time it changes. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

static void save_text(HWND edit) {
    char text[1024];
    int length = GetWindowTextA(edit, text, (int)sizeof text);
    FILE *file = fopen(__argv[1], "wb");
    if (file) {
        fwrite(text, 1, (size_t)length, file);
        fclose(file);
    }
}

static LRESULT CALLBACK window_proc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_COMMAND && HIWORD(wparam) == EN_CHANGE) save_text((HWND)lparam);
    if (msg == WM_SETFOCUS) SetFocus(GetWindow(window, GW_CHILD));
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, msg, wparam, lparam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR cmdline, int show) {
    (void)previous;
    (void)cmdline;
    (void)show;
    if (__argc < 2) return 2;
    WNDCLASSA wc = {0};
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = "E2ETypist";
    RegisterClassA(&wc);
    /* At the bottom-left, out of the way of the lens near the screen centre. */
    HWND window = CreateWindowA("E2ETypist", "E2E Typist", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 600, 420, 90,
                                NULL, NULL, instance, NULL);
    HWND edit = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 380, 24, window, NULL,
                              instance, NULL);
    save_text(edit);
    SetForegroundWindow(window);
    SetFocus(edit);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
