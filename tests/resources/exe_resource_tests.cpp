// The resources built into Vistak.exe, read back from the executable.
#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>
#include <string>

#include "image_files.h"

namespace resource_tests {
namespace {

std::wstring exe_path() {
    const std::string path = wine_path(VISTAK_EXE_PATH);
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

// One 32 x 32, 16-colour entry of 744 bytes: image 30001.
TEST_F(ExeResources, ProgramIconGroupHoldsOneEntryForImage30001) {
    EXPECT_EQ(resource(1, kIconGroupType),
              (Bytes{0, 0, 1, 0, 1, 0, 32, 32, 16, 0, 1, 0, 4, 0, 0xE8, 2, 0, 0, 0x31, 0x75}));
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

    Bytes value(const wchar_t* key) {
        void* found = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(block_.data(), key, &found, &length)) return {};
        return Bytes(static_cast<const std::uint8_t*>(found), static_cast<const std::uint8_t*>(found) + length);
    }

    std::wstring text(const wchar_t* name) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\041004B0\\") + name;
        void* found = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(block_.data(), key.c_str(), &found, &length) || !found) return L"<missing>";
        return static_cast<const wchar_t*>(found);
    }

    std::vector<std::uint8_t> block_;
};

// Italian (0x0410) in Unicode (1200); file and product version 1.0.0.10 after the fixed block's signature.
TEST_F(VersionBlock, TranslationIsItalianUnicodeAndFixedVersionIs1_0_0_10) {
    EXPECT_EQ(value(L"\\VarFileInfo\\Translation"), (Bytes{0x10, 0x04, 0xB0, 0x04}));
    const Bytes fixed = value(L"\\");
    ASSERT_GE(fixed.size(), sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(u32(fixed, 0), 0xFEEF04BDu);
    EXPECT_EQ(Bytes(fixed.begin() + 8, fixed.begin() + 24), (Bytes{0, 0, 1, 0, 10, 0, 0, 0, 0, 0, 1, 0, 10, 0, 0, 0}));
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

}  // namespace
}  // namespace resource_tests
