#pragma once
// The notification-area icon, bound to a window that receives its mouse
// activity as that window's mouse-move message.
#include "forms/form.h"
#include "tray/tray_record.h"

extern TrayIconRecord TrayIconData;

// Both return whether the shell took the icon: it refuses while its notification area is not ready.
bool AddTrayIcon(forms::Form& frm);
// Adds the icon again with the same record, as after a restart of the shell.
bool RestoreTrayIcon();
void RemoveTrayIcon();
