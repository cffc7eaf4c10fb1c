// An edit box as a window of its own, for the end-to-end tests: its text is
// written, whole, to the file named on the command line as it starts and each
// time the text changes.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // At the bottom-left, out of the way of the lens near the screen centre and of the tray.
    HWND edit = CreateWindowA("EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_AUTOHSCROLL, 0, 600, 420, 90, nullptr,
                              nullptr, instance, nullptr);
    SetFocus(edit);
    // A one-line box never holds a line break: the first look writes the empty text.
    char saved[1024] = "\n", text[1024];
    for (;;) {
        GetWindowTextA(edit, text, sizeof text);
        FILE* file = std::strcmp(text, saved) ? std::fopen(__argv[1], "wb") : nullptr;
        if (file) {
            std::fputs(std::strcpy(saved, text), file);
            std::fclose(file);
        }
        MSG msg;
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return 0;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
