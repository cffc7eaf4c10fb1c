#pragma once
// The splash window: shown at start and at exit, it closes after two ticks of
// its timer or on a click on the picture.
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"

class FrmSDA : public forms::Form {
public:
    FrmSDA();
    void ChiudiFormSDA();

private:
    forms::PictureBox Picture1;
    forms::Label Label1;
    forms::Timer TimerSDA;

    void Form_Load() override;
    void Form_Click() override;
    void TimerSDA_Timer();

    // Belongs to one loaded life of the window.
    bool FirstTickSeen = false;
};

FrmSDA& frmSDA();
