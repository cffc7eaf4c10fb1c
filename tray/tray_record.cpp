#include "tray/tray_record.h"

TrayIconRecord MakeTrayIconRecord(std::uint32_t hWnd, std::uint32_t hIcon) {
    constexpr std::uint32_t kNifMessageIconTip = 1 | 2 | 4;
    constexpr std::uint32_t kWmMouseMove = 512;
    // The NUL ends the tip for the shell; the padding spaces after it are never shown.
    std::string tip = std::string("Vistak by Orlo") + '\0';
    tip.resize(kTrayRecordSize - kTrayTipOffset, ' ');
    return {kTrayRecordSize, hWnd, 1, kNifMessageIconTip, kWmMouseMove, hIcon, tip};
}
