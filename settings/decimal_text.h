#pragma once
// Numbers as the settings window and the settings file write them.
#include <optional>
#include <string>

// value in plain decimal (never an exponent) with the given separator: with exactly
// `decimals` decimals, or, without, the shortest digits that read back as value.
std::string DecimalText(double value, char decimalSeparator, std::optional<int> decimals = std::nullopt);
