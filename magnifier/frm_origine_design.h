#pragma once
// The hidden capture surface: never shown, black, with a retained image.
#include "forms/design.h"

namespace designs::origine {

inline constexpr forms::FormDesign frmOrigine = forms::FormDesign()
    .ClassName(L"VistakOrigine")
    .BorderStyle(forms::Border::None)
    .ClientWidth(7875)
    .ClientHeight(6180)
    .Left(2010)
    .Top(1005)
    .BackColour(0x00000000)
    .RetainsImage();

}  // namespace designs::origine
