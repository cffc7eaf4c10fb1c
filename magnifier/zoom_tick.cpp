// One tick of the magnifier: place the lens by the pointer and show the
// enlarged area around it.
#include <optional>

#include "forms/application.h"
#include "forms/composition.h"
#include "forms/monitors.h"
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

// Where the lens shows on the screen, if it shows.
std::optional<PixelRect> ShownLens(HWND lens) {
    RECT shown;
    if (!IsWindowVisible(lens) || !GetWindowRect(lens, &shown)) return std::nullopt;
    return PixelRect{shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top};
}

}  // namespace

void FrmVistak::ZoomTimer_Timer() {
    // Unlike the design, which does not test GetCursorPos: while another desktop takes the input (a locked
    // screen, a UAC prompt) it fails, and need not leave the point alone; the lens then stays where it was.
    POINT pointer;
    if (GetCursorPos(&pointer)) CursorPoint = pointer;
    // Unlike the design, which flips the lens above the pointer after the first yield: the geometry is
    // taken whole before it, so a factor chosen inside that yield waits for the next tick.
    // Unlike the design, which measures against the primary display: the lens works in the frame of
    // the monitor under the pointer (of the nearest one, for a stale reading on none).
    const RECT monitor = forms::MonitorUnder(CursorPoint);
    const TickGeometry tick = ComputeTickGeometry(
        {monitor.left, monitor.top, monitor.right - monitor.left, monitor.bottom - monitor.top}, ZoomFactor,
        CursorPoint.x, CursorPoint.y);
    if (!YieldAndStillLoaded(*this)) return;

    // Handle() and Image() would load the lens anew if it were closed: YieldAndStillLoaded stops the tick first.
    const PixelRect lens = LensWindowRect(tick);
    const std::optional<PixelRect> shown = ShownLens(Handle());
    SetWindowPos(Handle(), HWND_TOPMOST, lens.x, lens.y, lens.width, lens.height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (!YieldAndStillLoaded(*this)) return;

    // Unlike the design, which copies at once: the compositor may not yet show the lens's move, and the copy
    // would find the lens's last image. The wait (up to a frame, about 17 ms) comes only where it could.
    const PixelRect source = SourceCopyRect(tick);
    if (CaptureMayFindOldLens(shown, lens, source)) forms::FlushComposition();
    // The source's corner in screen pixels; its size as held, which the capture rounds as the corner was.
    CaptureScreen(tick.SourceWidth, tick.SourceHeight, source.x, source.y);
    if (!YieldAndStillLoaded(*this)) return;

    forms::StretchDraw(Image(), 0, 0, tick.LensWidth, tick.LensHeight, frmOrigine().Image(), 0, 0,
                       tick.SourceWidth, tick.SourceHeight);
    Refresh();
    forms::YieldMessages();
}
