#include <gtest/gtest.h>

#include "app/end_program.h"
#include "app/frm_sda.h"
#include "forms/application.h"
#include "magnifier/frm_vistak.h"
#include "magnifier/magnifier_state.h"
#include "settings/frm_settings.h"
#include "tray/tray_icon.h"

TEST(EndProgram, ClosesTheMagnifierAndShowsTheSplashWithoutTouchingTheFile) {
    const std::wstring path = forms::ProgramFolder() + L"\\Vistak.txt";
    DeleteFileW(path.c_str());
    ZoomFactor = 2.5;
    Exiting = false;
    frmVistak().Load();
    frmSettings().Show();
    forms::YieldMessages();

    EndProgram();
    EXPECT_TRUE(Exiting);
    EXPECT_FALSE(frmSettings().IsLoaded());
    EXPECT_FALSE(frmVistak().IsLoaded());
    EXPECT_TRUE(frmSDA().IsLoaded());
    EXPECT_TRUE(frmSDA().IsVisible());
    EXPECT_EQ(TrayIconData.uID, 1u) << "the record keeps its last values after removal";
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    frmSDA().Unload();
}
