#pragma once
// The notification-area icon, bound to a window that receives its mouse
// activity as that window's mouse-move message.
#include "forms/form.h"
#include "tray/tray_record.h"

extern TrayIconRecord TrayIconData;

void AddTrayIcon(forms::Form& frm);
void RemoveTrayIcon();
