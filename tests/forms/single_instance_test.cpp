#include <gtest/gtest.h>

#include <string>

#include "forms/application.h"
#include "forms/handles.h"
#include "forms/single_instance.h"

namespace {

// Runs single_instance_holder.exe, which lies beside this test, until it has claimed the lock (and
// holds it, if it got it, until `release` is set); returns its process.
forms::OwnedKernelHandle ClaimInHolder(HANDLE claimed) {
    const std::wstring exe = forms::ProgramFolder() + L"\\single_instance_holder.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        return forms::OwnedKernelHandle();
    }
    CloseHandle(started.hThread);
    WaitForSingleObject(claimed, 10000);
    return forms::OwnedKernelHandle(started.hProcess);
}

DWORD ExitCode(HANDLE process) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process, 10000) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
    return code;
}

TEST(SingleInstance, ASecondClaimIsRefusedUntilTheHolderEnds) {
    const wchar_t* const lock = L"Local\\VistakTest.SingleInstance";
    const forms::OwnedKernelHandle claimed(CreateEventW(nullptr, FALSE, FALSE, L"Local\\VistakTest.Claimed"));
    const forms::OwnedKernelHandle release(CreateEventW(nullptr, TRUE, FALSE, L"Local\\VistakTest.Release"));
    const forms::OwnedKernelHandle first = ClaimInHolder(claimed.Get());
    ASSERT_TRUE(first);
    EXPECT_FALSE(forms::ClaimSingleInstance(lock)) << "a second copy beside the first";
    SetEvent(release.Get());
    EXPECT_EQ(ExitCode(first.Get()), 0u) << "the first copy did not hold the lock";
    EXPECT_TRUE(forms::ClaimSingleInstance(lock)) << "the lock outlived its holder, or the refused claim kept it";
    EXPECT_EQ(ExitCode(ClaimInHolder(claimed.Get()).Get()), 1u) << "a copy started beside this one";
}

}  // namespace
