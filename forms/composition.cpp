#include "forms/composition.h"

#include <windows.h>

#include "forms/handles.h"
#include "forms/system_library.h"

namespace forms {

namespace {

// The compositor's library, looked up once and kept for the run.
class Compositor {
public:
    Compositor()
        : library_(LoadSystemLibrary(L"dwmapi.dll")),
          isEnabled_(LibraryFunction<HRESULT(WINAPI*)(BOOL*)>(library_.Get(), "DwmIsCompositionEnabled")),
          flush_(LibraryFunction<HRESULT(WINAPI*)()>(library_.Get(), "DwmFlush")) {}

    // On Vista and 7 the user can switch composition off and on at any time: asked each time.
    void Flush() const {
        BOOL enabled = FALSE;
        if (isEnabled_ && flush_ && SUCCEEDED(isEnabled_(&enabled)) && enabled) flush_();
    }

private:
    OwnedLibrary library_;
    HRESULT(WINAPI* isEnabled_)(BOOL*);
    HRESULT(WINAPI* flush_)();
};

}  // namespace

void FlushComposition() {
    static const Compositor compositor;
    compositor.Flush();
}

}  // namespace forms
