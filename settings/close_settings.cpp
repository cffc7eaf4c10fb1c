#include "settings/close_settings.h"

#include <windows.h>

#include "forms/application.h"
#include "forms/handles.h"
#include "magnifier/frm_vistak.h"
#include "magnifier/magnifier_state.h"
#include "settings/frm_settings.h"
#include "settings/settings_file.h"

void CloseSettings() {
    SaveSettings();
    ResumeZoom();
    frmSettings().Unload();
}

// The file is never read back. A folder that cannot be written loses only the
// file: the chosen factor still applies.
void SaveSettings() {
    // At a drive root this gives "C:\\Vistak.txt", which Windows reads as "C:\Vistak.txt".
    const std::wstring path = forms::ProgramFolder() + L"\\Vistak.txt";
    ZoomFactor = ZoomToSave(ZoomFactor);
    forms::OwnedFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    const std::string line = SettingsFileLine(ZoomFactor, forms::DecimalSeparator());
    DWORD written = 0;
    WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

void ResumeZoom() {
    // Both load the lens first if it was closed meanwhile, with its icon: the magnifier comes back.
    frmVistak().ZoomTimer.SetEnabled(true);
    frmVistak().MakeVisible();
}
