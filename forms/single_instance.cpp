#include "forms/single_instance.h"

#include <string>

#include "forms/handles.h"
#include "forms/run_time_error.h"

namespace forms {

bool ClaimSingleInstance(const wchar_t* lockName) {
    static OwnedKernelHandle claim;
    OwnedKernelHandle mutex(CreateMutexW(nullptr, FALSE, lockName));
    // Read at once, as CreateMutexW's documentation asks: closing a handle on the way could change it.
    const DWORD error = GetLastError();
    if (mutex) {
        // A refused claim keeps no handle, which would keep the lock alive after its holder ends.
        if (error == ERROR_ALREADY_EXISTS) return false;
        claim = std::move(mutex);
        return true;
    }
    // Another copy that runs with other rights holds a mutex this one may not open.
    if (error == ERROR_ACCESS_DENIED) return false;
    throw InvalidProcedureCall("Cannot create the single-instance lock (system error " + std::to_string(error) + ")");
}

}  // namespace forms
