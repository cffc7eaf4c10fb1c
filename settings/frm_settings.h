#pragma once
// The settings window: pauses the lens, shows the zoom factor and offers the
// ten factors, "CHIUDI" and "FINE".
#include "forms/controls.h"
#include "forms/form.h"

class FrmSettings : public forms::Form {
public:
    FrmSettings();

    forms::ButtonArray cmdExit;

private:
    forms::Label Label1;
    forms::ButtonArray optZoom;
    forms::Label lblZoom;

    void Form_Activate() override;
    bool UsesDialogKeys() const override { return true; }
    // The lens and the splash leave it to Windows: the tick sizes the lens, the splash keeps the system's scaling.
    bool FollowsMonitorScaling() const override { return true; }
    void optZoom_Click(int Index);
    void cmdExit_Click(int Index);
};

FrmSettings& frmSettings();
