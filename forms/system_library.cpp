#include "forms/system_library.h"

#include <string>

namespace forms {

OwnedLibrary LoadSystemLibrary(const wchar_t* name) {
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return OwnedLibrary();
    path.resize(length);
    path += L'\\';
    path += name;
    return OwnedLibrary(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

}  // namespace forms
