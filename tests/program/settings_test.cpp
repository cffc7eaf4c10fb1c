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

// Closing saves the factor, one below 1 as 2.5, which the magnifier then uses too; a file that cannot
// be written does not stop the program. (The window's activation, its focus, and the file it replaces
// are checked end to end.)
TEST_F(SettingsWindow, ClosingSavesTheFactorAndGoesOnWhenTheFileCannotBeWritten) {
    frmSettings().Show();
    ZoomFactor = 0.5;
    CloseSettings();
    EXPECT_EQ(ZoomFactor, 2.5);
    EXPECT_EQ(ReadFile(SettingsPath()), std::string(" 2") + forms::DecimalSeparator() + "5 \r\n");

    const forms::OwnedFile locked(
        CreateFileW(SettingsPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(locked);
    ZoomFactor = 3.5;
    EXPECT_NO_THROW(SaveSettings());
    EXPECT_EQ(ZoomFactor, 3.5);
}

}  // namespace
