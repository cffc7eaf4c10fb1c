#pragma once
// Leaving the settings window through its own buttons: save the factor,
// resume the lens, unload the window.
void CloseSettings();
void SaveSettings();
void ResumeZoom();
