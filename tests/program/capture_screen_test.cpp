#include "magnifier/capture_screen.h"

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
