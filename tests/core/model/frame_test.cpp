#include "core/model/frame.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/fake_host.h"
#include "support/images.h"

namespace af {
namespace {

using testing::count_color;
using testing::differing_pixels;
using testing::Started;

TEST(VectorTip, TurnsAsTheAngularFrequencyReads) {
    // "2 π" and "4 π" rad/s: vector 0 turns once a second, vector 1 twice.
    Started w;
    State& s = w.model.state;
    s.time_ms = 0;
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(vector_tip(s, i).x, 10, 1e-9);
        EXPECT_NEAR(vector_tip(s, i).y, 0, 1e-9);
    }
    s.time_ms = 250;
    EXPECT_NEAR(vector_tip(s, 0).x, 0, 0.001);
    EXPECT_NEAR(vector_tip(s, 0).y, 10, 0.001);
    s.time_ms = 500;
    EXPECT_NEAR(vector_angle(s, 0), 3.14159, 0.001);
    EXPECT_NEAR(vector_angle(s, 1), 6.28318, 0.001);
    EXPECT_NEAR(vector_tip(s, 0).x, -10, 0.001);
    EXPECT_NEAR(vector_tip(s, 0).y, 0, 0.001);
    EXPECT_NEAR(vector_tip(s, 1).x, 10, 0.001);
    EXPECT_NEAR(vector_tip(s, 1).y, 0, 0.001);
    // Counter-clockwise on screen: a quarter turn later the tip is above the centre.
    s.time_ms = 250;
    EXPECT_LT(w.model.circle_view.device_y(vector_tip(s, 0).y), w.model.circle_view.device_y(0));
}

TEST(FrameDrawing, SecondCallTakesTheMovingLayerOff) {
    Started w;
    Model& model = w.model;
    for (const float t : {0.0f, 37.0f, 250.0f, 960.0f, 1000.0f}) {
        SCOPED_TRACE(t);
        model.state.time_ms = t;
        const std::vector<std::uint32_t> circle = model.circle_view.screen();
        const std::vector<std::uint32_t> wave0 = model.wave_views[0].screen();
        draw_frame(model);
        EXPECT_GT(differing_pixels(circle, model.circle_view.screen()), 0);
        draw_frame(model);
        EXPECT_EQ(differing_pixels(circle, model.circle_view.screen()), 0);
        // The only change two calls leave on a wave view is the one-pixel trace dot.
        EXPECT_LE(differing_pixels(wave0, model.wave_views[0].screen()), 1);
        EXPECT_EQ(model.state.on_show, OnShow::Vectors);
    }
}

TEST(FrameDrawing, MovingLayerShowsInExclusiveOrColours) {
    Started w;
    Model& model = w.model;
    model.state.time_ms = 0;
    draw_frame(model);  // take start-up's moving layer off
    const std::vector<std::uint32_t> plain = model.circle_view.screen();
    model.state.time_ms = 400;  // vector 0 points up and left, vector 1 down and right
    const Tip tip = vector_tip(model.state, 0);
    ASSERT_GT(tip.y, 5);
    ASSERT_LT(vector_tip(model.state, 1).y, -9);
    draw_frame(model);
    // Blue on white shows yellow, red on white shows cyan (in blue-green-red order).
    EXPECT_GT(count_color(model.wave_views[0], 0x00FFFF), 0);
    EXPECT_EQ(count_color(model.wave_views[0], 0xFFFF00), 0);
    EXPECT_GT(count_color(model.wave_views[1], 0xFFFF00), 0);
    EXPECT_EQ(count_color(model.wave_views[1], 0x00FFFF), 0);
    // On the black vertical axis the bars show their own colours, one up, one down.
    const int axis_x = static_cast<int>(model.circle_view.device_x(0));
    EXPECT_EQ(model.circle_view.pixel(axis_x, static_cast<int>(model.circle_view.device_y(3))), kBlue);
    EXPECT_EQ(model.circle_view.pixel(axis_x, static_cast<int>(model.circle_view.device_y(-3))), kRed);
    // The tip dot, six pixels across, changes most of a 7 by 7 box around the tip.
    const int tx = static_cast<int>(model.circle_view.device_x(tip.x));
    const int ty = static_cast<int>(model.circle_view.device_y(tip.y));
    int changed = 0;
    for (int y = ty - 3; y <= ty + 3; ++y) {
        for (int x = tx - 3; x <= tx + 3; ++x) {
            changed += model.circle_view.pixel(x, y) != plain[static_cast<std::size_t>(y * model.circle_view.width() + x)];
        }
    }
    EXPECT_GE(changed, 18);
}

TEST(FrameDrawing, ADueStaticLayerClearsTheCircleViewButNotTheWaves) {
    Started w;
    Model& model = w.model;
    for (int ms = 0; ms <= 200; ms += 10) {
        model.state.time_ms = static_cast<float>(ms);
        draw_frame(model);
        draw_frame(model);
    }

    // Draw junk on the circle view; the static layer must remove it.
    model.circle_view.pen.mode = PenMode::Copy;
    model.circle_view.pen.colour = kBlue;
    model.circle_view.pen.width = 6;
    model.circle_view.line(-14, 14, 14, 14);
    model.state.time_ms = 0;
    draw_frame(model);  // takes start-up's moving layer off: only traces remain
    const int trace_before = count_color(model.wave_views[0], kBlack);
    const std::vector<std::uint32_t> wave1 = model.wave_views[1].screen();
    model.state.on_show = OnShow::Cleared;
    draw_frame(model);
    draw_frame(model);  // moving layer off again: only the static layer remains
    EXPECT_EQ(model.state.on_show, OnShow::Circles);
    EXPECT_EQ(count_color(model.circle_view, kBlue), 0);
    EXPECT_EQ(count_color(model.wave_views[0], kBlack), trace_before);
    EXPECT_EQ(differing_pixels(wave1, model.wave_views[1].screen()), 0);
}

}  // namespace
}  // namespace af
