#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "forms/retained_image.h"
#include "test_form.h"

constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kGrey = RGB(9, 9, 9), kRed = RGB(255, 0, 0),
                   kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

// The lens: each tick stretches the latest capture over the whole window, which grows with the zoom.
// Painted over behind the image's back and repainted, the window shows what it last showed, even
// after the capture changed; a smaller stretch later leaves the rest of the larger one.
TEST(RetainedImage, TheWindowRepaintsTheStretchItLastShowedAtTheSizeItGrewTo) {
    TestForm form;
    form.Show();
    forms::RetainedImage capture(3, 1, kBlack);
    const COLORREF stripes[] = {kRed, kGreen, kBlue};
    for (int x = 0; x < 3; ++x) Fill(capture, x, 0, x + 1, 1, stripes[x]);
    capture.CopyToPicture();
    forms::StretchDraw(form.Image(), 0, 0, 100, 100, capture, 0, 0, 1, 1);
    form.Refresh();
    SetWindowPos(form.Handle(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    forms::StretchDraw(form.Image(), 0, 0, 300, 100, capture, 0, 0, 3, 1);
    form.Refresh();
    // The next capture, not yet drawn.
    Fill(capture, 0, 0, 3, 1, kGrey);
    capture.CopyToPicture();

    RECT frame;
    GetWindowRect(form.Handle(), &frame);
    const auto shows = [&](COLORREF first) {
        const auto at = [&](int x, int y) { return ScreenPixel(frame.left + x, frame.top + y); };
        // Below the stretch the window was never drawn: the background.
        return at(50, 50) == first && at(150, 50) == kGreen && at(250, 50) == kBlue && at(150, 150) == kBlack;
    };
    const auto coverAndUncover = [&] {
        const RECT all{0, 0, 300, 200};
        FillRect(forms::WindowDc(form.Handle()).Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        ASSERT_TRUE(PumpUntil([&] { return ScreenPixel(frame.left + 250, frame.top + 50) == kWhite; }));
        RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    };
    EXPECT_TRUE(PumpUntil([&] { return shows(kRed); }));
    coverAndUncover();
    EXPECT_TRUE(PumpUntil([&] { return shows(kRed); })) << "the repaint lost the last stretch";

    forms::StretchDraw(form.Image(), 0, 0, 100, 100, capture, 0, 0, 1, 1);
    form.Refresh();
    EXPECT_TRUE(PumpUntil([&] { return shows(kGrey); }));
    coverAndUncover();
    EXPECT_TRUE(PumpUntil([&] { return shows(kGrey); })) << "the smaller stretch lost the rest of the larger one";
}

// An image that cannot be made, or a stretch from a form that has no picture, is reported
// as a run-time error instead of leaving the window blank.
TEST(RetainedImage, FailuresAreRunTimeErrors) {
    forms::RetainedImage pictureless(8, 8, kBlack), target(40, 40, kGrey);
    forms::RetainedImage tooLarge(1 << 24, 1 << 24, kBlack);  // a petabyte of pixels
    EXPECT_EQ(ErrorNumber([&] { tooLarge.Dc(); }), 7) << "an image larger than memory";
    EXPECT_EQ(ErrorNumber([&] { forms::StretchDraw(target, 0, 0, 16, 16, pictureless, 0, 0, 4, 4); }), 481);
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
        {"a stretch past the corner",
         [&](auto& image) { forms::StretchDraw(image, 30, 30, 20, 20, source, 0, 0, 4, 4); }, {40, 40}},
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
