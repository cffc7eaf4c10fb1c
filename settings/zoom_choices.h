#pragma once
// The factors of the settings window's zoom buttons and its read-out of the current factor.
#include <array>
#include <string>

// Indexed by the button's position in the optZoom array.
extern const std::array<double, 10> ZoomChoices;

// The factor with at least one integer digit and exactly two decimals ("0.00"),
// using the locale's decimal separator.
std::string FormatReadout(double zoom, char decimalSeparator);
