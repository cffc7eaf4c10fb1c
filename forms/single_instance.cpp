#include "forms/single_instance.h"

#include <string>

#include "forms/handles.h"
#include "forms/run_time_error.h"

namespace forms {

bool ClaimSingleInstance(const wchar_t* lockName) {
    static OwnedKernelHandle claim;
    claim.Reset(CreateMutexW(nullptr, FALSE, lockName));
    const DWORD error = GetLastError();
    if (claim) return error != ERROR_ALREADY_EXISTS;
    // Another copy that runs with other rights holds a mutex this one may not open.
    if (error == ERROR_ACCESS_DENIED) return false;
    throw InvalidProcedureCall("Cannot create the single-instance lock (system error " + std::to_string(error) + ")");
}

}  // namespace forms
