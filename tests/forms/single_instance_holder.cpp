// Claims the forms tests' single-instance lock and sets their event "Claimed"; a claim it got is held
// until their event "Release" is set. Exit code 0: it held the lock; 1: it was refused.
#include <windows.h>

#include "forms/handles.h"
#include "forms/single_instance.h"

int main() {
    const bool held = forms::ClaimSingleInstance(L"Local\\VistakTest.SingleInstance");
    const forms::OwnedKernelHandle claimed(OpenEventW(EVENT_MODIFY_STATE, FALSE, L"Local\\VistakTest.Claimed"));
    const forms::OwnedKernelHandle release(OpenEventW(SYNCHRONIZE, FALSE, L"Local\\VistakTest.Release"));
    SetEvent(claimed.Get());
    if (held) WaitForSingleObject(release.Get(), INFINITE);
    return held ? 0 : 1;
}
