#include "app/end_program.h"

#include "app/frm_sda.h"
#include "forms/application.h"
#include "magnifier/frm_vistak.h"
#include "magnifier/magnifier_state.h"
#include "settings/frm_settings.h"
#include "tray/tray_icon.h"

void EndProgram() {
    Exiting = true;
    forms::YieldMessages();
    // Touching the timer loads the lens, as any first reference to a form does: a lens closed with
    // Alt+F4 while the settings window was open comes back here, icon and all, until the unload below.
    frmVistak().ZoomTimer.SetEnabled(false);
    frmSettings().Unload();
    forms::YieldMessages();
    frmVistak().Unload();
    forms::YieldMessages();
    // Normally gone with the lens window already; removing it again is harmless.
    RemoveTrayIcon();
    forms::YieldMessages();
    frmSDA().Show();
}
