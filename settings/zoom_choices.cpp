#include "settings/zoom_choices.h"

#include "settings/decimal_text.h"

const std::array<double, 10> ZoomChoices = {1.5, 2, 2.5, 3, 3.5, 4, 5, 6, 7, 8};

std::string FormatReadout(double zoom, char decimalSeparator) { return DecimalText(zoom, decimalSeparator, 2); }
