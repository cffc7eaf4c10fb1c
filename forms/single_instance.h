#pragma once
// Tells whether another copy of the program is running in this user session.
// The claim is a mutex of the given name held for the life of the process, so a copy that
// crashed or was killed releases it with its process.
namespace forms {

// True when this process is the only copy; it then keeps the claim until it
// ends. A claim that can be neither made nor found taken is a run-time error.
bool ClaimSingleInstance(const wchar_t* lockName);

}  // namespace forms
