#include "settings/settings_file.h"

#include <charconv>

double ZoomToSave(double zoom) {
    return zoom < 1 ? 2.5 : zoom;
}

std::string SettingsFileLine(double zoom, char decimalSeparator) {
    // Shortest round-trip digits in fixed notation: plain decimal, no trailing zeros.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, zoom, std::chars_format::fixed);
    std::string number(buffer, result.ptr);
    const auto point = number.find('.');
    if (point != std::string::npos) number[point] = decimalSeparator;
    return " " + number + " \r\n";
}
