#include "tray/tray_record.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::size_t kTipLength = 64;

void PutUint32(std::uint8_t* out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::string FixedLengthText(std::string_view value, std::size_t length) {
    std::string text(value.substr(0, length));
    text.resize(length, ' ');
    return text;
}

TrayIconRecord MakeTrayIconRecord(std::uint32_t hWnd, std::uint32_t hIcon) {
    constexpr std::uint32_t kNifMessageIconTip = 1 | 2 | 4;
    constexpr std::uint32_t kWmMouseMove = 512;
    // The NUL ends the tip for the shell; the padding spaces after it are never shown.
    return {88, hWnd, 1, kNifMessageIconTip, kWmMouseMove, hIcon,
            FixedLengthText(std::string("Vistak by Orlo") + '\0', kTipLength)};
}

std::array<std::uint8_t, 88> AnsiTrayRecordBytes(const TrayIconRecord& r) {
    std::array<std::uint8_t, 88> bytes{};
    const std::uint32_t fields[] = {r.cbSize, r.hWnd, r.uID, r.uFlags, r.uCallbackMessage, r.hIcon};
    for (std::size_t i = 0; i < 6; ++i) PutUint32(&bytes[4 * i], fields[i]);
    const std::string tip = FixedLengthText(r.szTip, kTipLength);
    std::copy(tip.begin(), tip.end(), bytes.begin() + 24);
    return bytes;
}
