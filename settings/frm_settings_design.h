#pragma once
// The settings window: the zoom read-out and two arrays of push buttons.
#include <array>

#include "forms/design.h"

namespace designs::settings {

inline constexpr forms::FormDesign frmSettings = forms::FormDesign()
    .ClassName(L"VistakSettings")
    .BorderStyle(forms::Border::FixedDialog)
    .ClientWidth(9555)
    .ClientHeight(2205)
    .Left(240)
    .Top(240)
    .Caption("Vistak by Pelmaro - Lurno")
    .BackColour(0x00FF8080);

inline constexpr forms::FontDesign kLabelFont{"Arial", 36};

inline constexpr forms::LabelDesign Label1 =
    forms::LabelDesign().Caption("ZOOM").Left(240).Top(0).Width(2595).Height(735).Font(kLabelFont).TabIndex(2);
inline constexpr forms::LabelDesign lblZoom = forms::LabelDesign()
    .Caption("2.50")
    .Left(180).Top(750).Width(2625).Height(825)
    .Font(kLabelFont)
    .ForeColour(0x00FFFFFF)
    .BackColour(0x00000000)
    .TabIndex(13);

inline constexpr forms::FontDesign kButtonFont{"Arial", 26.25};

// "CHIUDI" has the lowest tab index, so it takes the focus as the window opens.
inline constexpr forms::ButtonDesign kExitButton =
    forms::ButtonDesign().Top(1560).Width(2625).Height(615).Font(kButtonFont);
inline constexpr std::array<forms::ButtonDesign, 2> cmdExit{
    kExitButton.Caption("CHIUDI").Left(4230).TabIndex(0),
    kExitButton.Caption("FINE").Left(6900).TabIndex(1),
};

inline constexpr forms::ButtonDesign kZoomButton = forms::ButtonDesign().Width(1305).Height(690).Font(kButtonFont);
inline constexpr std::array<forms::ButtonDesign, 10> optZoom{
    kZoomButton.Caption("1.50").Left(2880).Top(90).TabIndex(3),
    kZoomButton.Caption("2.00").Left(4230).Top(90).TabIndex(4),
    kZoomButton.Caption("2.50").Left(5550).Top(90).TabIndex(5),
    kZoomButton.Caption("3.00").Left(6900).Top(90).TabIndex(6),
    kZoomButton.Caption("3.50").Left(8220).Top(90).TabIndex(7),
    kZoomButton.Caption("4.00").Left(2880).Top(840).TabIndex(8),
    kZoomButton.Caption("5.00").Left(4230).Top(840).TabIndex(9),
    kZoomButton.Caption("6.00").Left(5550).Top(840).TabIndex(10),
    kZoomButton.Caption("7.00").Left(6900).Top(840).TabIndex(11),
    kZoomButton.Caption("8.00").Left(8220).Top(840).TabIndex(12),
};

static_assert(forms::OwnTabIndexes(Label1, lblZoom, cmdExit, optZoom), "frmSettings: each control its own tab index");

}  // namespace designs::settings
