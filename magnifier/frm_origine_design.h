#pragma once
// The hidden capture surface: never shown, black, with a retained image.
#include "forms/design.h"

namespace designs::origine {

inline const forms::FormDesign frmOrigine{
    L"VistakOrigine", forms::Border::None, 7875, 6180, 2010, 1005, forms::StartPosition::Manual, "",
    0x00000000, true, 0, 0};

}  // namespace designs::origine
