#pragma once
// Small owners for Win32 handles: each handle the program creates is released
// on every path out of its scope.
#include <windows.h>

#include <utility>

namespace forms {

// Most handles are empty when null; a file handle is empty when INVALID_HANDLE_VALUE.
template <typename Handle>
constexpr Handle NullHandle() {
    return Handle{};
}
inline HANDLE InvalidHandleValue() { return INVALID_HANDLE_VALUE; }

template <typename Handle, typename Release, Handle (*Empty)() = NullHandle<Handle>>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Empty())) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, Empty()));
        return *this;
    }
    ~Owned() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Empty(); }
    void Reset(Handle handle = Empty()) {
        if (handle_ != Empty()) Release{}(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Empty();
};

struct DeleteDc { void operator()(HDC h) const { DeleteDC(h); } };
// The screen's DC from GetDC(nullptr) is given back, never deleted.
struct ReleaseScreenDc { void operator()(HDC h) const { ReleaseDC(nullptr, h); } };
struct DeleteGdiObject { void operator()(HGDIOBJ h) const { DeleteObject(h); } };
struct DestroyIconHandle { void operator()(HICON h) const { DestroyIcon(h); } };
struct DestroyMenuHandle { void operator()(HMENU h) const { DestroyMenu(h); } };
struct DestroyWindowHandle { void operator()(HWND h) const { DestroyWindow(h); } };
struct CloseKernelHandle { void operator()(HANDLE h) const { CloseHandle(h); } };
struct FreeLibraryHandle { void operator()(HMODULE h) const { FreeLibrary(h); } };

using OwnedDc = Owned<HDC, DeleteDc>;
using OwnedScreenDc = Owned<HDC, ReleaseScreenDc>;
using OwnedBitmap = Owned<HBITMAP, DeleteGdiObject>;
using OwnedFont = Owned<HFONT, DeleteGdiObject>;
using OwnedBrush = Owned<HBRUSH, DeleteGdiObject>;
using OwnedIcon = Owned<HICON, DestroyIconHandle>;
using OwnedMenu = Owned<HMENU, DestroyMenuHandle>;
using OwnedWindow = Owned<HWND, DestroyWindowHandle>;
using OwnedKernelHandle = Owned<HANDLE, CloseKernelHandle>;
using OwnedFile = Owned<HANDLE, CloseKernelHandle, InvalidHandleValue>;
using OwnedLibrary = Owned<HMODULE, FreeLibraryHandle>;

// A function of a loaded library by name, or null. The cast goes through a plain function
// pointer: FARPROC converts to no other function type without a warning.
template <typename Function>
Function LibraryFunction(HMODULE library, const char* name) {
    return library ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name))) : nullptr;
}

// A window's DC (the screen's for a null window) for a scope.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { ReleaseDC(window_, dc_); }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Keeps a GDI object selected into a DC for a scope and restores the previous one.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace forms
