// What the settings write: the file's line and its folder, and the window's read-out.
#include <gtest/gtest.h>

#include "forms/program_folder.h"
#include "settings/settings_file.h"
#include "settings/zoom_choices.h"

namespace {

// The file's line: sign space, the plain number, a space and CR LF; the read-out: at
// least one integer digit and exactly two decimals.
TEST(SettingsText, FileLineAndReadoutWithTheLocalesSeparator) {
    const struct {
        double zoom;
        char separator;
        const char *line, *readout;
    } cases[] = {
        {1.5, '.', " 1.5 \r\n", "1.50"},    {1.5, ',', " 1,5 \r\n", "1,50"},       {2, ',', " 2 \r\n", "2,00"},
        {8, '.', " 8 \r\n", "8.00"},        {10, '.', " 10 \r\n", "10.00"},        {1.25, ',', " 1,25 \r\n", "1,25"},
        {0, '.', " 0 \r\n", "0.00"},        {0.5, '.', " 0.5 \r\n", "0.50"},       {2.456, '.', " 2.456 \r\n", "2.46"},
        {12.25, ',', " 12,25 \r\n", "12,25"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SettingsFileLine(c.zoom, c.separator), c.line) << c.zoom;
        EXPECT_EQ(FormatReadout(c.zoom, c.separator), c.readout) << c.zoom;
    }
    // A factor below 1 is saved as the start value.
    for (const auto& [zoom, saved] : {std::pair{0.0, 2.5}, {0.99, 2.5}, {-3.0, 2.5}, {1.0, 1.0}, {8.0, 8.0}})
        EXPECT_EQ(ZoomToSave(zoom), saved) << zoom;
}

// The file is written as folder + "\Vistak.txt", so only a drive root keeps its backslash.
TEST(FolderOfProgram, DropsTheNameAndTheSeparatorExceptAtADriveRoot) {
    EXPECT_EQ(forms::FolderOfProgram(L"C:\\Vistak.exe"), L"C:\\");
    EXPECT_EQ(forms::FolderOfProgram(L"C:\\Programs\\Vistak\\Vistak.exe"), L"C:\\Programs\\Vistak");
    EXPECT_EQ(forms::FolderOfProgram(L"\\\\server\\share\\Vistak.exe"), L"\\\\server\\share");
}

}  // namespace
