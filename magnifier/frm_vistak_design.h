#pragma once
// The lens window: borderless, drawn in pixels into a retained image.
#include "forms/design.h"
#include "resources/resource_ids.h"

namespace designs::vistak {

inline const forms::FormDesign frmVistak{
    L"VistakLens", forms::Border::None, 4965, 3360, 120, 120, forms::StartPosition::Manual, "",
    forms::kColorWindow, true, IDI_VISTAK, 0};

inline const forms::FontDesign kLensFont{"System", 9.75};
inline const forms::Placement txtGetKey{4800, 3000, 150, 300};
constexpr unsigned kZoomTimerInterval = 50;
constexpr unsigned kTrayRetryInterval = 2000;

inline const char* const mSettings = "&Impostazioni";

}  // namespace designs::vistak
