#include "program_test.h"

namespace {

using ZoomTick = ProgramTest;

// The lens's own window procedure, behind one that posts the system's close command (as Alt+F4
// does) when the lens receives closeOn: the yield that follows handles it.
WNDPROC lensProcedure = nullptr;
UINT closeOn = 0;

LRESULT CALLBACK PostCloseOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == closeOn) {
        closeOn = 0;
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return CallWindowProcW(lensProcedure, window, message, wParam, lParam);
}

// A close handled inside one of the tick's yields, before the lens is moved or before it is
// drawn, ends the lens for good: the rest of the tick must not load it again (which would add
// the icon and start the timer anew).
TEST_F(ZoomTick, ACloseHandledInsideATickLeavesTheLensUnloaded) {
    const struct {
        const char* when;
        UINT closeOn;
    } cases[] = {{"waiting as the tick starts", 0}, {"posted as the tick moves the lens", WM_WINDOWPOSCHANGED}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when);
        const HWND lens = frmVistak().Handle();
        closeOn = c.closeOn;
        if (closeOn) {
            lensProcedure = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(lens, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PostCloseOn)));
        } else {
            PostMessageW(lens, WM_SYSCOMMAND, SC_CLOSE, 0);
        }

        SendMessageW(lens, WM_TIMER, reinterpret_cast<WPARAM>(&frmVistak().ZoomTimer), 0);
        EXPECT_EQ(closeOn, 0u) << "the tick never got there";
        EXPECT_FALSE(IsWindow(lens));
        EXPECT_FALSE(frmVistak().IsLoaded());
        EXPECT_FALSE(forms::Form::AnyKeepsProgramRunning()) << "the message loop would go on";
        frmVistak().Unload();
    }
}

}  // namespace
