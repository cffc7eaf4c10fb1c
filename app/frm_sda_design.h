#pragma once
// The splash window: the splash picture, with a navy strip that carries the web address.
#include "forms/design.h"
#include "resources/resource_ids.h"

namespace designs::sda {

inline constexpr forms::FormDesign frmSDA = forms::FormDesign()
    .ClassName(L"VistakSplash")
    .BorderStyle(forms::Border::None)
    .ClientWidth(4620)
    .ClientHeight(5745)
    .StartUpPosition(forms::StartPosition::CentreScreen)
    .BackColour(forms::kColorWindow)
    .Icon(IDI_SDA)
    .Picture(IDB_SPLASH);

constexpr forms::ColourRef kNavy = 0x00800000;

// Aligned to the bottom: the whole client width, 705 twips high.
inline constexpr forms::BoxDesign Picture1 =
    forms::BoxDesign().Left(0).Top(5040).Width(4620).Height(705).BackColour(kNavy).TabIndex(0);

// Inside Picture1, transparent over its navy.
inline constexpr forms::LabelDesign Label1 = forms::LabelDesign()
    .Caption("www.example.com")
    .Left(120).Top(60).Width(4455).Height(555)
    .Font({"Arial", 20.25})
    .ForeColour(0x0000FFFF)
    .TabIndex(1);

inline constexpr forms::TimerDesign TimerSDA = forms::TimerDesign().Interval(3000).Enabled(true);

static_assert(forms::OwnTabIndexes(Picture1, Label1), "frmSDA: each control its own tab index");

}  // namespace designs::sda
