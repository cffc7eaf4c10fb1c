#pragma once
// What the settings file holds.
#include <string>

// The factor to store: one below 1 is replaced by the start value 2.5.
double ZoomToSave(double zoom);

// The file's one line: a space for the sign, the number in plain decimal
// without trailing zeros, a space, CR LF. zoom is not negative.
std::string SettingsFileLine(double zoom, char decimalSeparator);
