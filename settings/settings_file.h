#pragma once
// What the settings file holds and where it lives.
#include <string>
#include <string_view>

// The factor to store: one below 1 is replaced by the start value 2.5.
double ZoomToSave(double zoom);

// The file's one line: a space for the sign, the number in plain decimal
// without trailing zeros, a space, CR LF. zoom is not negative.
std::string SettingsFileLine(double zoom, char decimalSeparator);

// programFolder + "\Vistak.txt"; a drive root ("C:\") therefore gets a second backslash.
std::wstring SettingsFilePath(std::wstring_view programFolder);
