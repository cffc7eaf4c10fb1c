#include "magnifier/capture_screen.h"

#include <vector>

#include "forms/retained_image.h"
#include "program_test.h"

using CaptureScreenTest = ProgramTest;

TEST_F(CaptureScreenTest, CopiesTheRectangleIntoThePictureAndAFailedCopyKeepsThePreviousOne) {
    ScreenDC.Reset(GetDC(nullptr));
    // Red and green side by side on the screen: the test form stands at (100, 100).
    TestForm colours;
    colours.Show();
    Fill(colours.Image(), 0, 0, 40, 40, RGB(255, 0, 0));
    Fill(colours.Image(), 40, 0, 80, 40, RGB(0, 255, 0));
    colours.Refresh();
    ASSERT_TRUE(PumpUntil([] { return ScreenPixel(160, 120) == RGB(0, 255, 0); }));
    const auto captured = [](int x) { return GetPixel(frmOrigine().Image().PictureDc(), x, 5); };

    // The lens is not shown: setting its focus fails, and the capture goes on silently.
    EXPECT_NO_THROW(CaptureScreen(60, 20, 110, 110));
    EXPECT_EQ(captured(5), RGB(255, 0, 0));
    EXPECT_EQ(captured(100), RGB(0, 0, 0)) << "outside the copy the image stays black";
    EXPECT_FALSE(frmOrigine().IsVisible());
    EXPECT_FALSE(frmVistak().IsVisible());

    // A number out of range, or no screen to copy from: the copy is skipped silently.
    EXPECT_NO_THROW(CaptureScreen(20, 20, 1e12, 110));
    EXPECT_EQ(captured(5), RGB(255, 0, 0));
    ScreenDC.Reset();
    EXPECT_NO_THROW(CaptureScreen(20, 20, 300, 300));
    EXPECT_EQ(captured(5), RGB(255, 0, 0));
}

// While the lens shows the last capture, the next copy needs a surface of its own: one that cannot be made
// is skipped, and the lens goes on showing the last capture until a surface can be made again.
TEST_F(CaptureScreenTest, ASurfaceThatCannotBeMadeLeavesThePreviousPicture) {
    ScreenDC.Reset(GetDC(nullptr));
    TestForm colours, lens;
    colours.Show();
    const auto paint = [&](COLORREF colour) {
        Fill(colours.Image(), 0, 0, 40, 40, colour);
        colours.Refresh();
        ASSERT_TRUE(PumpUntil([&] { return ScreenPixel(110, 110) == colour; }));
    };
    const auto captured = [] { return GetPixel(frmOrigine().Image().PictureDc(), 5, 5); };
    const auto showCapture = [&] {
        forms::StretchDraw(lens.Image(), 0, 0, 40, 40, frmOrigine().Image(), 0, 0, 20, 20);
    };
    paint(RGB(255, 0, 0));
    CaptureScreen(20, 20, 105, 105);
    showCapture();
    paint(RGB(0, 255, 0));
    {
        // Every GDI object the process may still make (Windows gives a process 10,000), held for one capture.
        std::vector<forms::Owned<HRGN, forms::DeleteGdiObject>> held;
        do {
            held.emplace_back(CreateRectRgn(0, 0, 1, 1));
        } while (held.back() && held.size() < 100000);
        ASSERT_FALSE(held.back()) << "no GDI object was refused";
        EXPECT_NO_THROW(CaptureScreen(20, 20, 105, 105));
    }
    EXPECT_NO_THROW(showCapture());
    EXPECT_EQ(captured(), RGB(255, 0, 0)) << "the previous capture";
    CaptureScreen(20, 20, 105, 105);
    EXPECT_EQ(captured(), RGB(0, 255, 0));
}
