#include "forms/single_instance.h"

#include "forms/handles.h"

namespace forms {

bool ClaimSingleInstance() {
    static OwnedKernelHandle claim;
    claim.Reset(CreateMutexW(nullptr, FALSE, L"Vistak.SingleInstance"));
    return claim && GetLastError() != ERROR_ALREADY_EXISTS;
}

}  // namespace forms
