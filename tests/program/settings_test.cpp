#include "forms/handles.h"
#include "program_test.h"
#include "settings/close_settings.h"

namespace {

using SettingsWindow = ProgramTest;

// A settings file that cannot be written (held open by another program, or in a folder the user may not
// write) loses only the file: the window closes, the lens resumes, and the chosen factor applies. (What
// the file holds, and the file it replaces, are checked end to end.)
TEST_F(SettingsWindow, ClosingGoesOnWhenTheFileCannotBeWritten) {
    const forms::OwnedFile locked(
        CreateFileW(SettingsPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(locked);
    frmSettings().Show();
    ZoomFactor = 3.5;
    EXPECT_NO_THROW(CloseSettings());
    EXPECT_EQ(ZoomFactor, 3.5);
    EXPECT_FALSE(frmSettings().IsLoaded());
    EXPECT_TRUE(frmVistak().ZoomTimer.Enabled()) << "the lens did not resume";
}

}  // namespace
