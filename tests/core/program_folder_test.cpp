#include "forms/program_folder.h"

#include <gtest/gtest.h>

namespace {

// The settings file is written as folder + "\Vistak.txt", so only a drive root keeps its backslash.
TEST(FolderOfProgram, DropsTheNameAndTheSeparatorExceptAtADriveRoot) {
    const struct {
        const wchar_t *exe, *folder;
    } cases[] = {
        {L"C:\\Vistak.exe", L"C:\\"},
        {L"C:\\Programs\\Vistak\\Vistak.exe", L"C:\\Programs\\Vistak"},
        {L"\\\\server\\share\\Vistak.exe", L"\\\\server\\share"},
    };
    for (const auto& c : cases) EXPECT_EQ(forms::FolderOfProgram(c.exe), c.folder);
}

}  // namespace
