#pragma once
// The lens window: follows the pointer, owns the tray icon and its pop-up
// menu, and holds the keyboard sink through which F5 opens the settings.
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/popup_menu.h"
#include "forms/timer.h"
#include "magnifier/frm_vistak_design.h"

class FrmVistak : public forms::Form {
public:
    FrmVistak();

    forms::TextBox txtGetKey;
    forms::Timer ZoomTimer;

private:
    forms::Timer TrayRetryTimer;
    forms::PopupMenu mPopupSys;

    void Form_Load() override;
    void Form_MouseMove(float x, float y) override;
    void Form_Unload() override;
    void OnMenuPopup(HMENU menu) override;
    void Form_TaskbarCreated() override;
    void TrayRetryTimer_Timer();
    void mPopupSys_Click();
    void txtGetKey_KeyDown(int KeyCode);
    void ZoomTimer_Timer();
};

FrmVistak& frmVistak();
