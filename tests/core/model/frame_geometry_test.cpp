// The first frames checked against the picture's own geometry, worked out
// here from the view sizes and user scales, not taken from the drawing code:
// a circle of radius r is r/30 of the view across from the centre, a bar
// reaches the tip's height, the line to the axis is dotted, the time axis
// spans the whole second.
#include <gtest/gtest.h>

#include <cmath>

#include "core/acts/apply.h"
#include "support/fake_host.h"

namespace af {
namespace {

using testing::Started;

constexpr std::uint32_t kYellow = 0x00FFFF;  // blue on white, in blue-green-red

struct View {
    const Surface& s;
    // Device pixel of a user point: x and y run from -15 to 15 (circle view).
    int col(double x) const { return static_cast<int>(std::floor((x + 15) / 30 * s.width())); }
    int row(double y) const { return static_cast<int>(std::floor((15 - y) / 30 * s.height())); }
};

TEST(FrameGeometry, CirclesBarsDottedLineAndTimeAxisWhereTheyBelong) {
    for (const double ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        Started w(ratio);
        Model& model = w.model;
        const View circle{model.circle_view};
        ASSERT_EQ(model.circle_view.width(),
                  std::lround(static_cast<double>(std::lround(layout_control("circle_view")->twips.width / 15.0)) * ratio));

        // Radius 10 of 15: at height 5 the circle is at x = ±sqrt(100 - 25).
        const int y5 = circle.row(5);
        const double x5 = std::sqrt(75.0);
        for (const double x : {x5, -x5}) {
            bool black = false;
            for (int c = circle.col(x) - 1; c <= circle.col(x) + 1; ++c) black = black || model.circle_view.pixel(c, y5) == kBlack;
            EXPECT_TRUE(black) << "no circle near x = " << x;
        }
        // Nothing black between the circle and the vertical axis on that row.
        for (int c = circle.col(-x5) + 2; c < circle.col(-0.6); ++c) EXPECT_NE(model.circle_view.pixel(c, y5), kBlack) << c;

        // At 0.25 s vector 0 points straight up (a quarter turn at 2π rad/s).
        // Its blue bar, five pixels wide, reaches from the centre to height 10
        // and no further: yellow on white beside the axis; on the axis the
        // white vector lies on the black axis too, so there it is yellow as well.
        apply(model, time_step_act(Direction::Up));
        apply(model, choose_time_step_act(5));  // then steps of 5 ms
        for (int k = 0; k < 48; ++k) apply(model, time_step_act(Direction::Up));
        ASSERT_EQ(model.state.time_ms, 250.0f);
        const int axis = circle.col(0), beside = axis + static_cast<int>(2 * ratio);
        for (double y = 1; y <= 9; y += 0.5) {
            EXPECT_EQ(model.circle_view.pixel(axis, circle.row(y)), kYellow) << y;
            EXPECT_EQ(model.circle_view.pixel(beside, circle.row(y)), kYellow) << y;
        }
        for (double y = 11.5; y <= 14.5; y += 0.5) {
            EXPECT_EQ(model.circle_view.pixel(axis, circle.row(y)), kBlack) << y;
            EXPECT_EQ(model.circle_view.pixel(beside, circle.row(y)), kWhite) << y;
        }

        // Back to 125 ms: vector 0 at 45 degrees, its dotted line at height
        // 10 sin 45° runs from the tip to the axis in dots and gaps.
        for (int k = 0; k < 25; ++k) apply(model, time_step_act(Direction::Down));
        const int yd = circle.row(10 * std::sin(M_PI / 4));
        int dots = 0, gaps = 0;
        bool was_black = false;
        for (int c = circle.col(1.5); c <= circle.col(6); ++c) {
            const bool black = model.circle_view.pixel(c, yd) == kBlack;
            dots += black && !was_black;
            gaps += !black && was_black;
            was_black = black;
        }
        EXPECT_GE(dots, 3);
        EXPECT_GE(gaps, 3);

        // The time axis spans every column of both wave views.
        for (const Surface& wave : model.wave_views) {
            const int axis_row = static_cast<int>(std::floor(wave.height() / 2.0));
            int black = 0;
            for (int c = 0; c < wave.width(); ++c) black += wave.pixel(c, axis_row) == kBlack;
            EXPECT_GE(black, wave.width() - static_cast<int>(7 * ratio));  // a time bar may cross it
        }
    }
}

}  // namespace
}  // namespace af
