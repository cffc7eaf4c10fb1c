#include <gtest/gtest.h>

#include <functional>

#include "forms/application.h"
#include "forms/retained_image.h"
#include "test_form.h"

namespace {

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

void Fill(forms::RetainedImage& image, int left, int top, int right, int bottom, COLORREF colour) {
    forms::OwnedBrush brush(CreateSolidBrush(colour));
    const RECT area{left, top, right, bottom};
    FillRect(image.DrawingDc(left, top, right - left, bottom - top), &area, brush.Get());
}

}  // namespace

TEST(RetainedImage, DrawingPersistsAcrossRepaints) {
    TestForm form;
    form.Show();
    // Larger than the design client area, as the lens is: the image grows with the window.
    SetWindowPos(form.Handle(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    Fill(form.Image(), 0, 0, 40, 40, RGB(255, 0, 0));
    Fill(form.Image(), 250, 150, 290, 190, RGB(0, 0, 255));
    RECT frame;
    GetWindowRect(form.Handle(), &frame);
    // Red and blue where drawn; never drawn, the background.
    const auto shown = [&] {
        return ScreenPixel(frame.left + 10, frame.top + 10) == RGB(255, 0, 0) &&
               ScreenPixel(frame.left + 270, frame.top + 170) == RGB(0, 0, 255) &&
               ScreenPixel(frame.left + 200, frame.top + 20) == RGB(0, 0, 0);
    };
    form.Refresh();
    EXPECT_TRUE(PumpUntil(shown));
    // Painted over behind the image's back, then repainted: what shows comes from the repaint.
    HDC client = GetDC(form.Handle());
    const RECT all{0, 0, 300, 200};
    FillRect(client, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(form.Handle(), client);
    ASSERT_TRUE(PumpUntil([&] { return ScreenPixel(frame.left + 10, frame.top + 10) == RGB(255, 255, 255); }));
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_TRUE(PumpUntil(shown)) << "the drawing is lost on a repaint";
    form.Unload();
}

TEST(RetainedImage, StretchDrawReplicatesPixels) {
    forms::RetainedImage source(8, 8, RGB(0, 0, 0));
    Fill(source, 0, 0, 2, 2, RGB(255, 255, 255));
    source.CopyToPicture();
    forms::RetainedImage target(40, 40, RGB(9, 9, 9));
    forms::StretchDraw(target, 0, 0, 16, 16, source.PictureDc(), 0, 0, 4, 4);
    EXPECT_EQ(GetPixel(target.Dc(), 7, 7), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(target.Dc(), 8, 8), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(target.Dc(), 15, 15), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(target.Dc(), 16, 16), RGB(9, 9, 9));
}

TEST(RetainedImage, ClearGivesTheBackgroundThenThePictureAndReachesEverythingDrawnAnywhere) {
    const COLORREF green = RGB(0, 255, 0), blue = RGB(0, 0, 255), red = RGB(255, 0, 0), black = RGB(0, 0, 0);
    forms::RetainedImage image(50, 50, black);
    EXPECT_EQ(image.PictureDc(), nullptr);
    Fill(image, 0, 0, 10, 10, green);
    image.Clear();
    EXPECT_EQ(GetPixel(image.Dc(), 5, 5), black) << "no picture yet: clear gives the background";

    Fill(image, 0, 0, 10, 10, green);
    image.CopyToPicture();
    Fill(image, 0, 0, 50, 50, blue);
    image.Clear();
    EXPECT_EQ(GetPixel(image.Dc(), 5, 5), green);
    EXPECT_EQ(GetPixel(image.Dc(), 30, 30), black);
    Fill(image, 30, 30, 40, 40, blue);
    image.CopyToPicture();
    EXPECT_EQ(GetPixel(image.PictureDc(), 5, 5), green);
    EXPECT_EQ(GetPixel(image.PictureDc(), 35, 35), blue);

    image.Clear();
    Fill(image, 0, 0, 50, 50, red);
    image.CopyToPicture();
    Fill(image, 45, 45, 50, 50, green);
    image.Clear();
    for (const POINT at : {POINT{5, 5}, POINT{35, 35}, POINT{47, 47}, POINT{49, 0}}) {
        EXPECT_EQ(GetPixel(image.Dc(), at.x, at.y), red) << at.x << "," << at.y;
        EXPECT_EQ(GetPixel(image.PictureDc(), at.x, at.y), red) << at.x << "," << at.y;
    }
}

TEST(RetainedImage, ClearRemovesWhatWasStretched) {
    forms::RetainedImage source(8, 8, RGB(255, 255, 255));
    source.CopyToPicture();
    forms::RetainedImage target(40, 40, RGB(9, 9, 9));
    // Drawn mirrored: the rectangle lies to the left of and above its corner.
    forms::StretchDraw(target, 30, 30, -10, -10, source.PictureDc(), 0, 0, 4, 4);
    ASSERT_EQ(GetPixel(target.Dc(), 25, 25), RGB(255, 255, 255));
    target.Clear();
    int stale = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) stale += GetPixel(target.Dc(), x, y) != RGB(9, 9, 9);
    }
    EXPECT_EQ(stale, 0) << "pixels left over from the mirrored drawing";
}

TEST(RetainedImage, DrawingBeyondASmallImageLandsAndClearsBackToThePicture) {
    const COLORREF green = RGB(0, 255, 0), white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    forms::RetainedImage source(8, 8, white);
    source.CopyToPicture();
    const struct {
        const char* what;
        std::function<void(forms::RetainedImage&)> draw;
        POINT inside;
    } cases[] = {
        {"right of the image", [&](auto& image) { Fill(image, 60, 5, 70, 15, white); }, {65, 10}},
        {"below the image", [&](auto& image) { Fill(image, 5, 60, 15, 70, white); }, {10, 65}},
        {"mirrored, past the corner",
         [&](auto& image) { forms::StretchDraw(image, 50, 50, -20, -20, source.PictureDc(), 0, 0, 4, 4); },
         {40, 40}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        forms::RetainedImage image(20, 20, black);
        Fill(image, 0, 0, 10, 10, green);
        image.CopyToPicture();
        c.draw(image);
        EXPECT_EQ(GetPixel(image.Dc(), c.inside.x, c.inside.y), white);
        EXPECT_EQ(GetPixel(image.Dc(), 5, 5), green) << "growing keeps what was drawn before";
        image.Clear();
        EXPECT_EQ(GetPixel(image.Dc(), c.inside.x, c.inside.y), black);
        EXPECT_EQ(GetPixel(image.Dc(), 5, 5), green);

        c.draw(image);
        image.CopyToPicture();
        Fill(image, 0, 0, 100, 100, green);
        image.Clear();
        EXPECT_EQ(GetPixel(image.Dc(), c.inside.x, c.inside.y), white) << "the grown picture comes back";
        EXPECT_EQ(GetPixel(image.PictureDc(), c.inside.x, c.inside.y), white);
        EXPECT_EQ(GetPixel(image.Dc(), 90, 90), black);
    }
}

TEST(RetainedImage, NeverGrowsBeyondTheScreen) {
    forms::RetainedImage image(20, 20, RGB(0, 0, 0));
    Fill(image, 0, 0, 100000, 100000, RGB(0, 255, 0));
    EXPECT_EQ(image.Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(image.Height(), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(GetPixel(image.Dc(), image.Width() - 1, image.Height() - 1), RGB(0, 255, 0));
}
