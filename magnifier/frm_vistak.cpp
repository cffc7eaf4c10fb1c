#include "magnifier/frm_vistak.h"

#include "forms/application.h"
#include "forms/int32_conversion.h"
#include "settings/frm_settings.h"
#include "tray/tray_icon.h"

namespace {

constexpr int kTrayRightButtonDown = WM_RBUTTONDOWN;
constexpr int kKeyF5 = VK_F5;

}  // namespace

FrmVistak& frmVistak() {
    static FrmVistak form;
    return form;
}

FrmVistak::FrmVistak()
    : Form(designs::vistak::frmVistak),
      txtGetKey(*this, designs::vistak::txtGetKey, [this](int KeyCode) { txtGetKey_KeyDown(KeyCode); }),
      ZoomTimer(*this, designs::vistak::ZoomTimer, [this] { ZoomTimer_Timer(); }),
      TrayRetryTimer(*this, designs::vistak::TrayRetryTimer, [this] { TrayRetryTimer_Timer(); }),
      mPopupSys({designs::vistak::mSettings}) {}

void FrmVistak::Form_Load() {
    // At logon the shell may not be ready: the icon is tried again until it is in.
    TrayRetryTimer.SetEnabled(!AddTrayIcon(*this));
    ZoomTimer.SetEnabled(true);
}

void FrmVistak::TrayRetryTimer_Timer() { TrayRetryTimer.SetEnabled(!RestoreTrayIcon()); }

// A restarted shell has forgotten the icon: add it again now, and keep trying if refused.
void FrmVistak::Form_TaskbarCreated() { TrayRetryTimer_Timer(); }

// The tray icon reports here as a mouse move whose X is the mouse message over the icon.
void FrmVistak::Form_MouseMove(float x, float /*y*/) {
    if (forms::ToInt32(x) != kTrayRightButtonDown) return;
    mPopupSys.Popup(*this);
    forms::YieldMessages();
}

void FrmVistak::OnMenuPopup(HMENU menu) {
    if (mPopupSys.Is(menu)) mPopupSys_Click();
}

void FrmVistak::mPopupSys_Click() { frmSettings().Show(); }

// The modifier keys are not looked at: Shift+F5 and Ctrl+F5 act as F5.
void FrmVistak::txtGetKey_KeyDown(int KeyCode) {
    if (KeyCode == kKeyF5) frmSettings().Show();
}

void FrmVistak::Form_Unload() {
    RemoveTrayIcon();
    forms::YieldMessages();
}
