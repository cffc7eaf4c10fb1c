#pragma once
// The settings window: the zoom read-out and two arrays of push buttons.
#include <array>

#include "forms/design.h"

namespace designs::settings {

inline const forms::FormDesign frmSettings{
    L"VistakSettings", forms::Border::FixedDialog, 9555, 2205, 240, 240, forms::StartPosition::Manual,
    "Vistak by Pelmaro - Lurno", 0x00FF8080, false, 0, 0};

inline const forms::FontDesign kLabelFont{"Arial", 36};
inline const forms::FontDesign kButtonFont{"Arial", 26.25};

inline const forms::LabelDesign Label1{
    "ZOOM", {240, 0, 2595, 735}, kLabelFont, forms::kNoColour, forms::kNoColour};
inline const forms::LabelDesign lblZoom{
    "2.50", {180, 750, 2625, 825}, kLabelFont, 0x00FFFFFF, 0x00000000};

// In tab order: the exit buttons come first, so "CHIUDI" takes the focus.
inline const std::array<forms::ButtonDesign, 2> cmdExit{{
    {"CHIUDI", {4230, 1560, 2625, 615}, kButtonFont},
    {"FINE", {6900, 1560, 2625, 615}, kButtonFont},
}};

inline const std::array<forms::ButtonDesign, 10> optZoom{{
    {"1.50", {2880, 90, 1305, 690}, kButtonFont},
    {"2.00", {4230, 90, 1305, 690}, kButtonFont},
    {"2.50", {5550, 90, 1305, 690}, kButtonFont},
    {"3.00", {6900, 90, 1305, 690}, kButtonFont},
    {"3.50", {8220, 90, 1305, 690}, kButtonFont},
    {"4.00", {2880, 840, 1305, 690}, kButtonFont},
    {"5.00", {4230, 840, 1305, 690}, kButtonFont},
    {"6.00", {5550, 840, 1305, 690}, kButtonFont},
    {"7.00", {6900, 840, 1305, 690}, kButtonFont},
    {"8.00", {8220, 840, 1305, 690}, kButtonFont},
}};

}  // namespace designs::settings
