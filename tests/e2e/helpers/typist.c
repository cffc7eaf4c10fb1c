/* A plain window with one edit box, for the end-to-end tests: whatever the user
   types into it is written, whole, to the file named on the command line each
   time the text changes (UTF-8, rewritten from the start). */
#include <windows.h>
#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>

#define ID_EDIT 100

static HWND edit;
static wchar_t *out_path;

static void save_text(void) {
    int length = GetWindowTextLengthW(edit);
    wchar_t *text = calloc((size_t)length + 1, sizeof(wchar_t));
    if (!text) return;
    GetWindowTextW(edit, text, length + 1);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text, length, NULL, 0, NULL, NULL);
    char *utf8 = malloc((size_t)bytes + 1);
    if (utf8) {
        WideCharToMultiByte(CP_UTF8, 0, text, length, utf8, bytes, NULL, NULL);
        /* Write beside, then replace, so a reader never sees half a file. */
        wchar_t temp[MAX_PATH + 8];
        _snwprintf(temp, MAX_PATH + 8, L"%ls.tmp", out_path);
        temp[MAX_PATH + 7] = 0;
        FILE *file = _wfopen(temp, L"wb");
        if (file) {
            fwrite(utf8, 1, (size_t)bytes, file);
            fclose(file);
            MoveFileExW(temp, out_path, MOVEFILE_REPLACE_EXISTING);
        }
        free(utf8);
    }
    free(text);
}

static LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
    case WM_CREATE:
        edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                               WS_CHILD | WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL, 10, 10, 380, 24,
                               hwnd, (HMENU)(INT_PTR)ID_EDIT, GetModuleHandleW(NULL), NULL);
        return 0;
    case WM_SETFOCUS:
        SetFocus(edit);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wparam) == ID_EDIT && HIWORD(wparam) == EN_CHANGE) save_text();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wparam, lparam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR cmdline, int show) {
    (void)previous;
    (void)cmdline;
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2) return 2;
    out_path = argv[1];

    WNDCLASSW wc = {0};
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"E2ETypist";
    if (!RegisterClassW(&wc)) return 3;

    /* Placed at the bottom-left, out of the way of the lens near the screen centre. */
    HWND window = CreateWindowExW(0, L"E2ETypist", L"E2E Typist", WS_OVERLAPPEDWINDOW, 0, 600, 420, 90,
                                  NULL, NULL, instance, NULL);
    if (!window) return 4;
    save_text();
    ShowWindow(window, show ? show : SW_SHOWNORMAL);
    UpdateWindow(window);
    SetForegroundWindow(window);
    SetFocus(edit);

    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
