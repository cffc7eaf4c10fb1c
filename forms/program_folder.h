#pragma once
// The program's folder from the executable's path, apart from the system call
// that supplies the path.
#include <string>
#include <string_view>

namespace forms {

// The folder of exePath without a trailing separator, except at a drive root ("C:\").
std::wstring FolderOfProgram(std::wstring_view exePath);

}  // namespace forms
