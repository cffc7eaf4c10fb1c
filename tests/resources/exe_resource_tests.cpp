// The resources built into Vistak.exe, read back from the executable.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <string>

#include "image_files.h"

namespace resource_tests {
namespace {

std::wstring exe_path() {
    std::string path = VISTAK_EXE_PATH;
    // A cross build passes a Linux path; Wine serves the Linux root as Z:.
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    return std::wstring(path.begin(), path.end());
}

// Resource types by number; the RT_ names are narrow strings in this build.
constexpr int kBitmapType = 2;
constexpr int kIconType = 3;
constexpr int kIconGroupType = 14;
constexpr int kManifestType = 24;

class ExeResources : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(exe_path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr) << "cannot load " << VISTAK_EXE_PATH;
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }

    Bytes resource(int id, int type) const {
        HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
        if (!found) return {};
        const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module_, found)));
        return Bytes(data, data + SizeofResource(module_, found));
    }

    HMODULE module_ = nullptr;
};

TEST_F(ExeResources, ProgramIconGroupHoldsOneEntryForImage30001) {
    const Bytes group = resource(1, kIconGroupType);
    ASSERT_EQ(group.size(), 20u);
    EXPECT_EQ(u16(group, 0), 0u);  // reserved
    EXPECT_EQ(u16(group, 2), 1u);  // icon
    EXPECT_EQ(u16(group, 4), 1u);  // entries
    EXPECT_EQ(group[6], 32);
    EXPECT_EQ(group[7], 32);
    EXPECT_EQ(group[8], 16);
    EXPECT_EQ(group[9], 0);
    EXPECT_EQ(u16(group, 10), 1u);
    EXPECT_EQ(u16(group, 12), 4u);
    EXPECT_EQ(u32(group, 14), 744u);
    EXPECT_EQ(u16(group, 18), 30001u);
}

TEST_F(ExeResources, IconImage30001IsTheProgramIconsImage) {
    const Bytes file = read_file(resource_path("vistak.ico"));
    EXPECT_EQ(resource(30001, kIconType), Bytes(file.begin() + 22, file.end()));
}

TEST_F(ExeResources, SplashWindowIconHasItsOwnGroup) {
    const Bytes group = resource(2, kIconGroupType);
    ASSERT_EQ(group.size(), 20u);
    const Bytes file = read_file(resource_path("sda.ico"));
    EXPECT_EQ(resource(static_cast<int>(u16(group, 18)), kIconType), Bytes(file.begin() + 22, file.end()));
}

TEST_F(ExeResources, SplashBitmapIsTheFileWithoutItsFileHeader) {
    const Bytes file = read_file(resource_path("splash.bmp"));
    EXPECT_EQ(resource(101, kBitmapType), Bytes(file.begin() + 14, file.end()));
}

// The manifest the loader reads: ours, not a toolchain default, with the DPI,
// elevation and system declarations.
TEST_F(ExeResources, ManifestDeclaresPerMonitorDpiAsInvokerAndTheSupportedSystems) {
    const Bytes bytes = resource(1, kManifestType);
    const std::string manifest(bytes.begin(), bytes.end());
    for (const char* declaration : {
             R"(<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2<)",
             R"(<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm<)",
             R"(<requestedExecutionLevel level="asInvoker")",
             R"(<compatibility xmlns="urn:schemas-microsoft-com:compatibility.v1">)",
             R"(<supportedOS Id="{e2011457-1546-43c5-a5fe-008deee3d3f0}"/>)",  // Vista
             R"(<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>)",  // 7
             R"(<supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"/>)",  // 8
             R"(<supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"/>)",  // 8.1
             R"(<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>)",  // 10 and 11
         })
        EXPECT_NE(manifest.find(declaration), std::string::npos) << declaration;
}

class VersionBlock : public ::testing::Test {
protected:
    void SetUp() override {
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeW(exe_path().c_str(), &handle);
        ASSERT_GT(size, 0u);
        block_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(exe_path().c_str(), 0, size, block_.data()));
    }

    std::wstring text(const wchar_t* name) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\041004B0\\") + name;
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(block_.data(), key.c_str(), &value, &length) || !value) return L"<missing>";
        return static_cast<const wchar_t*>(value);
    }

    std::vector<std::uint8_t> block_;
};

TEST_F(VersionBlock, FixedVersionIs1_0_0_10) {
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block_.data(), L"\\", &value, &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, value, sizeof info);
    EXPECT_EQ(info.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(info.dwFileVersionLS, 0x0000000Au);
    EXPECT_EQ(info.dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(info.dwProductVersionLS, 0x0000000Au);
}

TEST_F(VersionBlock, ItalianStrings) {
    EXPECT_EQ(text(L"FileVersion"), L"1.00.0010");
    EXPECT_EQ(text(L"ProductVersion"), L"1.00.0010");
    EXPECT_EQ(text(L"InternalName"), L"Vistak");
    EXPECT_EQ(text(L"OriginalFilename"), L"Vistak.exe");
    for (const wchar_t* name : {L"CompanyName", L"ProductName", L"LegalCopyright", L"FileDescription"}) {
        const std::wstring value = text(name);
        EXPECT_NE(value, L"<missing>") << std::string(name, name + wcslen(name));
        EXPECT_FALSE(value.empty());
    }
}

TEST_F(VersionBlock, TranslationIsItalianUnicode) {
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block_.data(), L"\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    WORD pair[2];
    std::memcpy(pair, value, sizeof pair);
    EXPECT_EQ(pair[0], 0x0410);
    EXPECT_EQ(pair[1], 1200);
}

}  // namespace
}  // namespace resource_tests
