#pragma once
// The lens window: borderless, drawn in pixels into a retained image.
#include "forms/design.h"
#include "resources/resource_ids.h"

namespace designs::vistak {

inline constexpr forms::FormDesign frmVistak = forms::FormDesign()
    .ClassName(L"VistakLens")
    .BorderStyle(forms::Border::None)
    .ClientWidth(4965)
    .ClientHeight(3360)
    .Left(120)
    .Top(120)
    .BackColour(forms::kColorWindow)
    .RetainsImage()
    .Icon(IDI_VISTAK);

// The keyboard sink in the lens's lower right corner, where the lens is smaller: out of sight.
inline constexpr forms::TextBoxDesign txtGetKey =
    forms::TextBoxDesign().Left(4800).Top(3000).Width(150).Height(300).Font({"System", 9.75}).TabIndex(0);
static_assert(forms::OwnTabIndexes(txtGetKey), "frmVistak: each control its own tab index");

// Unlike the design's plain 50 ms timer, which Windows' 15.6 ms clock stretches to 62.5 ms, the lens
// keeps twenty updates a second.
inline constexpr forms::TimerDesign ZoomTimer =
    forms::TimerDesign().Interval(50).Enabled(true).KeepsIntervalOnAverage();

// Unlike the design, which adds the tray icon once: at logon the shell may not be ready yet, and the
// icon is tried again every two seconds until it is in.
inline constexpr forms::TimerDesign TrayRetryTimer = forms::TimerDesign().Interval(2000).Enabled(false);

inline const char* const mSettings = "&Impostazioni";

}  // namespace designs::vistak
