// One tick of the magnifier: place the lens by the pointer and show the
// enlarged area around it.
#include "forms/application.h"
#include "forms/composition.h"
#include "forms/retained_image.h"
#include "magnifier/capture_screen.h"
#include "magnifier/frm_origine.h"
#include "magnifier/frm_vistak.h"
#include "magnifier/magnifier_state.h"
#include "magnifier/tick_geometry.h"

namespace {

// A yield may close the lens (Alt+F4 handled there): the tick then goes no further, since
// touching the form again would load it anew, with its tray icon and its timer.
bool YieldAndStillLoaded(const forms::Form& form) {
    forms::YieldMessages();
    return form.IsLoaded();
}

}  // namespace

void FrmVistak::ZoomTimer_Timer() {
    POINT CursorPoint{};
    GetCursorPos(&CursorPoint);
    const TickGeometry tick = ComputeTickGeometry(ScreenWidth, ScreenHeight, ZoomFactor, CursorPoint.x, CursorPoint.y);
    if (!YieldAndStillLoaded(*this)) return;

    const PixelRect lens = LensWindowRect(tick);
    SetWindowPos(Handle(), HWND_TOPMOST, lens.x, lens.y, lens.width, lens.height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (!YieldAndStillLoaded(*this)) return;

    // Where the desktop is composed, the copy would otherwise still find the lens where it was.
    forms::FlushComposition();
    CaptureScreen(tick.SourceWidth, tick.SourceHeight, tick.SourceX, tick.SourceY);
    if (!YieldAndStillLoaded(*this)) return;

    forms::StretchDraw(Image(), 0, 0, tick.LensWidth, tick.LensHeight, frmOrigine().Image(), 0, 0,
                       tick.SourceWidth, tick.SourceHeight);
    Refresh();
    forms::YieldMessages();
}
