#include <fstream>
#include <iterator>

#include "forms/handles.h"
#include "program_test.h"
#include "settings/close_settings.h"

namespace {

using SettingsWindow = ProgramTest;

std::string ReadFile(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Closing replaces the file by the one line of the factor and resumes the lens; a file
// that cannot be written does not stop the program. (Where the window opens, its size and
// its caption are checked end to end, where every test finds the window by them.)
TEST_F(SettingsWindow, ActivationStopsTheLensAndClosingSavesTheFactorAndResumesIt) {
    std::ofstream(SettingsPath().c_str(), std::ios::binary) << "something else\r\nand more\r\n";
    frmVistak().Load();
    ASSERT_TRUE(frmVistak().ZoomTimer.Enabled());
    frmSettings().Show();
    ASSERT_TRUE(PumpUntil([] { return !frmVistak().ZoomTimer.Enabled(); }));
    EXPECT_EQ(GetFocus(), frmSettings().cmdExit[0].Handle()) << "\"CHIUDI\" holds the focus when first shown";

    ZoomFactor = 0.5;
    CloseSettings();
    EXPECT_EQ(ZoomFactor, 2.5) << "a factor below 1 becomes 2.5 for the magnifier too";
    EXPECT_EQ(ReadFile(SettingsPath()), std::string(" 2") + forms::DecimalSeparator() + "5 \r\n");
    EXPECT_TRUE(frmVistak().ZoomTimer.Enabled());
    EXPECT_TRUE(frmVistak().IsVisible());
    EXPECT_FALSE(frmSettings().IsLoaded());

    const forms::OwnedFile locked(
        CreateFileW(SettingsPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(locked);
    ZoomFactor = 3.5;
    EXPECT_NO_THROW(SaveSettings());
    EXPECT_EQ(ZoomFactor, 3.5);
}

}  // namespace
