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
    EXPECT_EQ(s.view_extent, 15);
    EXPECT_EQ(s.span_seconds, 1);
    EXPECT_EQ(s.max_frequency, 100);
    EXPECT_EQ(s.time_ms, 0.0f);
    EXPECT_EQ(s.axis_periods, 1.0f);
    EXPECT_EQ(s.pi, 3.14159012f);
    EXPECT_NE(s.pi, static_cast<float>(3.14159265358979));
    EXPECT_EQ(s.time_step_ms, 10);
    EXPECT_EQ(s.length_step, 1);
    EXPECT_EQ(s.frequency_step, 10);
    EXPECT_EQ(s.ms_per_second, 1000);
    EXPECT_EQ(s.counts_per_unit, 10);
    EXPECT_EQ(s.last_vector, 1);
    EXPECT_EQ(s.length[0], 10.0f);
    EXPECT_EQ(s.length[1], 10.0f);
    EXPECT_EQ(s.frequency[0], 20.0f);
    EXPECT_EQ(s.frequency[1], 40.0f);
    for (int i = 2; i < kVectorSlots; ++i) {
        EXPECT_EQ(s.length[i], 0.0f);
        EXPECT_EQ(s.frequency[i], 0.0f);
    }
    // The first frame has been drawn, which clears static_layer_due again.
    EXPECT_FALSE(s.static_layer_due);
}

TEST(StartUp, SizesAndCentresTheWindowAsReadBack) {
    Started w;
    EXPECT_EQ(w.host.width_twips, 9225);
    EXPECT_EQ(w.host.height_twips, 5184);
    EXPECT_FLOAT_EQ(w.host.left, 4987.5f);  // (19200 - 9225) / 2: half twips are kept
    EXPECT_FLOAT_EQ(w.host.top, 2808.0f);

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
    for (const double ratio : {1.0, 1.5, 2.0}) {
        Started w(ratio);
        EXPECT_EQ(w.model.circle_view.width(), static_cast<int>(std::lround(137 * ratio)));
        EXPECT_EQ(w.model.circle_view.height(), static_cast<int>(std::lround(137 * ratio)));
        EXPECT_EQ(w.model.wave_views[1].width(), static_cast<int>(std::lround(393 * ratio)));
        EXPECT_EQ(w.model.wave_views[1].height(), static_cast<int>(std::lround(137 * ratio)));
    }
}

}  // namespace
}  // namespace af
