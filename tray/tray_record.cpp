#include "tray/tray_record.h"

#include <algorithm>

TrayIconRecord MakeTrayIconRecord(std::uint32_t hWnd, std::uint32_t hIcon) {
    constexpr std::uint32_t kNifMessageIconTip = 1 | 2 | 4;
    constexpr std::uint32_t kWmMouseMove = 512;
    // The NUL ends the tip for the shell; the padding spaces after it are never shown.
    std::string tip = std::string("Vistak by Orlo") + '\0';
    tip.resize(kTrayRecordSize - kTrayTipOffset, ' ');
    return {kTrayRecordSize, hWnd, 1, kNifMessageIconTip, kWmMouseMove, hIcon, tip};
}

std::array<std::uint8_t, kTrayRecordSize> ShellBytes(const TrayIconRecord& record) {
    std::array<std::uint8_t, kTrayRecordSize> bytes{};
    const std::uint32_t fields[] = {record.cbSize, record.hWnd,   record.uID,
                                    record.uFlags, record.uCallbackMessage, record.hIcon};
    auto out = bytes.begin();
    for (const std::uint32_t field : fields) {
        for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<std::uint8_t>(field >> shift);
    }
    std::copy_n(record.szTip.begin(), std::min<std::size_t>(record.szTip.size(), bytes.end() - out), out);
    return bytes;
}
