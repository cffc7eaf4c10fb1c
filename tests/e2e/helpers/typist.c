/* An edit box as a window of its own, for the end-to-end tests: its text is
   written, whole, to the file named on the command line as it starts and each
   time the text changes. */
#include <windows.h>
#include <stdio.h>
#include <string.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR cmdline, int show) {
    (void)previous;
    (void)cmdline;
    (void)show;
    if (__argc < 2) return 2;
    /* At the bottom-left, out of the way of the lens near the screen centre and of the tray. */
    HWND edit = CreateWindowA("EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_AUTOHSCROLL, 0, 600, 420, 90, NULL,
                              NULL, instance, NULL);
    SetFocus(edit);
    /* A one-line box never holds a line break: the first look writes the empty text. */
    char saved[1024] = "\n", text[1024];
    for (;;) {
        GetWindowTextA(edit, text, (int)sizeof text);
        FILE *file = strcmp(text, saved) ? fopen(__argv[1], "wb") : NULL;
        if (file) {
            fputs(strcpy(saved, text), file);
            fclose(file);
        }
        MSG msg;
        if (GetMessageA(&msg, NULL, 0, 0) <= 0) return 0;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
