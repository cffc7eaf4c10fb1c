#pragma once
// The tray icon's record and the ANSI bytes the shell receives.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Fixed-length text: the value at the left, cut after length characters or
// padded with spaces up to length.
std::string FixedLengthText(std::string_view value, std::size_t length);

// The first, 88-byte NOTIFYICONDATA layout. The tip is ASCII, so it is held narrow.
struct TrayIconRecord {
    std::uint32_t cbSize, hWnd, uID, uFlags, uCallbackMessage, hIcon;
    std::string szTip;  // exactly 64 characters
};

// The record for icon 1 of window hWnd: message, icon and tip valid, mouse
// activity reported as WM_MOUSEMOVE.
TrayIconRecord MakeTrayIconRecord(std::uint32_t hWnd, std::uint32_t hIcon);

// Six little-endian 32-bit fields, then the 64 tip bytes.
std::array<std::uint8_t, 88> AnsiTrayRecordBytes(const TrayIconRecord& r);
