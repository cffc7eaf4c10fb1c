#include "settings/decimal_text.h"

#include <charconv>

std::string DecimalText(double value, char decimalSeparator, std::optional<int> decimals) {
    // to_chars ignores the C locale, so the separator is exactly the one given.
    char buffer[400];
    const auto result = decimals ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                                 *decimals)
                                 : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    const auto point = text.find('.');
    if (point != std::string::npos) text[point] = decimalSeparator;
    return text;
}
