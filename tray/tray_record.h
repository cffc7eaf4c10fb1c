#pragma once
// The tray icon's record as the shell receives it.
#include <cstdint>
#include <string>

// The first, 88-byte NOTIFYICONDATA layout. The tip is ASCII, so it is held narrow.
struct TrayIconRecord {
    std::uint32_t cbSize, hWnd, uID, uFlags, uCallbackMessage, hIcon;
    std::string szTip;  // exactly 64 characters
};

// The record for icon 1 of window hWnd: message, icon and tip valid, mouse
// activity reported as WM_MOUSEMOVE.
TrayIconRecord MakeTrayIconRecord(std::uint32_t hWnd, std::uint32_t hIcon);
