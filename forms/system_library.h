#pragma once
// Libraries the program loads while it runs come from the system folder only. Loaded by its bare
// name on Vista or 7 without the update that brought SetDefaultDllDirectories, a library would be
// looked for in the program's own folder (Downloads, say) first, and a file of that name planted
// there would run inside the program.
#include "forms/handles.h"

namespace forms {

// The library of that name in the system folder, whose own dependencies resolve from there too; empty
// when it cannot be loaded.
OwnedLibrary LoadSystemLibrary(const wchar_t* name);

}  // namespace forms
