#pragma once
// The tray icon's record as the shell receives it.
#include <array>
#include <cstdint>
#include <string>

// The first NOTIFYICONDATA layout: six 32-bit fields, then the 64-byte tip.
constexpr std::uint32_t kTrayRecordSize = 88;
constexpr std::uint32_t kTrayTipOffset = 24;

// The tip is ASCII, so it is held narrow.
struct TrayIconRecord {
    std::uint32_t cbSize, hWnd, uID, uFlags, uCallbackMessage, hIcon;
    std::string szTip;  // exactly 64 characters
};

// The record for icon 1 of window hWnd: message, icon and tip valid, mouse
// activity reported as WM_MOUSEMOVE.
TrayIconRecord MakeTrayIconRecord(std::uint32_t hWnd, std::uint32_t hIcon);

// The record's bytes in the first layout, little-endian, as a 32-bit program hands them to the shell.
std::array<std::uint8_t, kTrayRecordSize> ShellBytes(const TrayIconRecord& record);
