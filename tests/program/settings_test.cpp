#include <fstream>
#include <iterator>

#include "forms/handles.h"
#include "program_test.h"
#include "settings/close_settings.h"

namespace {

using SettingsFile = ProgramTest;
using SettingsWindow = ProgramTest;

std::string ReadFile(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The file is replaced by the one line of the factor; a file that cannot be
// written does not stop the program.
TEST_F(SettingsFile, ReplacedByTheLineOfTheFactorUnlessLocked) {
    std::ofstream(SettingsPath().c_str(), std::ios::binary) << "something else\r\nand more\r\n";
    ZoomFactor = 8;
    SaveSettings();
    EXPECT_EQ(ReadFile(SettingsPath()), " 8 \r\n");
    ZoomFactor = 0.5;
    SaveSettings();
    EXPECT_EQ(ZoomFactor, 2.5) << "a factor below 1 becomes 2.5 for the magnifier too";
    EXPECT_EQ(ReadFile(SettingsPath()).substr(2, 1), std::string(1, forms::DecimalSeparator()));

    const forms::OwnedFile locked(
        CreateFileW(SettingsPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(locked);
    ZoomFactor = 3.5;
    EXPECT_NO_THROW(SaveSettings());
    EXPECT_EQ(ZoomFactor, 3.5);
}

TEST_F(SettingsWindow, ActivationStopsTheLensAndMovesToTheCorner) {
    frmVistak().Load();
    ASSERT_TRUE(frmVistak().ZoomTimer.Enabled());
    frmSettings().Show();
    ASSERT_TRUE(PumpUntil([] { return !frmVistak().ZoomTimer.Enabled(); }));
    RECT frame, client;
    GetWindowRect(frmSettings().Handle(), &frame);
    GetClientRect(frmSettings().Handle(), &client);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.top, 0);
    EXPECT_EQ(client.right, 637);
    EXPECT_EQ(client.bottom, 147);
    char caption[64] = {};
    GetWindowTextA(frmSettings().Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Vistak by Pelmaro - Lurno");
    EXPECT_EQ(GetFocus(), frmSettings().cmdExit0.Handle()) << "\"CHIUDI\" holds the focus when first shown";

    CloseSettings();
    EXPECT_TRUE(frmVistak().ZoomTimer.Enabled());
    EXPECT_TRUE(frmVistak().IsVisible());
    EXPECT_FALSE(frmSettings().IsLoaded());
}

}  // namespace
