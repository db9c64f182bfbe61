#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/acts/apply.h"
#include "core/model/frame.h"
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
    Model& model = w.model;
    const Snapshot at_zero(model);
    apply(model, time_step_act(Direction::Down));
    EXPECT_EQ(Snapshot(model), at_zero);

    // 5 ms, then the step set to 10: down would pass zero, up gives 15 ms.
    apply(model, choose_time_step_act(5));
    apply(model, time_step_act(Direction::Up));
    EXPECT_EQ(model.time_value.caption, "0.005");
    apply(model, choose_time_step_act(10));
    const Snapshot at_five(model);
    apply(model, time_step_act(Direction::Down));
    EXPECT_EQ(Snapshot(model), at_five);
    apply(model, time_step_act(Direction::Up));
    EXPECT_EQ(model.time_value.caption, "0.015");
}

TEST(TimeStepping, StepsReachZeroExactlyAndHaveNoUpperLimit) {
    Started w;
    Model& model = w.model;
    apply(model, time_step_act(Direction::Up));
    apply(model, time_step_act(Direction::Down));
    EXPECT_EQ(model.state.time_ms, 0.0f);
    EXPECT_EQ(model.time_value.caption, "0");

    apply(model, choose_time_step_act(2));
    apply(model, time_step_act(Direction::Up));
    apply(model, time_step_act(Direction::Up));
    apply(model, time_step_act(Direction::Down));
    EXPECT_EQ(model.time_value.caption, "0.002");
    apply(model, time_step_act(Direction::Down));
    EXPECT_EQ(model.state.time_ms, 0.0f);

    apply(model, choose_time_step_act(10));
    for (int k = 0; k < 100; ++k) apply(model, time_step_act(Direction::Up));
    EXPECT_EQ(model.state.time_ms, 1000.0f);
    EXPECT_EQ(model.time_value.caption, "1");
    apply(model, time_step_act(Direction::Up));
    EXPECT_EQ(model.time_value.caption, "1.01");
    // Past the view's right edge the trace dot falls outside and is clipped.
    apply(model, time_step_act(Direction::Up));
    EXPECT_EQ(model.time_value.caption, "1.02");
}

TEST(TimeStepping, EachStepShowsOnlyTheFrameAtItsTime) {
    Started w;
    Model& model = w.model;
    for (int k = 0; k < 5; ++k) apply(model, time_step_act(Direction::Up));  // 50 ms
    const std::uint64_t circle_at_50 = screen_hash(model.circle_view);
    apply(model, time_step_act(Direction::Down));  // 40 ms

    // The circle view holds exactly the frame at 40 ms: drawing it once more takes it off,
    // and drawing 50 ms then gives the same picture as stepping did.
    draw_frame(model);
    model.state.time_ms = 50;
    draw_frame(model);
    EXPECT_EQ(screen_hash(model.circle_view), circle_at_50);

    // The trace dot drawn at 50 ms is kept: nothing clears the waves.
    Started fresh;
    for (int k = 0; k < 4; ++k) apply(fresh.model, time_step_act(Direction::Up));
    EXPECT_GT(count_color(model.wave_views[0], kBlack), count_color(fresh.model.wave_views[0], kBlack));
}

TEST(TimeStepping, RightAfterARunNothingIsErasedFirst) {
    Started w;
    Model& model = w.model;
    apply(model, run_act());
    const std::vector<std::uint32_t> trace = model.wave_views[1].screen();
    apply(model, time_step_act(Direction::Up));
    EXPECT_EQ(model.state.time_ms, 10.0f);
    EXPECT_EQ(model.time_value.caption, "0.01");
    EXPECT_EQ(model.state.on_show, OnShow::Vectors);

    // The circle view equals a fresh static layer with the frame at 10 ms.
    Started ref;
    draw_frame(ref.model);  // take start-up's frame off
    ref.model.state.time_ms = 10;
    draw_frame(ref.model);
    EXPECT_EQ(screen_hash(model.circle_view), screen_hash(ref.model.circle_view));
    // The run's trace stays; only the time bar and the new dot differ.
    const int changed = differing_pixels(trace, model.wave_views[1].screen());
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, 6 * 70);
}

}  // namespace
}  // namespace af
