#include "forms/application.h"

#include <windows.h>

#include "forms/form.h"
#include "forms/handles.h"
#include "forms/program_folder.h"

namespace forms {

namespace {

// Returns false when the loop must stop (WM_QUIT, which is put back for the outer loop).
bool DispatchOne(const MSG& message) {
    if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    if (!Form::TranslateDialogKey(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

const char* programName = "";

}  // namespace

void SetProgramName(const char* name) { programName = name; }

const char* ProgramName() { return programName; }

void RestrictDllSearchToSystemFolder() {
    // Looked up by name: Windows before 8 may lack it, and then at least the current folder goes.
    const auto setDefaultDirectories =
        LibraryFunction<BOOL(WINAPI*)(DWORD)>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (!setDefaultDirectories || !setDefaultDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");
    }
}

void YieldMessages() {
    // Asked without a filter, PeekMessage finds every kind of message on every Windows; asking
    // GetQueueStatus first would need the kinds each version knows, and saves nothing measurable.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!DispatchOne(message)) return;
    }
}

void RunMessageLoop() {
    MSG message;
    while (Form::AnyKeepsProgramRunning() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchOne(message);
    }
}

void EndNow() { ExitProcess(0); }

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return FolderOfProgram(path);
}

char DecimalSeparator() {
    char separator[4] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) < 2) return '.';
    return separator[0];
}

int LogicalPixelsPerInch() {
    const int dpi = GetDeviceCaps(WindowDc(nullptr).Get(), LOGPIXELSX);
    return dpi > 0 ? dpi : 96;
}

int TwipsToPixels(int twips) { return TwipsToPixels(twips, LogicalPixelsPerInch()); }

int TwipsToPixels(int twips, int pixelsPerInch) { return MulDiv(twips, pixelsPerInch, 1440); }

}  // namespace forms
