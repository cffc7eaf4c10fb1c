#include "forms/program_folder.h"

namespace forms {

std::wstring FolderOfProgram(std::wstring_view exePath) {
    std::wstring folder(exePath.substr(0, exePath.find_last_of(L'\\')));
    if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
    return folder;
}

}  // namespace forms
