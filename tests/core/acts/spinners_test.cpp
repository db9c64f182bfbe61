#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/acts/apply.h"
#include "support/fake_host.h"
#include "support/images.h"
#include "support/snapshot.h"

namespace af {
namespace {

using testing::count_color;
using testing::screen_hash;
using testing::Snapshot;
using testing::Started;

void press(Model& model, const Act& act, int times) {
    for (int k = 0; k < times; ++k) apply(model, act);
}

TEST(LengthSpinners, StepWithinOneToFifteen) {
    Started w;
    Model& model = w.model;
    apply(model, length_step_act(0, Direction::Down));
    EXPECT_EQ(model.state.length[0], 9.0f);
    EXPECT_EQ(model.length_values[0].caption, "9");
    EXPECT_EQ(model.length_values[1].caption, "10");
    EXPECT_EQ(model.state.length[1], 10.0f);
    EXPECT_EQ(model.time_value.caption, "0");

    press(model, length_step_act(0, Direction::Down), 7);
    EXPECT_EQ(model.length_values[0].caption, "2");
    apply(model, length_step_act(0, Direction::Down));
    EXPECT_EQ(model.length_values[0].caption, "1");
    const Snapshot at_one(model);
    apply(model, length_step_act(0, Direction::Down));
    EXPECT_EQ(Snapshot(model), at_one);

    press(model, length_step_act(1, Direction::Up), 4);
    EXPECT_EQ(model.length_values[1].caption, "14");
    apply(model, length_step_act(1, Direction::Up));
    EXPECT_EQ(model.length_values[1].caption, "15");
    const Snapshot at_fifteen(model);
    apply(model, length_step_act(1, Direction::Up));
    EXPECT_EQ(Snapshot(model), at_fifteen);
    // r1 = 1 and r2 = 15 at once is a valid picture with two circles.
    EXPECT_EQ(model.state.length[0], 1.0f);
    EXPECT_EQ(model.state.length[1], 15.0f);
}

TEST(FrequencySpinners, StepWithinTheCountBounds) {
    Started w;
    Model& model = w.model;
    apply(model, frequency_step_act(0, Direction::Up));
    EXPECT_EQ(model.state.frequency[0], 30.0f);
    EXPECT_EQ(model.frequency_values[0].caption, "3");
    EXPECT_EQ(model.frequency_values[1].caption, "4");

    press(model, frequency_step_act(0, Direction::Down), 2);
    EXPECT_EQ(model.frequency_values[0].caption, "1");
    const Snapshot at_ten(model);
    apply(model, frequency_step_act(0, Direction::Down));  // 10 - 10 is not above zero
    EXPECT_EQ(Snapshot(model), at_ten);

    apply(model, choose_frequency_step_act(5));  // step 0.5
    apply(model, frequency_step_act(0, Direction::Down));
    EXPECT_EQ(model.frequency_values[0].caption, "0.5");
    apply(model, frequency_step_act(0, Direction::Down));
    EXPECT_EQ(model.frequency_values[0].caption, "0.5");

    apply(model, choose_frequency_step_act(1));  // step 0.1
    apply(model, frequency_step_act(0, Direction::Up));
    apply(model, frequency_step_act(0, Direction::Up));
    EXPECT_EQ(model.frequency_values[0].caption, "0.7");

    // 15 with step 10 goes down to 5, and no further.
    apply(model, choose_frequency_step_act(10));
    model.state.frequency[1] = 15;
    apply(model, frequency_step_act(1, Direction::Down));
    EXPECT_EQ(model.frequency_values[1].caption, "0.5");
    apply(model, frequency_step_act(1, Direction::Down));
    EXPECT_EQ(model.state.frequency[1], 5.0f);

    // 95: up by 10 is refused, up by 5 reaches 10, and 100 is the top.
    model.state.frequency[1] = 95;
    const Snapshot at_95(model);
    apply(model, frequency_step_act(1, Direction::Up));
    EXPECT_EQ(Snapshot(model), at_95);
    apply(model, choose_frequency_step_act(5));
    apply(model, frequency_step_act(1, Direction::Up));
    EXPECT_EQ(model.frequency_values[1].caption, "10");
    apply(model, choose_frequency_step_act(1));
    const Snapshot at_top(model);
    apply(model, frequency_step_act(1, Direction::Up));
    EXPECT_EQ(Snapshot(model), at_top);
}

TEST(Spinners, TakenStepRestartsAtZeroRefusedStepKeepsTheTime) {
    const Act taken[] = {length_step_act(0, Direction::Down), length_step_act(1, Direction::Up), frequency_step_act(0, Direction::Up), frequency_step_act(1, Direction::Down)};
    for (const Act& act : taken) {
        Started w;
        apply(w.model, time_step_act(Direction::Up));
        apply(w.model, act);
        EXPECT_EQ(w.model.state.time_ms, 0.0f);
        EXPECT_EQ(w.model.time_value.caption, "0");
        EXPECT_EQ(w.model.state.on_show, OnShow::Vectors);
    }
    Started w;
    w.model.state.length[0] = 1;
    apply(w.model, time_step_act(Direction::Up));
    const Snapshot before(w.model);
    apply(w.model, length_step_act(0, Direction::Down));
    EXPECT_EQ(Snapshot(w.model), before);
    EXPECT_EQ(w.model.time_value.caption, "0.01");
}

TEST(Spinners, StepAfterARunClearsTheTrace) {
    // After a run the wave views are full of dots; a taken step shows a fresh frame.
    Started reference;
    apply(reference.model, length_step_act(0, Direction::Up));
    Started w;
    apply(w.model, run_act());
    EXPECT_GT(count_color(w.model.wave_views[0], kBlack), count_color(reference.model.wave_views[0], kBlack));
    apply(w.model, length_step_act(0, Direction::Up));
    EXPECT_EQ(screen_hash(w.model.circle_view), screen_hash(reference.model.circle_view));
    EXPECT_EQ(screen_hash(w.model.wave_views[0]), screen_hash(reference.model.wave_views[0]));
    EXPECT_EQ(screen_hash(w.model.wave_views[1]), screen_hash(reference.model.wave_views[1]));
}

TEST(StepOptions, OneGroupLeavesTheOtherAlone) {
    Started w;
    Model& model = w.model;
    const Snapshot before(model);
    apply(model, choose_time_step_act(10));  // already selected: stores the same value
    apply(model, choose_frequency_step_act(10));
    EXPECT_EQ(Snapshot(model), before);

    apply(model, time_step_act(Direction::Up));
    apply(model, choose_time_step_act(2));
    EXPECT_EQ(model.state.frequency_step, 10);
    EXPECT_EQ(model.time_value.caption, "0.01");  // nothing shows at the choice
    apply(model, time_step_act(Direction::Up));
    EXPECT_EQ(model.time_value.caption, "0.012");
    apply(model, time_step_act(Direction::Up));
    EXPECT_EQ(model.time_value.caption, "0.014");

    apply(model, choose_frequency_step_act(1));
    EXPECT_EQ(model.state.time_step_ms, 2);
    apply(model, frequency_step_act(0, Direction::Up));
    EXPECT_EQ(model.frequency_values[0].caption, "2.1");
    apply(model, choose_frequency_step_act(10));
    apply(model, frequency_step_act(1, Direction::Up));
    EXPECT_EQ(model.frequency_values[1].caption, "5");
}

}  // namespace
}  // namespace af
