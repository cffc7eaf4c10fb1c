#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "forms/application.h"
#include "magnifier/frm_vistak.h"
#include "magnifier/magnifier_state.h"
#include "settings/close_settings.h"
#include "settings/frm_settings.h"

namespace {

std::wstring SettingsPath() { return forms::ProgramFolder() + L"\\Vistak.txt"; }

std::string ReadSettings() {
    std::ifstream file(SettingsPath().c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

TEST(SaveSettings, ReplacesTheFileWithTheOneLineOfTheFactor) {
    {
        std::ofstream old(SettingsPath().c_str(), std::ios::binary);
        old << "something else\r\nand more\r\n";
    }
    ZoomFactor = 8;
    SaveSettings();
    EXPECT_EQ(ReadSettings(), " 8 \r\n");
    ZoomFactor = 0.5;
    SaveSettings();
    EXPECT_EQ(ZoomFactor, 2.5) << "a factor below 1 becomes 2.5 for the magnifier too";
    EXPECT_EQ(ReadSettings().substr(2, 1), std::string(1, forms::DecimalSeparator()));
    DeleteFileW(SettingsPath().c_str());
}

TEST(SaveSettings, AFileThatCannotBeWrittenDoesNotStopTheProgram) {
    HANDLE locked = CreateFileW(SettingsPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    ZoomFactor = 3.5;
    EXPECT_NO_THROW(SaveSettings());
    EXPECT_EQ(ZoomFactor, 3.5);
    CloseHandle(locked);
    DeleteFileW(SettingsPath().c_str());
}

TEST(SettingsWindow, ActivationStopsTheLensAndMovesToTheCorner) {
    ZoomFactor = 2.5;
    frmVistak().Load();
    ASSERT_TRUE(frmVistak().ZoomTimer.Enabled());
    frmSettings().Show();
    for (int i = 0; i < 20; ++i) {
        forms::YieldMessages();
        Sleep(10);
    }
    EXPECT_FALSE(frmVistak().ZoomTimer.Enabled());
    RECT frame;
    GetWindowRect(frmSettings().Handle(), &frame);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.top, 0);
    RECT client;
    GetClientRect(frmSettings().Handle(), &client);
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
    DeleteFileW(SettingsPath().c_str());
    frmVistak().Unload();
}
