#include <gtest/gtest.h>

#include <cmath>

#include "support/fake_host.h"

namespace af {
namespace {

using testing::FakeHost;
using testing::Started;

TEST(StartUp, WritesEveryCaptionBeforeTheWindowShows) {
    Started w;
    EXPECT_EQ(w.model.axis_labels[0].caption, " 1sec");
    EXPECT_EQ(w.model.axis_labels[1].caption, " 1sec");
    EXPECT_EQ(w.model.range_label.caption, "15");
    EXPECT_EQ(w.model.time_value.caption, "0");
    EXPECT_EQ(w.model.length_values[0].caption, "10");
    EXPECT_EQ(w.model.length_values[1].caption, "10");
    EXPECT_EQ(w.model.frequency_values[0].caption, "2");
    EXPECT_EQ(w.model.frequency_values[1].caption, "4");
}

TEST(StartUp, GivesEveryFieldItsStartValue) {
    Started w;
    const State& s = w.model.state;
    EXPECT_EQ(s.time_ms, 0.0f);
    EXPECT_EQ(s.time_step_ms, 10);
    EXPECT_EQ(s.frequency_step, 10);
    EXPECT_EQ(s.length[0], 10.0f);
    EXPECT_EQ(s.length[1], 10.0f);
    EXPECT_EQ(s.frequency[0], 20.0f);
    EXPECT_EQ(s.frequency[1], 40.0f);
    // The first frame has been drawn.
    EXPECT_EQ(s.on_show, OnShow::Vectors);
    // The pi the drawing uses is the single-precision 3.14159, not the float nearest pi.
    EXPECT_EQ(kPi, 3.14159012f);
    EXPECT_NE(kPi, static_cast<float>(3.14159265358979));
}

TEST(StartUp, SizesAndCentresTheWindowAsReadBack) {
    Started w;
    EXPECT_EQ(w.host.width_twips, kOuterTwipsAtStart.width);
    EXPECT_EQ(w.host.height_twips, kOuterTwipsAtStart.height);
    // Half twips are kept.
    EXPECT_FLOAT_EQ(w.host.left, (w.host.screen_w - kOuterTwipsAtStart.width) / 2.0f);
    EXPECT_FLOAT_EQ(w.host.top, (w.host.screen_h - kOuterTwipsAtStart.height) / 2.0f);

    // A window system that gives another size: the given size is centred.
    struct Adjusting : FakeHost {
        void set_outer_width(float) override { width_twips = 9000; }
    } host;
    host.screen_w = 1000;  // smaller than the window: no clamping
    Model form(host);
    start_up(form);
    EXPECT_FLOAT_EQ(host.left, -4000.0f);
}

TEST(StartUp, ViewsGetTheirLayoutSizeInDevicePixels) {
    // Whole layout pixels (15 twips each), then scaled.
    const auto px = [](int twips, double ratio) { return static_cast<int>(std::lround(static_cast<double>(std::lround(twips / 15.0)) * ratio)); };
    for (const double ratio : {1.0, 1.5, 2.0}) {
        Started w(ratio);
        for (const auto& [name, view] : named_views(w.model)) {
            const TwipsBox& laid = layout_control(name)->twips;
            EXPECT_EQ(view->width(), px(laid.width, ratio)) << name;
            EXPECT_EQ(view->height(), px(laid.height, ratio)) << name;
        }
    }
}

}  // namespace
}  // namespace af
