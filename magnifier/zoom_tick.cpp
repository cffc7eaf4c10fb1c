// One tick of the magnifier: place the lens by the pointer and show the
// enlarged area around it.
#include "forms/application.h"
#include "forms/retained_image.h"
#include "magnifier/capture_screen.h"
#include "magnifier/frm_origine.h"
#include "magnifier/frm_vistak.h"
#include "magnifier/magnifier_state.h"
#include "magnifier/tick_geometry.h"

void FrmVistak::ZoomTimer_Timer() {
    POINT CursorPoint{};
    GetCursorPos(&CursorPoint);
    const TickGeometry tick = ComputeTickGeometry(ScreenWidth, ScreenHeight, ZoomFactor, CursorPoint.x, CursorPoint.y);
    forms::YieldMessages();

    const PixelRect lens = LensWindowRect(tick);
    SetWindowPos(Handle(), HWND_TOPMOST, lens.x, lens.y, lens.width, lens.height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    forms::YieldMessages();

    CaptureScreen(tick.SourceWidth, tick.SourceHeight, tick.SourceX, tick.SourceY);
    forms::YieldMessages();

    forms::StretchDraw(Image(), 0, 0, tick.LensWidth, tick.LensHeight, frmOrigine().Image(), 0, 0,
                       tick.SourceWidth, tick.SourceHeight);
    Refresh();
    forms::YieldMessages();
}
