#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>
#include <string>

#include "forms/composition.h"

// A dwmapi.dll lies beside this test (planted_dll.c), as a planted one would lie beside Vistak.exe in a
// download folder, and the test never restricts where DLLs are looked for: a bare name would find the
// planted file first (Wine is told to prefer it to its own, as Windows would).
TEST(SystemLibrary, TheCompositorsLibraryComesFromTheSystemFolder) {
    forms::FlushComposition();
    const HMODULE loaded = GetModuleHandleW(L"dwmapi.dll");
    ASSERT_TRUE(loaded);
    wchar_t path[MAX_PATH] = {}, system[MAX_PATH] = {};
    GetModuleFileNameW(loaded, path, MAX_PATH);
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring folder(path, std::wcsrchr(path, L'\\'));
    EXPECT_EQ(_wcsicmp(folder.c_str(), system), 0) << "loaded from " << folder << ", not " << system;
    EXPECT_EQ(GetEnvironmentVariableA("PLANTED_DLL_LOADED", nullptr, 0), 0u) << "the planted DLL ran";
}
