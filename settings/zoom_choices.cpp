#include "settings/zoom_choices.h"

#include <charconv>

const std::array<ZoomChoice, 10> ZoomChoices = {{
    {"1.50", 1.5},
    {"2.00", 2},
    {"2.50", 2.5},
    {"3.00", 3},
    {"3.50", 3.5},
    {"4.00", 4},
    {"5.00", 5},
    {"6.00", 6},
    {"7.00", 7},
    {"8.00", 8},
}};

std::string FormatReadout(double zoom, char decimalSeparator) {
    // to_chars ignores the C locale, so the separator is exactly the one given.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, zoom, std::chars_format::fixed, 2);
    std::string text(buffer, result.ptr);
    const auto point = text.find('.');
    if (point != std::string::npos) text[point] = decimalSeparator;
    return text;
}
