// The least a magnifier tick can do, as a yardstick for Vistak's CPU use:
// every 50 ms read the pointer, move a topmost popup beside it, copy the
// source rectangle from a display DC made once into a memory DC, and
// stretch that copy onto the window. Same geometry as Vistak at zoom 2.5.
// The window's title is "reference lens"; closing it ends the program.
#include <windows.h>

namespace {

constexpr double Zoom = 2.5;
constexpr UINT_PTR TickTimer = 1;

struct Lens {
    int screenWidth = 0, screenHeight = 0;
    int sourceWidth = 0, sourceHeight = 0;
    int lensWidth = 0, lensHeight = 0;
    HDC display = nullptr;
    HDC memory = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
};

Lens lens;

void Tick(HWND window) {
    POINT pointer{};
    GetCursorPos(&pointer);
    int sourceX = pointer.x - 64;
    if (sourceX < 0) sourceX = 0;
    int sourceY = pointer.y - lens.sourceHeight / 2;
    if (sourceY < 0) sourceY = 0;
    int left = pointer.x - static_cast<int>(64 * Zoom);
    if (left < 0) left = 0;
    int top = pointer.y + lens.sourceHeight / 2;
    if (top > lens.screenHeight - lens.lensHeight) top = pointer.y - lens.lensHeight - lens.lensHeight / 2;
    SetWindowPos(window, HWND_TOPMOST, left, top, lens.lensWidth, lens.lensHeight, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    BitBlt(lens.memory, 0, 0, lens.sourceWidth, lens.sourceHeight, lens.display, sourceX, sourceY, SRCCOPY);
    HDC target = GetDC(window);
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, 0, 0, lens.lensWidth, lens.lensHeight, lens.memory, 0, 0, lens.sourceWidth,
               lens.sourceHeight, SRCCOPY);
    ReleaseDC(window, target);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == TickTimer) Tick(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        StretchBlt(dc, 0, 0, lens.lensWidth, lens.lensHeight, lens.memory, 0, 0, lens.sourceWidth,
                   lens.sourceHeight, SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    lens.display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    lens.screenWidth = GetDeviceCaps(lens.display, HORZRES);
    lens.screenHeight = GetDeviceCaps(lens.display, VERTRES);
    lens.sourceWidth = lens.screenWidth / 5;
    lens.sourceHeight = lens.screenHeight / 20;
    lens.lensWidth = static_cast<int>(lens.sourceWidth * Zoom);
    lens.lensHeight = static_cast<int>(lens.sourceHeight * Zoom);
    lens.memory = CreateCompatibleDC(lens.display);
    lens.bitmap = CreateCompatibleBitmap(lens.display, lens.sourceWidth, lens.sourceHeight);
    lens.previous = SelectObject(lens.memory, lens.bitmap);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "ReferenceLens";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "ReferenceLens",
                                  "reference lens", WS_POPUP, 0, 0, lens.lensWidth, lens.lensHeight, nullptr,
                                  nullptr, instance, nullptr);
    SetTimer(window, TickTimer, 50, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    SelectObject(lens.memory, lens.previous);
    DeleteObject(lens.bitmap);
    DeleteDC(lens.memory);
    DeleteDC(lens.display);
    return 0;
}
