#include "app/end_program.h"

#include "program_test.h"
#include "tray/tray_icon.h"

using ProgramEnd = ProgramTest;

TEST_F(ProgramEnd, ClosesTheMagnifierAndShowsTheSplashWithoutTouchingTheFile) {
    frmVistak().Load();
    frmSettings().Show();
    forms::YieldMessages();

    EndProgram();
    EXPECT_TRUE(Exiting);
    EXPECT_FALSE(frmSettings().IsLoaded());
    EXPECT_FALSE(frmVistak().IsLoaded());
    EXPECT_TRUE(frmSDA().IsVisible());
    EXPECT_EQ(TrayIconData.uID, 1u) << "the record keeps its last values after removal";
    EXPECT_EQ(GetFileAttributesW(SettingsPath().c_str()), INVALID_FILE_ATTRIBUTES);
}
