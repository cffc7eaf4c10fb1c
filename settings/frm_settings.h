#pragma once
// The settings window: pauses the lens, shows the zoom factor and offers the
// ten factors, "CHIUDI" and "FINE".
#include <array>

#include "forms/controls.h"
#include "forms/form.h"

class FrmSettings : public forms::Form {
public:
    FrmSettings();

    forms::Button cmdExit0, cmdExit1;
    forms::Label Label1;
    std::array<forms::Button, 10> optZoom;
    forms::Label lblZoom;

private:
    void Form_Activate() override;
    bool UsesDialogKeys() const override { return true; }
    void optZoom_Click(int Index);
    void cmdExit_Click(int Index);
};

FrmSettings& frmSettings();
