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
