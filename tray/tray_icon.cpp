#include "tray/tray_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "forms/application.h"
#include "forms/handles.h"

TrayIconRecord TrayIconData{};

#ifndef _WIN64
// The 32-bit shell reads the record byte for byte as the tested layout: six
// 32-bit fields, then a tip that runs to the end of the first-version size.
static_assert(NOTIFYICONDATAA_V1_SIZE == kTrayRecordSize);
static_assert(offsetof(NOTIFYICONDATAA, hWnd) == 4 && offsetof(NOTIFYICONDATAA, uID) == 8 &&
              offsetof(NOTIFYICONDATAA, uFlags) == 12 && offsetof(NOTIFYICONDATAA, uCallbackMessage) == 16 &&
              offsetof(NOTIFYICONDATAA, hIcon) == 20 && offsetof(NOTIFYICONDATAA, szTip) == kTrayTipOffset);
#endif

namespace {

// The shell's first NOTIFYICONDATAA layout, filled from the record. In a
// 32-bit program these are exactly the record's 88 bytes.
NOTIFYICONDATAA ShellRecord(const TrayIconRecord& record) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(record.hWnd));
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(static_cast<UINT_PTR>(record.hIcon));
    std::memcpy(data.szTip, record.szTip.data(), std::min(record.szTip.size(), sizeof data.szTip));
    return data;
}

// Window and icon handles carry 32 significant bits on every Windows.
std::uint32_t HandleBits(const void* handle) {
    return static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(handle));
}

// The shell's library is loaded for each call only: kept loaded, it and the libraries it
// brings in would hold about a megabyte for the whole run, for a few calls at start and end.
bool NotifyShell(DWORD message, NOTIFYICONDATAA& data) {
    const forms::OwnedLibrary shell(LoadLibraryW(L"shell32.dll"));
    const auto notifyIcon =
        forms::LibraryFunction<BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA)>(shell.Get(), "Shell_NotifyIconA");
    return notifyIcon && notifyIcon(message, &data);
}

}  // namespace

bool AddTrayIcon(forms::Form& frm) {
    TrayIconData = MakeTrayIconRecord(HandleBits(frm.Handle()), HandleBits(frm.Icon()));
    NOTIFYICONDATAA data = ShellRecord(TrayIconData);
    const bool added = NotifyShell(NIM_ADD, data);
    forms::YieldMessages();
    return added;
}

bool RestoreTrayIcon() {
    NOTIFYICONDATAA data = ShellRecord(TrayIconData);
    // An icon the shell still has refuses a second add but takes a modify.
    return NotifyShell(NIM_ADD, data) || NotifyShell(NIM_MODIFY, data);
}

void RemoveTrayIcon() {
    NOTIFYICONDATAA data = ShellRecord(TrayIconData);
    NotifyShell(NIM_DELETE, data);
    forms::YieldMessages();
}
