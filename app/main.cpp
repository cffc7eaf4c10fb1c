#include "app/main.h"

#include <windows.h>

#include "app/frm_sda.h"
#include "forms/application.h"
#include "forms/int32_conversion.h"
#include "forms/monitors.h"
#include "forms/run_time_error.h"
#include "forms/single_instance.h"
#include "magnifier/magnifier_state.h"

namespace {

// Moves the pointer to the text caret of the active window; with no active
// window or caret both points stay at the origin.
void MovePointerToCaret() {
    HWND active = GetActiveWindow();
    POINT origin{0, 0};
    ClientToScreen(active, &origin);
    POINT caret{0, 0};
    GetCaretPos(&caret);
    // x is summed and tested before y; a sum out of range is the overflow error.
    const int x = forms::AddInt32(caret.x, origin.x);
    const int y = forms::AddInt32(caret.y, origin.y);
    SetCursorPos(x, y);
    forms::YieldMessages();
}

// The screen's device context, which every capture copies from, and the display's size: measured at
// start-up and again after each change of the displays. False when no device context can be made.
bool MeasureScreen() {
    // Unlike the design, which copies from a display device context made with CreateDCA("DISPLAY"):
    // Windows documents that one, and the screen's DC, as covering all monitors, and names the origin
    // of neither. Under Wine the display device context starts at the top-left of all monitors (a
    // monitor left of the primary shifts every copy) while the screen's DC starts at the primary's
    // corner, the origin of the pointer and the lens, and reads every monitor from there.
    forms::OwnedScreenDc screen(GetDC(nullptr));
    forms::OwnedDc display(CreateDCA("DISPLAY", "DISPLAY", "DISPLAY", &DisplayDevMode));
    // Windows may refuse that device name with empty initialisation data; the documented form gives
    // the same display.
    if (!display) display.Reset(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
    if (!screen || !display) return false;
    ScreenDC = std::move(screen);
    HorzRes = GetDeviceCaps(display.Get(), HORZRES);
    VertRes = GetDeviceCaps(display.Get(), VERTRES);
    // The primary monitor's size: a display that spans several monitors could report their sum.
    const SIZE primary = forms::ScreenPixels();
    ScreenWidth = primary.cx;
    ScreenHeight = primary.cy;
    return true;
}

}  // namespace

void Main() {
    forms::SetProgramName("Vistak");
    if (!forms::ClaimSingleInstance(L"Local\\Vistak.SingleInstance")) forms::EndNow();
    ZoomFactor = 2.5;
    MovePointerToCaret();
    // Unlike the design, which stores a failed CreateDCA's 0 untested: without a display there is no
    // lens, and the user is told so.
    if (!MeasureScreen()) throw forms::InvalidProcedureCall("Cannot open the display");
    // Unlike the design, which reads the size once: after a change of resolution the lens kept it and
    // hung off a smaller screen. A display that cannot be opened just after a change keeps the last one.
    forms::OnDisplayChange([] { MeasureScreen(); });
    Exiting = false;
    frmSDA().Show();
}
