#include "settings/frm_settings.h"

#include "app/end_program.h"
#include "forms/application.h"
#include "magnifier/frm_vistak.h"
#include "magnifier/magnifier_state.h"
#include "settings/close_settings.h"
#include "settings/frm_settings_design.h"
#include "settings/zoom_choices.h"

FrmSettings& frmSettings() {
    static FrmSettings form;
    return form;
}

FrmSettings::FrmSettings()
    : Form(designs::settings::frmSettings),
      cmdExit(*this, designs::settings::cmdExit, [this](int Index) { cmdExit_Click(Index); }),
      Label1(*this, designs::settings::Label1),
      optZoom(*this, designs::settings::optZoom, [this](int Index) { optZoom_Click(Index); }),
      lblZoom(*this, designs::settings::lblZoom) {}

void FrmSettings::Form_Activate() {
    // Touching the timer loads the lens, with its icon and its timer, if it was closed meanwhile.
    frmVistak().ZoomTimer.SetEnabled(false);
    forms::YieldMessages();
    SetLeft(0);
    SetTop(0);
    lblZoom.SetCaption(FormatReadout(ZoomFactor, forms::DecimalSeparator()));
}

void FrmSettings::optZoom_Click(int Index) {
    ZoomFactor = ZoomChoices[Index];
    lblZoom.SetCaption(FormatReadout(ZoomFactor, forms::DecimalSeparator()));
    CloseSettings();
}

void FrmSettings::cmdExit_Click(int Index) {
    if (Index == 0) {
        CloseSettings();
    } else {
        EndProgram();
    }
}
