// What the settings write: the file's line and its folder, and the window's read-out.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "forms/program_folder.h"
#include "settings/frm_settings_design.h"
#include "settings/settings_file.h"
#include "settings/zoom_choices.h"

namespace {

// Each factor the window offers, in both separators, at start (2.5) and after each button: the
// read-out shows the button's own caption; the file holds it without trailing zeros.
TEST(SettingsText, FileLineAndReadoutOfEveryChoiceWithEitherSeparator) {
    for (std::size_t index = 0; index < ZoomChoices.size(); ++index) {
        for (const char separator : {'.', ','}) {
            std::string caption = designs::settings::optZoom[index].caption;
            std::replace(caption.begin(), caption.end(), '.', separator);
            std::string plain = caption.substr(0, caption.find_last_not_of('0') + 1);
            if (plain.back() == separator) plain.pop_back();
            SCOPED_TRACE(caption);
            EXPECT_EQ(FormatReadout(ZoomChoices[index], separator), caption);
            EXPECT_EQ(SettingsFileLine(ZoomChoices[index], separator), " " + plain + " \r\n");
        }
    }
}

// The file is written as folder + "\Vistak.txt", so only a drive root keeps its backslash.
TEST(FolderOfProgram, DropsTheNameAndTheSeparatorExceptAtADriveRoot) {
    EXPECT_EQ(forms::FolderOfProgram(L"C:\\Vistak.exe"), L"C:\\");
    EXPECT_EQ(forms::FolderOfProgram(L"C:\\Programs\\Vistak\\Vistak.exe"), L"C:\\Programs\\Vistak");
    EXPECT_EQ(forms::FolderOfProgram(L"\\\\server\\share\\Vistak.exe"), L"\\\\server\\share");
}

}  // namespace
