#include "app/main.h"

#include <windows.h>

#include "app/frm_sda.h"
#include "forms/application.h"
#include "forms/int32_conversion.h"
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

// The display's device context and size, which every tick and capture use: measured at start-up and
// again after each change of the display, so that the next tick takes the new size. False when no
// display device context can be made.
bool MeasureScreen() {
    forms::OwnedDc display(CreateDCA("DISPLAY", "DISPLAY", "DISPLAY", &DisplayDevMode));
    // Windows may refuse that device name with empty initialisation data; the documented form gives
    // the same display.
    if (!display) display.Reset(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
    if (!display) return false;
    ScreenDC = std::move(display);
    HorzRes = GetDeviceCaps(ScreenDC.Get(), HORZRES);
    VertRes = GetDeviceCaps(ScreenDC.Get(), VERTRES);
    ScreenWidth = HorzRes;
    ScreenHeight = VertRes;
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
