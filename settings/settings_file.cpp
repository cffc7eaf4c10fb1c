#include "settings/settings_file.h"

#include "settings/decimal_text.h"

double ZoomToSave(double zoom) {
    return zoom < 1 ? 2.5 : zoom;
}

std::string SettingsFileLine(double zoom, char decimalSeparator) {
    return " " + DecimalText(zoom, decimalSeparator) + " \r\n";
}
