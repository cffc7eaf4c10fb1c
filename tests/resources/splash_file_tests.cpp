// The committed splash bitmap: exact layout, and a drawing that stays clear
// of what the splash window cuts off or covers.
#include <gtest/gtest.h>

#include <algorithm>

#include "image_files.h"

namespace resource_tests {
namespace {

constexpr int kWidth = 311;
constexpr int kHeight = 364;
constexpr int kVisibleWidth = 308;
constexpr int kFirstDrawnRow = 14;
constexpr int kLastDrawnRow = 328;

Bytes splash_file() { return read_file(resource_path("splash.bmp")); }

TEST(SplashBitmap, HasTheFixedFileLayout) {
    const Bytes f = splash_file();
    ASSERT_EQ(f.size(), 114646u);
    EXPECT_EQ(f[0], 'B');
    EXPECT_EQ(f[1], 'M');
    EXPECT_EQ(u32(f, 2), 114646u);
    EXPECT_EQ(u32(f, 6), 0u);
    EXPECT_EQ(u32(f, 10), 1078u);
    EXPECT_EQ(u32(f, 14), 40u);
    EXPECT_EQ(i32(f, 18), kWidth);
    EXPECT_EQ(i32(f, 22), kHeight);  // positive: bottom row first
    EXPECT_EQ(u16(f, 26), 1u);
    EXPECT_EQ(u16(f, 28), 8u);
    EXPECT_EQ(u32(f, 30), 0u);  // BI_RGB
    EXPECT_EQ(u32(f, 34), 113568u);
    EXPECT_EQ(u32(f, 46), 256u);
}

TEST(SplashBitmap, RowPaddingIsZero) {
    const Bytes f = splash_file();
    for (int row = 0; row < kHeight; ++row) EXPECT_EQ(f.at(1078 + row * 312 + 311), 0) << row;
}

TEST(SplashBitmap, OnlyTheDrawingAreaHoldsAnythingButNavy) {
    const Bitmap bmp = parse_bmp(splash_file());
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool drawing_area = x < kVisibleWidth && y >= kFirstDrawnRow && y <= kLastDrawnRow;
            if (!drawing_area) {
                ASSERT_EQ(bmp.colour(x, y), kNavy) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(bmp.colour(0, 0), kNavy);
}

TEST(SplashBitmap, DrawingReachesBothEndsOfItsBand) {
    const Bitmap bmp = parse_bmp(splash_file());
    auto row_has_drawing = [&](int y) {
        for (int x = 0; x < kWidth; ++x) {
            if (bmp.colour(x, y) != kNavy) return true;
        }
        return false;
    };
    EXPECT_TRUE(row_has_drawing(kFirstDrawnRow));
    EXPECT_TRUE(row_has_drawing(kLastDrawnRow));
}

// The frame in the middle: large solid areas of its three face colours,
// centred on the visible width.
TEST(SplashBitmap, FrameInTheMiddleShowsBlueWhiteAndLightGrey) {
    const Bitmap bmp = parse_bmp(splash_file());
    for (const Rgb face : {kBlue, kWhite, kLightGrey}) {
        int count = 0, left = kWidth, right = -1;
        for (int y = 80; y < 270; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                if (bmp.colour(x, y) != face) continue;
                ++count;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        EXPECT_GT(count, 2000) << face.r << "," << face.g << "," << face.b;
        EXPECT_LT(left, kVisibleWidth / 2);
        EXPECT_GT(right, kVisibleWidth / 2);
    }
}

}  // namespace
}  // namespace resource_tests
