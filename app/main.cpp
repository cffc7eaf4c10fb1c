#include "app/main.h"

#include <windows.h>

#include "app/frm_sda.h"
#include "forms/application.h"
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
    SetCursorPos(caret.x + origin.x, caret.y + origin.y);
    forms::YieldMessages();
}

}  // namespace

void Main() {
    forms::SetProgramName("Vistak");
    if (!forms::ClaimSingleInstance(L"Local\\Vistak.SingleInstance")) forms::EndNow();
    ZoomFactor = 2.5;
    MovePointerToCaret();
    ScreenDC.Reset(CreateDCA("DISPLAY", "DISPLAY", "DISPLAY", &DisplayDevMode));
    // Windows may refuse that device name with empty initialisation data; the
    // documented form gives the same display, and without a display there is no lens.
    if (!ScreenDC) ScreenDC.Reset(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
    if (!ScreenDC) throw forms::RunTimeError(5, "Cannot open the display");
    HorzRes = GetDeviceCaps(ScreenDC.Get(), HORZRES);
    VertRes = GetDeviceCaps(ScreenDC.Get(), VERTRES);
    ScreenWidth = HorzRes;
    ScreenHeight = VertRes;
    Exiting = false;
    frmSDA().Show();
}
