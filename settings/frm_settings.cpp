#include "settings/frm_settings.h"

#include "app/end_program.h"
#include "forms/application.h"
#include "forms/designs/frm_settings_design.h"
#include "magnifier/frm_vistak.h"
#include "magnifier/magnifier_state.h"
#include "settings/close_settings.h"
#include "settings/zoom_choices.h"

namespace {

template <std::size_t... Index>
std::array<forms::Button, 10> MakeZoomButtons(FrmSettings& form, std::index_sequence<Index...>,
                                              void (*click)(FrmSettings&, int)) {
    return {forms::Button(form, designs::settings::optZoom[Index], [&form, click] { click(form, Index); })...};
}

}  // namespace

FrmSettings& frmSettings() {
    static FrmSettings form;
    return form;
}

// Controls are declared in tab order: "CHIUDI" first, so it takes the focus.
FrmSettings::FrmSettings()
    : Form(designs::settings::frmSettings),
      cmdExit0(*this, designs::settings::cmdExit[0], [this] { cmdExit_Click(0); }),
      cmdExit1(*this, designs::settings::cmdExit[1], [this] { cmdExit_Click(1); }),
      Label1(*this, designs::settings::Label1),
      optZoom(MakeZoomButtons(*this, std::make_index_sequence<10>{},
                              [](FrmSettings& form, int index) { form.optZoom_Click(index); })),
      lblZoom(*this, designs::settings::lblZoom) {}

void FrmSettings::Form_Activate() {
    frmVistak().ZoomTimer.SetEnabled(false);
    forms::YieldMessages();
    SetLeft(0);
    SetTop(0);
    lblZoom.SetCaption(FormatReadout(ZoomFactor, forms::DecimalSeparator()));
}

void FrmSettings::optZoom_Click(int Index) {
    ZoomFactor = ZoomChoices[Index].factor;
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
