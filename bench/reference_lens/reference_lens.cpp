// The least a magnifier tick can do, as a yardstick for Vistak's CPU use and
// memory: every 50 ms read the pointer, move a topmost popup beside it, copy
// the source rectangle from a display DC made once (the floor: the screen's DC) into a memory DC, and
// stretch that copy onto the window. Same geometry as Vistak.
//
// Usage: bench_reference_lens.exe [--floor] [--zoom=Z]   (zoom 2.5 unless given)
// Bare (no --floor), the window is titled "reference lens" and never takes the
// focus. With --floor ("floor lens") each tick also does the platform work
// that a faithful tick cannot leave out: it yields five times, dispatching
// whatever waits, and gives the keyboard focus to a text box of the lens after
// each capture, which makes the lens the active window. Closing the window ends
// the program.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT_PTR TickTimer = 1;

struct Lens {
    bool floor = false;
    double zoom = 2.5;
    int screenWidth = 0, screenHeight = 0;
    int sourceWidth = 0, sourceHeight = 0;
    int lensWidth = 0, lensHeight = 0;
    HWND textBox = nullptr;
    bool ticking = false;
    HDC display = nullptr;
    HDC source = nullptr;  // what the copy reads
    HDC memory = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
};

Lens lens;

// Dispatches whatever waits for the thread, as Vistak's yield does.
void DispatchWaiting() {
    if (!lens.floor) return;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void Tick(HWND window) {
    POINT pointer{};
    GetCursorPos(&pointer);
    const int sourceX = std::max<int>(0, pointer.x - 64);
    const int sourceY = std::max<int>(0, pointer.y - lens.sourceHeight / 2);
    const int left = std::max<int>(0, pointer.x - static_cast<int>(64 * lens.zoom));
    int top = static_cast<int>(pointer.y) + lens.sourceHeight / 2;
    if (top > lens.screenHeight - lens.lensHeight) {
        top = static_cast<int>(pointer.y) - lens.lensHeight - lens.lensHeight / 2;
    }
    DispatchWaiting();
    SetWindowPos(window, HWND_TOPMOST, left, top, lens.lensWidth, lens.lensHeight, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    DispatchWaiting();
    BitBlt(lens.memory, 0, 0, lens.sourceWidth, lens.sourceHeight, lens.source, sourceX, sourceY, SRCCOPY);
    if (lens.floor) {
        DispatchWaiting();
        SetFocus(lens.textBox);
        DispatchWaiting();
    }
    HDC target = GetDC(window);
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, 0, 0, lens.lensWidth, lens.lensHeight, lens.memory, 0, 0, lens.sourceWidth,
               lens.sourceHeight, SRCCOPY);
    ReleaseDC(window, target);
    DispatchWaiting();
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        // A tick that falls due during a yield of the running one is not started inside it.
        if (wParam == TickTimer && !lens.ticking) {
            lens.ticking = true;
            Tick(window);
            lens.ticking = false;
        }
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

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    lens.floor = std::strstr(commandLine, "--floor") != nullptr;
    if (const char* zoom = std::strstr(commandLine, "--zoom=")) lens.zoom = std::atof(zoom + 7);
    lens.display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    // The floor copies from the screen's DC, as a copy that reaches every monitor must under Wine (the display
    // DC's origin lies at the top-left of all monitors); the bare lens keeps the display DC.
    lens.source = lens.floor ? GetDC(nullptr) : lens.display;
    lens.screenWidth = GetDeviceCaps(lens.display, HORZRES);
    lens.screenHeight = GetDeviceCaps(lens.display, VERTRES);
    lens.lensWidth = std::min(static_cast<int>(lens.screenWidth / 5 * lens.zoom), lens.screenWidth);
    lens.lensHeight = static_cast<int>(lens.screenHeight / 20 * lens.zoom);
    lens.sourceWidth = static_cast<int>(lens.lensWidth / lens.zoom);
    lens.sourceHeight = lens.screenHeight / 20;
    lens.memory = CreateCompatibleDC(lens.display);
    lens.bitmap = CreateCompatibleBitmap(lens.display, lens.sourceWidth, lens.sourceHeight);
    lens.previous = SelectObject(lens.memory, lens.bitmap);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "ReferenceLens";
    RegisterClassA(&windowClass);
    const DWORD exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | (lens.floor ? 0 : WS_EX_NOACTIVATE);
    HWND window = CreateWindowExA(exStyle, "ReferenceLens", lens.floor ? "floor lens" : "reference lens", WS_POPUP,
                                  0, 0, lens.lensWidth, lens.lensHeight, nullptr, nullptr, instance, nullptr);
    if (lens.floor) {
        lens.textBox = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, lens.lensWidth - 10, lens.lensHeight - 20,
                                       10, 20, window, nullptr, instance, nullptr);
    }
    SetTimer(window, TickTimer, 50, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    SelectObject(lens.memory, lens.previous);
    DeleteObject(lens.bitmap);
    DeleteDC(lens.memory);
    if (lens.source != lens.display) ReleaseDC(nullptr, lens.source);
    DeleteDC(lens.display);
    return 0;
}
