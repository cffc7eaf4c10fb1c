#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "forms/retained_image.h"
#include "test_form.h"

constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kGrey = RGB(9, 9, 9), kRed = RGB(255, 0, 0),
                   kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

TEST(RetainedImage, RefreshAndRepaintShowTheDrawing) {
    TestForm form;
    form.Show();
    // Larger than the design client area, as the lens is: the image grows with the window.
    SetWindowPos(form.Handle(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    Fill(form.Image(), 0, 0, 40, 40, kRed);
    Fill(form.Image(), 250, 150, 290, 190, kBlue);
    RECT frame;
    GetWindowRect(form.Handle(), &frame);
    const auto at = [&](int x, int y) { return ScreenPixel(frame.left + x, frame.top + y); };
    // Red and blue where drawn; never drawn, the background.
    const auto shown = [&] { return at(10, 10) == kRed && at(270, 170) == kBlue && at(200, 20) == kBlack; };
    form.Refresh();
    EXPECT_TRUE(PumpUntil(shown));
    // Painted over behind the image's back, then repainted: what shows comes from the repaint.
    const RECT all{0, 0, 300, 200};
    FillRect(forms::WindowDc(form.Handle()).Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ASSERT_TRUE(PumpUntil([&] { return at(10, 10) == kWhite; }));
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_TRUE(PumpUntil(shown)) << "the drawing is lost on a repaint";
}

// A mirrored drawing (negative sizes: left of and above its corner) is cleared away with every
// pixel it touched; stretching replicates whole pixels, with no blending.
TEST(RetainedImage, ClearRemovesAMirroredDrawingAndStretchDrawReplicatesPixels) {
    forms::RetainedImage source(8, 8, kBlack), target(40, 40, kGrey);
    Fill(source, 0, 0, 2, 2, kWhite);
    source.CopyToPicture();
    forms::StretchDraw(target, 30, 30, -10, -10, source.PictureDc(), 0, 0, 4, 4);
    ASSERT_EQ(GetPixel(target.Dc(), 28, 28), kWhite);
    target.Clear();
    int stale = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) stale += GetPixel(target.Dc(), x, y) != kGrey;
    EXPECT_EQ(stale, 0) << "pixels left over from the mirrored drawing";

    forms::StretchDraw(target, 0, 0, 16, 16, source.PictureDc(), 0, 0, 4, 4);
    // The source's 2 x 2 white corner becomes 8 x 8; past the 16 x 16 drawn, the background.
    for (const auto& [at, colour] : {std::pair{7, kWhite}, {8, kBlack}, {15, kBlack}, {16, kGrey}})
        EXPECT_EQ(GetPixel(target.Dc(), at, at), colour) << at;
}

// The image grows to hold what is drawn beyond it, keeping what it held; clearing gives the
// background where the picture has nothing, and a picture taken after growing covers the grown area.
TEST(RetainedImage, DrawingBeyondTheImageLandsAndClearingReturnsToThePicture) {
    forms::RetainedImage source(8, 8, kWhite);
    source.CopyToPicture();
    const struct {
        const char* what;
        std::function<void(forms::RetainedImage&)> draw;
        POINT inside;
    } cases[] = {
        {"right of the image", [](auto& image) { Fill(image, 60, 5, 70, 15, kWhite); }, {65, 10}},
        {"below the image", [](auto& image) { Fill(image, 5, 60, 15, 70, kWhite); }, {10, 65}},
        {"mirrored, past the corner",
         [&](auto& image) { forms::StretchDraw(image, 50, 50, -20, -20, source.PictureDc(), 0, 0, 4, 4); }, {40, 40}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // What shows where the case draws, and where the first picture has green.
        const auto shows = [&](HDC dc) { return std::pair(GetPixel(dc, c.inside.x, c.inside.y), GetPixel(dc, 5, 5)); };
        forms::RetainedImage image(20, 20, kBlack);
        Fill(image, 0, 0, 10, 10, kGreen);
        image.CopyToPicture();
        c.draw(image);
        EXPECT_EQ(shows(image.Dc()), std::pair(kWhite, kGreen));
        image.Clear();
        EXPECT_EQ(shows(image.Dc()), std::pair(kBlack, kGreen));

        c.draw(image);
        image.CopyToPicture();
        Fill(image, 0, 0, 100, 100, kBlue);
        image.Clear();
        EXPECT_EQ(shows(image.Dc()), std::pair(kWhite, kGreen)) << "the grown picture comes back";
        EXPECT_EQ(shows(image.PictureDc()), std::pair(kWhite, kGreen));
        EXPECT_EQ(GetPixel(image.Dc(), 90, 90), kBlack);
    }
}

TEST(RetainedImage, NeverGrowsBeyondTheScreen) {
    forms::RetainedImage image(20, 20, kBlack);
    Fill(image, 0, 0, 100000, 100000, kGreen);
    EXPECT_EQ(std::pair(image.Width(), image.Height()),
              std::pair(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_EQ(GetPixel(image.Dc(), image.Width() - 1, image.Height() - 1), kGreen);
}
