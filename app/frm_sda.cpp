#include "app/frm_sda.h"

#include "app/frm_sda_design.h"
#include "app/splash_target.h"
#include "forms/application.h"
#include "forms/monitors.h"
#include "magnifier/frm_vistak.h"
#include "magnifier/magnifier_state.h"

FrmSDA& frmSDA() {
    static FrmSDA form;
    return form;
}

FrmSDA::FrmSDA()
    : Form(designs::sda::frmSDA),
      Picture1(*this, designs::sda::Picture1),
      Label1(*this, designs::sda::Label1, &Picture1),
      TimerSDA(*this, designs::sda::TimerSDA, [this] { TimerSDA_Timer(); }) {}

void FrmSDA::Form_Load() {
    FirstTickSeen = false;
    const SIZE primary = forms::ScreenPixels();
    const PointerTarget centre = SplashPointerTarget(primary.cx, primary.cy, forms::LogicalPixelsPerInch());
    SetCursorPos(centre.x, centre.y);
    forms::YieldMessages();
    TimerSDA.SetEnabled(true);
}

void FrmSDA::TimerSDA_Timer() {
    if (FirstTickSeen) {
        ChiudiFormSDA();
    } else {
        FirstTickSeen = true;
    }
}

void FrmSDA::Form_Click() { ChiudiFormSDA(); }

void FrmSDA::ChiudiFormSDA() {
    TimerSDA.SetEnabled(false);
    if (!Exiting) {
        // The lens is loaded before the splash goes, so some window of the program is always loaded.
        frmVistak().Load();
        Unload();
    } else {
        forms::EndNow();
    }
}
