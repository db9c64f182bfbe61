#include "core/pixels/surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "support/images.h"

namespace af {
namespace {

using testing::count_color;
using testing::differing_pixels;

Surface circle_view(double ratio = 1.0) {
    const int size = static_cast<int>(std::lround(137 * ratio));
    Surface s(size, size, ratio);
    s.set_scale(-15, 15, 15, -15);
    return s;
}

// Some black lines to draw over, so exclusive-or meets more than white.
void draw_background(Surface& s) {
    s.pen = {PenMode::Copy, kBlack, 1, LineStyle::Solid};
    s.line(-15, 0, 15, 0);
    s.line(0, 15, 0, -15);
    s.circle(0, 0, 10);
}

TEST(Surface, ExclusiveOrTwiceRestoresEveryPixel) {
    std::mt19937 random(1234);
    std::uniform_real_distribution<float> coordinate(-25, 25);  // partly off the view
    for (const double ratio : {1.0, 1.5, 2.0}) {
        for (const int width : {1, 5, 6}) {
            for (const LineStyle style : {LineStyle::Solid, LineStyle::Dot}) {
                Surface s = circle_view(ratio);
                draw_background(s);
                s.pen = {PenMode::Xor, kBlue, width, style};
                const std::vector<std::uint32_t> before = s.screen();
                int drawn = 0;
                for (int k = 0; k < 40; ++k) {
                    const float a = coordinate(random), b = coordinate(random);
                    const float c = coordinate(random), d = coordinate(random);
                    s.line(a, b, c, d);
                    drawn += differing_pixels(before, s.screen()) > 0;
                    s.line(a, b, c, d);
                    ASSERT_EQ(differing_pixels(before, s.screen()), 0)
                        << "line width " << width << (style == LineStyle::Dot ? " dotted" : " solid") << " ratio " << ratio;
                    s.point(a, b);
                    s.point(a, b);
                    s.circle(a, b, std::abs(c) / 2);
                    s.circle(a, b, std::abs(c) / 2);
                    ASSERT_EQ(differing_pixels(before, s.screen()), 0) << "point or circle";
                }
                EXPECT_GT(drawn, 20) << "most of the lines cross the view";
            }
        }
    }
}

TEST(Surface, ExclusiveOrGivesTheComplementColours) {
    Surface s = circle_view();
    draw_background(s);
    s.pen = {PenMode::Xor, kBlue, 5, LineStyle::Solid};
    s.line(0, 0, 0, 10);
    const int x = static_cast<int>(s.device_x(0));
    EXPECT_EQ(s.pixel(x, static_cast<int>(s.device_y(5))), kBlue) << "blue on the black axis stays blue";
    EXPECT_EQ(s.pixel(x - 2, static_cast<int>(s.device_y(5))), 0x00FFFFu) << "blue on white shows yellow";
    s.pen = {PenMode::Xor, kRed, 5, LineStyle::Solid};
    s.line(0, 0, 0, -10);
    EXPECT_EQ(s.pixel(x + 1, static_cast<int>(s.device_y(-5))), 0xFFFF00u) << "red on white shows cyan";
    EXPECT_EQ(s.pixel(x, static_cast<int>(s.device_y(-5))), kRed) << "red on the black axis stays red";
}

TEST(Surface, PenWidthsCoverThatManyPixelsAcross) {
    for (const int width : {5, 6}) {
        for (const float at : {0.0f, 0.1f, 0.37f}) {  // wherever the point falls within a pixel
            Surface s = circle_view();
            s.pen = {PenMode::Copy, kBlack, width, LineStyle::Solid};
            s.point(at, at);
            const int row = static_cast<int>(s.device_y(at));
            int across = 0;
            for (int x = 0; x < s.width(); ++x) {
                for (int y = row - 1; y <= row + 1; ++y) {
                    if (s.pixel(x, y) == kBlack) {
                        ++across;
                        break;
                    }
                }
            }
            EXPECT_EQ(across, width) << "dot of width " << width << " at " << at;

            Surface bar = circle_view();
            bar.pen = {PenMode::Copy, kBlack, width, LineStyle::Solid};
            bar.line(at, -5, at, 5);
            int columns = 0;
            for (int x = 0; x < bar.width(); ++x) columns += bar.pixel(x, row) == kBlack;
            EXPECT_EQ(columns, width) << "bar of width " << width << " at " << at;
        }
    }
}

TEST(Surface, UserScaleMapsTheCornersWithYUpward) {
    Surface s = circle_view();
    s.pen = {PenMode::Copy, kBlack, 1, LineStyle::Solid};
    s.point(-15, 15);
    EXPECT_EQ(s.pixel(0, 0), kBlack) << "(-15, 15) is the upper-left corner";
    s.point(14.99f, -14.99f);
    EXPECT_EQ(s.pixel(136, 136), kBlack) << "(15, -15) is the lower-right corner";
    s.point(0, 10);
    EXPECT_EQ(s.pixel(68, 22), kBlack) << "positive y is above the centre";

    Surface wave(393, 137);
    wave.set_scale(0, 15, 1, -15);
    wave.pen = {PenMode::Copy, kBlack, 1, LineStyle::Solid};
    wave.point(0.5f, -10);
    EXPECT_EQ(wave.pixel(196, 114), kBlack);
    EXPECT_EQ(count_color(wave, kBlack), 1);
}

TEST(Surface, DrawingOffTheViewIsClipped) {
    Surface s = circle_view();
    s.pen = {PenMode::Copy, kBlack, 6, LineStyle::Solid};
    s.line(-100, 0, 100, 0);  // crosses the whole view
    EXPECT_EQ(count_color(s, kBlack), 137 * 6);
    const std::vector<std::uint32_t> crossed = s.screen();
    s.line(20, 20, 40, 40);  // wholly outside
    s.point(16, 0);
    s.circle(100, 100, 5);
    EXPECT_EQ(differing_pixels(crossed, s.screen()), 0);

    // Absurd but finite coordinates stay inside the view and are drawn the same way twice.
    s.pen = {PenMode::Xor, kBlue, 5, LineStyle::Solid};
    for (int k = 0; k < 2; ++k) {
        s.line(1e30f, -1e30f, -1e30f, 1e30f);
        s.point(3e38f, -3e38f);
        s.circle(0, 0, 1e30f);
    }
    EXPECT_EQ(differing_pixels(crossed, s.screen()), 0);

    s.pen = {PenMode::Copy, kBlack, 1, LineStyle::Dot};
    s.line(0, -1e5f, 0, 1e5f);
    EXPECT_GT(differing_pixels(crossed, s.screen()), 50) << "the visible part is still drawn";
}

TEST(Surface, DottedLinesHaveGaps) {
    Surface solid = circle_view(), dotted = circle_view();
    solid.pen = {PenMode::Copy, kBlack, 1, LineStyle::Solid};
    dotted.pen = {PenMode::Copy, kBlack, 1, LineStyle::Dot};
    solid.line(-10, 3, 10, 3);
    dotted.line(-10, 3, 10, 3);
    const int full = count_color(solid, kBlack), dots = count_color(dotted, kBlack);
    EXPECT_GT(dots, full / 3);
    EXPECT_LT(dots, full * 2 / 3);
}

TEST(Surface, RetainedDrawingDecidesWhereOperationsAct) {
    Surface s = circle_view();
    s.pen = {PenMode::Copy, kBlack, 1, LineStyle::Solid};
    s.line(-15, 0, 15, 0);
    EXPECT_EQ(s.persistent(), s.screen()) << "retained drawing acts on both";

    s.retained_drawing = false;
    s.line(0, -15, 0, 15);
    EXPECT_EQ(s.pixel(68, 10), kBlack);
    EXPECT_EQ(s.persistent_pixel(68, 10), kWhite) << "the persistent image is unchanged";
    s.clear();
    EXPECT_EQ(s.screen(), s.persistent()) << "clearing returns to the persistent image";
    EXPECT_EQ(s.pixel(0, 68), kBlack);

    s.retained_drawing = true;
    s.clear();
    EXPECT_TRUE(testing::all_white(s.screen()));
    EXPECT_TRUE(testing::all_white(s.persistent()));
}

TEST(Surface, ResizingToAnotherShapeStartsWhite) {
    // Same pixel count, other shape: the old rows must not show at a new stride.
    Surface s(40, 60);
    s.set_scale(0, 0, 1, 1);
    s.pen = {PenMode::Copy, kBlack, 6, LineStyle::Solid};
    s.line(0, 0.5f, 1, 0.5f);
    ASSERT_GT(count_color(s, kBlack), 0);
    s.resize(60, 40);
    EXPECT_EQ(s.width(), 60);
    EXPECT_TRUE(testing::all_white(s.screen()));
    s.resize(60, 40);  // the same shape keeps its pixels
    s.point(0.5f, 0.5f);
    const int dots = count_color(s, kBlack);
    s.resize(60, 40);
    EXPECT_EQ(count_color(s, kBlack), dots);
}

TEST(Surface, ReportsOnlyWhatChanged) {
    Surface s = circle_view();
    s.take_dirty();
    s.pen = {PenMode::Xor, kBlue, 5, LineStyle::Solid};
    s.line(0, 0, 0, 10);
    const PixelRect r = s.take_dirty();
    EXPECT_EQ(r.x1 - r.x0, 5);
    // 10 units are 45.7 pixels, and the round ends add half the pen at each.
    EXPECT_GE(r.y1 - r.y0, 46);
    EXPECT_LE(r.y1 - r.y0, 52);
    EXPECT_TRUE(s.take_dirty().empty());
}

}  // namespace
}  // namespace af
