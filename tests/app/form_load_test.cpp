#include <gtest/gtest.h>

#include <cmath>

#include "support/fake_host.h"

namespace af {
namespace {

using testing::FakeHost;
using testing::Started;

TEST(FormLoad, WritesEveryCaptionBeforeTheWindowShows) {
    Started w;
    EXPECT_EQ(w.form.axis_s.Caption, " 1sec");
    EXPECT_EQ(w.form.axis_c.Caption, " 1sec");
    EXPECT_EQ(w.form.max_range.Caption, "15");
    EXPECT_EQ(w.form.value_time.Caption, "0");
    EXPECT_EQ(w.form.value_r[0].Caption, "10");
    EXPECT_EQ(w.form.value_r[1].Caption, "10");
    EXPECT_EQ(w.form.value_sp[0].Caption, "2");
    EXPECT_EQ(w.form.value_sp[1].Caption, "4");
}

TEST(FormLoad, GivesEveryFieldItsStartValue) {
    Started w;
    const State& s = w.form.state;
    EXPECT_EQ(s.y_range, 15);
    EXPECT_EQ(s.t_span, 1);
    EXPECT_EQ(s.sp_max, 100);
    EXPECT_EQ(s.t_ms, 0.0f);
    EXPECT_EQ(s.axis_periods, 1.0f);
    EXPECT_EQ(s.pi_val, 3.14159012f);
    EXPECT_NE(s.pi_val, static_cast<float>(3.14159265358979));
    EXPECT_EQ(s.t_step, 10);
    EXPECT_EQ(s.r_step, 1);
    EXPECT_EQ(s.sp_step, 10);
    EXPECT_EQ(s.t_unit, 1000);
    EXPECT_EQ(s.sp_unit, 10);
    EXPECT_EQ(s.last_vec, 1);
    EXPECT_EQ(s.radius[0], 10.0f);
    EXPECT_EQ(s.radius[1], 10.0f);
    EXPECT_EQ(s.speed[0], 20.0f);
    EXPECT_EQ(s.speed[1], 40.0f);
    for (int i = 2; i < kVectorSlots; ++i) {
        EXPECT_EQ(s.radius[i], 0.0f);
        EXPECT_EQ(s.speed[i], 0.0f);
    }
    // The first frame has been drawn, which clears need_base again.
    EXPECT_FALSE(s.need_base);
}

TEST(FormLoad, SizesAndCentresTheWindowAsReadBack) {
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
    Form1 form(host);
    Form_Load(form);
    EXPECT_FLOAT_EQ(host.left, -4000.0f);
}

TEST(FormLoad, ViewsGetTheirLayoutSizeInDevicePixels) {
    for (const double ratio : {1.0, 1.5, 2.0}) {
        Started w(ratio);
        EXPECT_EQ(w.form.b_circ.width(), static_cast<int>(std::lround(137 * ratio)));
        EXPECT_EQ(w.form.b_circ.height(), static_cast<int>(std::lround(137 * ratio)));
        EXPECT_EQ(w.form.wave_s[1].width(), static_cast<int>(std::lround(393 * ratio)));
        EXPECT_EQ(w.form.wave_s[1].height(), static_cast<int>(std::lround(137 * ratio)));
    }
}

}  // namespace
}  // namespace af
