#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "controls/handlers.h"
#include "draw/get_circ.h"
#include "support/fake_host.h"
#include "support/images.h"
#include "support/snapshot.h"

namespace af {
namespace {

using testing::count_color;
using testing::differing_pixels;
using testing::screen_hash;
using testing::Snapshot;
using testing::Started;

TEST(TimeStepping, DownBelowZeroIsRefusedSilently) {
    Started w;
    Form1& f = w.form;
    const Snapshot at_zero(f);
    SpinButton5_SpinDown(f);
    EXPECT_EQ(Snapshot(f), at_zero);

    // 5 ms, then the step set to 10: down would pass zero, up gives 15 ms.
    Option1_Click(f);
    SpinButton5_SpinUp(f);
    EXPECT_EQ(f.value_time.Caption, "0.005");
    Option4_Click(f);
    const Snapshot at_five(f);
    SpinButton5_SpinDown(f);
    EXPECT_EQ(Snapshot(f), at_five);
    SpinButton5_SpinUp(f);
    EXPECT_EQ(f.value_time.Caption, "0.015");
}

TEST(TimeStepping, StepsReachZeroExactlyAndHaveNoUpperLimit) {
    Started w;
    Form1& f = w.form;
    SpinButton5_SpinUp(f);
    SpinButton5_SpinDown(f);
    EXPECT_EQ(f.state.t_ms, 0.0f);
    EXPECT_EQ(f.value_time.Caption, "0");

    Option2_Click(f);
    SpinButton5_SpinUp(f);
    SpinButton5_SpinUp(f);
    SpinButton5_SpinDown(f);
    EXPECT_EQ(f.value_time.Caption, "0.002");
    SpinButton5_SpinDown(f);
    EXPECT_EQ(f.state.t_ms, 0.0f);

    Option4_Click(f);
    for (int k = 0; k < 100; ++k) SpinButton5_SpinUp(f);
    EXPECT_EQ(f.state.t_ms, 1000.0f);
    EXPECT_EQ(f.value_time.Caption, "1");
    SpinButton5_SpinUp(f);
    EXPECT_EQ(f.value_time.Caption, "1.01");
    // Past the view's right edge the trace dot falls outside and is clipped.
    SpinButton5_SpinUp(f);
    EXPECT_EQ(f.value_time.Caption, "1.02");
}

TEST(TimeStepping, EachStepShowsOnlyTheFrameAtItsTime) {
    Started w;
    Form1& f = w.form;
    for (int k = 0; k < 5; ++k) SpinButton5_SpinUp(f);  // 50 ms
    const std::uint64_t circle_at_50 = screen_hash(f.b_circ);
    SpinButton5_SpinDown(f);  // 40 ms

    // The circle view holds exactly the frame at 40 ms: drawing it once more takes it off,
    // and drawing 50 ms then gives the same picture as stepping did.
    get_circ(f);
    f.state.t_ms = 50;
    get_circ(f);
    EXPECT_EQ(screen_hash(f.b_circ), circle_at_50);

    // The trace dot drawn at 50 ms is kept: nothing clears the waves.
    Started fresh;
    for (int k = 0; k < 4; ++k) SpinButton5_SpinUp(fresh.form);
    EXPECT_GT(count_color(f.wave_s[0], kBlack), count_color(fresh.form.wave_s[0], kBlack));
}

TEST(TimeStepping, RightAfterARunNothingIsErasedFirst) {
    Started w;
    Form1& f = w.form;
    Command1_Click(f);
    const std::vector<std::uint32_t> trace = f.wave_s[1].screen();
    SpinButton5_SpinUp(f);
    EXPECT_EQ(f.state.t_ms, 10.0f);
    EXPECT_EQ(f.value_time.Caption, "0.01");
    EXPECT_FALSE(f.state.need_base);

    // The circle view equals a fresh static layer with the frame at 10 ms.
    Started ref;
    get_circ(ref.form);  // take start-up's frame off
    ref.form.state.t_ms = 10;
    get_circ(ref.form);
    EXPECT_EQ(screen_hash(f.b_circ), screen_hash(ref.form.b_circ));
    // The run's trace stays; only the time bar and the new dot differ.
    const int changed = differing_pixels(trace, f.wave_s[1].screen());
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, 6 * 70);
}

}  // namespace
}  // namespace af
