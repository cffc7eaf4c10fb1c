#pragma once
// The splash window: the splash picture, with a navy strip that carries the web address.
#include "forms/design.h"
#include "resources/resource_ids.h"

namespace designs::sda {

inline const forms::FormDesign frmSDA{
    L"VistakSplash", forms::Border::None, 4620, 5745, 0, 0, forms::StartPosition::CentreScreen, "",
    forms::kColorWindow, false, IDI_SDA, IDB_SPLASH};

constexpr forms::ColourRef kNavy = 0x00800000;
inline const forms::BoxDesign Picture1{{0, 5040, 4620, 705}, kNavy};
inline const forms::LabelDesign Label1{
    "www.example.com", {120, 60, 4455, 555}, {"Arial", 20.25}, 0x0000FFFF,
    forms::kNoColour};
constexpr unsigned kTimerSDAInterval = 3000;

}  // namespace designs::sda
