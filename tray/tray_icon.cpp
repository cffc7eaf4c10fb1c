#include "tray/tray_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "forms/application.h"

TrayIconRecord TrayIconData{};

#ifndef _WIN64
// The 32-bit shell reads the record's bytes as they are: six
// 32-bit fields, then a tip that runs to the end of the first-version size.
static_assert(NOTIFYICONDATAA_V1_SIZE == kTrayRecordSize);
static_assert(offsetof(NOTIFYICONDATAA, hWnd) == 4 && offsetof(NOTIFYICONDATAA, uID) == 8 &&
              offsetof(NOTIFYICONDATAA, uFlags) == 12 && offsetof(NOTIFYICONDATAA, uCallbackMessage) == 16 &&
              offsetof(NOTIFYICONDATAA, hIcon) == 20 && offsetof(NOTIFYICONDATAA, szTip) == kTrayTipOffset);
#endif

namespace {

// The shell's first NOTIFYICONDATAA layout, filled from the record: in a
// 32-bit program exactly the record's 88 bytes.
NOTIFYICONDATAA ShellRecord(const TrayIconRecord& record) {
    NOTIFYICONDATAA data{};
#ifdef _WIN64
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(record.hWnd));
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(static_cast<UINT_PTR>(record.hIcon));
    std::memcpy(data.szTip, record.szTip.data(), std::min(record.szTip.size(), sizeof data.szTip));
#else
    const auto bytes = ShellBytes(record);
    std::memcpy(&data, bytes.data(), bytes.size());
#endif
    return data;
}

// Window and icon handles carry 32 significant bits on every Windows.
std::uint32_t HandleBits(const void* handle) {
    return static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(handle));
}

}  // namespace

bool AddTrayIcon(forms::Form& frm) {
    TrayIconData = MakeTrayIconRecord(HandleBits(frm.Handle()), HandleBits(frm.Icon()));
    NOTIFYICONDATAA data = ShellRecord(TrayIconData);
    const bool added = Shell_NotifyIconA(NIM_ADD, &data);
    forms::YieldMessages();
    return added;
}

bool RestoreTrayIcon() {
    NOTIFYICONDATAA data = ShellRecord(TrayIconData);
    // Unlike the design, which only adds and deletes: an icon the shell still has refuses a second add but
    // takes a modify.
    return Shell_NotifyIconA(NIM_ADD, &data) || Shell_NotifyIconA(NIM_MODIFY, &data);
}

void RemoveTrayIcon() {
    NOTIFYICONDATAA data = ShellRecord(TrayIconData);
    Shell_NotifyIconA(NIM_DELETE, &data);
    forms::YieldMessages();
}
