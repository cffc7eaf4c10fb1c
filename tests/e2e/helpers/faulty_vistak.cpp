// Vistak whose zoom factor turns absurd a moment after the lens first shows:
// the next zoom tick overflows, an error that no handler traps.
#include <windows.h>

#include "app/main.h"
#include "forms/application.h"
#include "forms/error_report.h"
#include "magnifier/frm_vistak.h"
#include "magnifier/magnifier_state.h"

namespace {

void CALLBACK SpoilZoomOnceLensShows(HWND, UINT, UINT_PTR id, DWORD) {
    if (!frmVistak().IsVisible()) return;
    ZoomFactor = 1e300;
    KillTimer(nullptr, id);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    forms::Guarded(Main);
    SetTimer(nullptr, 0, 1000, SpoilZoomOnceLensShows);
    forms::RunMessageLoop();
    return 0;
}
