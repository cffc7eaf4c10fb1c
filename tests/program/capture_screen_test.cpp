#include "magnifier/capture_screen.h"

#include "forms/handles.h"
#include "forms/retained_image.h"
#include "program_test.h"

namespace {

// A plain window that paints a known colour on the screen.
class ColourWindow {
public:
    ColourWindow(int x, int y, int width, int height, COLORREF colour) : brush_(CreateSolidBrush(colour)) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = brush_.Get();
        // One class per colour: a class keeps its brush while windows of it exist.
        const std::wstring className = L"VistakTestColour" + std::to_wstring(colour);
        windowClass.lpszClassName = className.c_str();
        RegisterClassW(&windowClass);
        window_.Reset(CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, x, y,
                                      width, height, nullptr, nullptr, windowClass.hInstance, nullptr));
        EXPECT_TRUE(PumpUntil([&] {
            HDC screen = GetDC(nullptr);
            const COLORREF shown = GetPixel(screen, x + width / 2, y + height / 2);
            ReleaseDC(nullptr, screen);
            return shown == colour;
        })) << "the colour never reached the screen";
    }

private:
    forms::OwnedBrush brush_;
    forms::OwnedWindow window_;
};

using CaptureScreenTest = ProgramTest;

}  // namespace

TEST_F(CaptureScreenTest, CopiesTheRectangleIntoThePictureAndSkipsTheFocusOfAHiddenLens) {
    ScreenDC.Reset(CreateDCA("DISPLAY", "DISPLAY", "DISPLAY", &DisplayDevMode));
    ColourWindow red(100, 100, 40, 40, RGB(255, 0, 0));
    ColourWindow green(140, 100, 40, 40, RGB(0, 255, 0));

    EXPECT_NO_THROW(CaptureScreen(60, 20, 110, 110));
    HDC picture = frmOrigine().Image().PictureDc();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(GetPixel(picture, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(picture, 45, 5), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(picture, 100, 5), RGB(0, 0, 0)) << "outside the copy the image stays black";
    EXPECT_FALSE(frmOrigine().IsVisible());
    EXPECT_FALSE(frmVistak().IsVisible());
}

TEST_F(CaptureScreenTest, AFailedCopyKeepsThePreviousCapture) {
    ScreenDC.Reset(CreateDCA("DISPLAY", "DISPLAY", "DISPLAY", &DisplayDevMode));
    ColourWindow blue(100, 200, 40, 40, RGB(0, 0, 255));
    CaptureScreen(20, 20, 110, 210);
    ASSERT_EQ(GetPixel(frmOrigine().Image().PictureDc(), 5, 5), RGB(0, 0, 255));

    EXPECT_NO_THROW(CaptureScreen(20, 20, 1e12, 210)) << "a number out of range skips the copy silently";
    EXPECT_EQ(GetPixel(frmOrigine().Image().PictureDc(), 5, 5), RGB(0, 0, 255));
    ScreenDC.Reset();
    EXPECT_NO_THROW(CaptureScreen(20, 20, 300, 300));
    EXPECT_EQ(GetPixel(frmOrigine().Image().PictureDc(), 5, 5), RGB(0, 0, 255));
}
