#include "magnifier/capture_screen.h"

#include "forms/application.h"
#include "forms/int32_conversion.h"
#include "forms/retained_image.h"
#include "magnifier/frm_origine.h"
#include "magnifier/frm_vistak.h"
#include "magnifier/magnifier_state.h"
#include "magnifier/skip_on_error.h"

void CaptureScreen(double width, double height, double left, double top) {
    // The first reference to the capture surface's image loads the surface, hidden.
    SkipOnError([] { frmOrigine().Image().Clear(); });
    SkipOnError([&] {
        const int w = forms::ToInt32(width), h = forms::ToInt32(height);
        const int x = forms::ToInt32(left), y = forms::ToInt32(top);
        BitBlt(frmOrigine().Image().DrawingDc(RECT{0, 0, w, h}), 0, 0, w, h, ScreenDC.Get(), x, y, SRCCOPY);
    });
    SkipOnError([] { frmOrigine().Image().CopyToPicture(); });
    forms::YieldMessages();
    // Unlike the design, which focuses at every capture: the lens takes the keyboard only while it runs,
    // so a settings window opened during this tick (which stopped the timer) keeps it.
    if (frmVistak().ZoomTimer.Enabled()) SkipOnError([] { frmVistak().txtGetKey.SetFocus(); });
}
