// The resources built into Vistak.exe, read back from the executable.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <tuple>
#include <utility>

#include "image_files.h"

namespace resource_tests {
namespace {

std::wstring exe_path() {
    const std::string path = wine_path(VISTAK_EXE_PATH);
    return std::wstring(path.begin(), path.end());
}

// Resource types by number; the RT_ names are narrow strings in this build.
constexpr int kBitmapType = 2, kIconType = 3, kIconGroupType = 14, kManifestType = 24;

// A resource's bytes, read from Vistak.exe loaded as a data file.
Bytes resource(int id, int type) {
    static const HMODULE exe = LoadLibraryExW(exe_path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = exe ? FindResourceW(exe, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type)) : nullptr;
    if (!found) return {};
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(exe, found)));
    return Bytes(data, data + SizeofResource(exe, found));
}

// A group's one entry is its file's (32 x 32, 16 colours, 744 bytes) with the image's
// identifier in place of the file offset; the program icon's image is 30001.
TEST(ExeResources, IconGroupsAndImagesAreTheIconFiles) {
    for (const auto& [group, name] : {std::pair{1, "vistak.ico"}, {2, "sda.ico"}}) {
        const Bytes file = read_file(resource_path(name)), entry = resource(group, kIconGroupType);
        ASSERT_EQ(entry.size(), 20u) << name;
        EXPECT_EQ(Bytes(entry.begin(), entry.begin() + 18), Bytes(file.begin(), file.begin() + 18)) << name;
        EXPECT_EQ(resource(static_cast<int>(u16(entry, 18)), kIconType), Bytes(file.begin() + 22, file.end())) << name;
    }
    EXPECT_EQ(u16(resource(1, kIconGroupType), 18), 30001u);
}

TEST(ExeResources, SplashBitmapIsTheFileWithoutItsFileHeader) {
    const Bytes file = read_file(resource_path("splash.bmp"));
    EXPECT_EQ(resource(101, kBitmapType), Bytes(file.begin() + 14, file.end()));
}

// The manifest the loader reads is ours as written, not a toolchain default.
TEST(ExeResources, ManifestIsTheManifestFile) {
    EXPECT_EQ(resource(1, kManifestType), read_file(resource_path("vistak.manifest")));
}

// Italian (0x0410) in Unicode (1200); version 1.0.0.10 in the fixed block, "1.00.0010" in the strings.
TEST(VersionBlock, ItalianUnicodeWithVersion1_0_0_10) {
    DWORD handle = 0;
    std::vector<std::uint8_t> block(GetFileVersionInfoSizeW(exe_path().c_str(), &handle));
    ASSERT_TRUE(GetFileVersionInfoW(exe_path().c_str(), 0, block.size(), block.data()));
    UINT length = 0;
    const auto query = [&](const std::wstring& key) {
        void* found = nullptr;
        return VerQueryValueW(block.data(), key.c_str(), &found, &length) ? found : nullptr;
    };
    const auto* translation = static_cast<const std::uint8_t*>(query(L"\\VarFileInfo\\Translation"));
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(Bytes(translation, translation + length), (Bytes{0x10, 0x04, 0xB0, 0x04}));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(std::tie(fixed->dwSignature, fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwProductVersionMS,
                       fixed->dwProductVersionLS),
              std::make_tuple(0xFEEF04BDul, 0x10000ul, 10ul, 0x10000ul, 10ul));
    const auto text = [&](const wchar_t* name) {
        const auto* found = static_cast<const wchar_t*>(query(std::wstring(L"\\StringFileInfo\\041004B0\\") + name));
        return std::wstring(found ? found : L"");
    };
    EXPECT_EQ(text(L"FileVersion"), L"1.00.0010");
    EXPECT_EQ(text(L"ProductVersion"), L"1.00.0010");
    for (const wchar_t* name : {L"CompanyName", L"ProductName", L"LegalCopyright", L"FileDescription", L"InternalName",
                                L"OriginalFilename"})
        EXPECT_FALSE(text(name).empty()) << name;
}

}  // namespace
}  // namespace resource_tests
