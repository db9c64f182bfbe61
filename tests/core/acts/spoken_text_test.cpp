#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/acts/spoken_text.h"
#include "core/acts/narrator.h"
#include "core/acts/apply.h"
#include "support/fake_host.h"

namespace af {
namespace {

using testing::Started;

// The start-up state with some fields replaced.
State started(void (*change)(State&) = nullptr) {
    Started w;
    if (change) change(w.model.state);
    return w.model.state;
}

TEST(SpokenText, SpinReadingsGiveValueUnitAndReachableBounds) {
    const double inf = INFINITY;
    struct Case {
        void (*change)(State&);
        StepTarget spinner;
        const char* name;
        const char* text;
        double value, minimum, maximum;
    } cases[] = {
        {nullptr, {Quantity::Time, 0}, "time", "0 seconds", 0, 0, inf},
        {[](State& s) { s.time_ms = 20; }, {Quantity::Time, 0}, "time", "0.02 seconds", 0.02, 0, inf},
        {[](State& s) { s.time_ms = 5; }, {Quantity::Time, 0}, "time", "0.005 seconds", 0.005, 0.005, inf},
        {[](State& s) { s.time_ms = 1000; }, {Quantity::Time, 0}, "time", "1 second", 1, 0, inf},
        {[](State& s) { s.length[0] = 11; }, {Quantity::Length, 0}, "r1", "11", 11, 1, 15},
        {nullptr, {Quantity::Length, 1}, "r2", "10", 10, 1, 15},
        {[](State& s) { s.frequency[0] = 30; }, {Quantity::AngularFrequency, 0}, "ω1", "3 π radians per second", 3, 1, 10},
        {[](State& s) { s.frequency[1] = 25; }, {Quantity::AngularFrequency, 1}, "ω2", "2.5 π radians per second", 2.5, 0.5, 9.5},
        {[](State& s) { s.frequency[0] = 21, s.frequency_step = 1; }, {Quantity::AngularFrequency, 0}, "ω1", "2.1 π radians per second", 2.1, 0.1, 10},
    };
    for (const Case& c : cases) {
        const SpinReading r = spin_reading(started(c.change), c.spinner);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(r.name, c.name);
        EXPECT_EQ(r.text, c.text);
        EXPECT_NEAR(r.value, c.value, 1e-9);
        EXPECT_NEAR(r.minimum, c.minimum, 1e-9);
        if (std::isinf(c.maximum)) EXPECT_TRUE(std::isinf(r.maximum));
        else EXPECT_NEAR(r.maximum, c.maximum, 1e-9);
    }
}

TEST(SpokenText, FixedTexts) {
    EXPECT_EQ(bound_text(started([](State& s) { s.length[1] = 15; }), {Quantity::Length, 1}, Direction::Up), "15, maximum");
    EXPECT_EQ(bound_text(started(), {Quantity::Time, 0}, Direction::Down), "0, minimum");
    EXPECT_EQ(bound_text(started([](State& s) { s.frequency[0] = 100; }), {Quantity::AngularFrequency, 0}, Direction::Up), "10 π, maximum");
    EXPECT_EQ(control_speech("time_step_0.005").name, "step t, 0.005 seconds");
    EXPECT_EQ(control_speech("omega_step_1").name, "step ω, 1 π radians per second");
    EXPECT_EQ(control_speech("omega_step_0.1").name, "step ω, 0.1 π radians per second");
    EXPECT_EQ(run_start_text(started()), "running one second of time");
    EXPECT_EQ(run_end_text(started()), "run ended: vector 1 turned once, vector 2 turned twice; time back to 0");
    EXPECT_EQ(run_end_text(started([](State& s) { s.frequency = {30, 1}; })),
              "run ended: vector 1 turned 1.5 times, vector 2 turned 0.05 times; time back to 0");
    // After a run the marker is off: the curve alone.
    const auto after_run = [](State s) {
        s.on_show = OnShow::RunsEnd;
        return s;
    };
    EXPECT_EQ(wave_description(after_run(started()), 1, {true, 1000}),
              "sine curve, amplitude 10, two periods in one second, starting at 0 and rising");
    EXPECT_EQ(wave_description(after_run(started([](State& s) { s.frequency[0] = 5, s.length[0] = 3; })), 0, {true, 1000}),
              "sine curve, amplitude 3, 0.25 periods in one second, starting at 0 and rising");
    EXPECT_EQ(reset_text(), "time 0, traces cleared");
    EXPECT_EQ(restart_text(true, false), "time back to 0");
    EXPECT_EQ(restart_text(false, false), "");
}

TEST(SpokenText, CircleDescriptionGivesAnglesAndHeights) {
    // Angles from omega t with omega = n pi per second; heights r sin(angle), to one decimal.
    struct Case {
        float time_ms, r0, r1;
        OnShow on_show;
        const char* text;
    } cases[] = {
        {250, 10, 7, OnShow::Vectors, "Time 0.25 seconds. Vector 1: length 10, at 90 degrees, height 10. Vector 2: length 7, at 180 degrees, height 0."},
        {20, 10, 10, OnShow::Vectors, "Time 0.02 seconds. Vector 1: length 10, at 7 degrees, height 1.3. Vector 2: length 10, at 14 degrees, height 2.5."},
        {750, 4, 10, OnShow::Vectors, "Time 0.75 seconds. Vector 1: length 4, at 270 degrees, height -4. Vector 2: length 10, at 180 degrees, height 0."},
        {1000, 10, 10, OnShow::Vectors, "Time 1 second. Vector 1: length 10, at 0 degrees, height 0. Vector 2: length 10, at 0 degrees, height 0."},
        {0, 12, 3, OnShow::RunsEnd, "Time 0 seconds. Circles of radius 12 and 3; the vectors show again at the next step."},
    };
    for (const Case& c : cases) {
        State s = started();
        s.time_ms = c.time_ms, s.length[0] = c.r0, s.length[1] = c.r1, s.on_show = c.on_show;
        EXPECT_EQ(circle_description(s), c.text);
    }
}

// What is said, act by act, as the acts are applied.
TEST(Narrator, SaysRefusalsOnceRunsResetsAndRestarts) {
    Started w;
    Model& model = w.model;
    Narrator n;
    const Act r1_up = length_step_act(0, Direction::Up);
    const Act r1_down = length_step_act(0, Direction::Down);
    const Act t_up = time_step_act(Direction::Up);
    const Act t_down = time_step_act(Direction::Down);
    const Act run = run_act();
    const Act reset = reset_act();
    struct Step {
        Act act;
        const char* said;
    } steps[] = {
        {t_down, "0, minimum"},
        {r1_up, ""}, {r1_up, ""}, {r1_up, ""},
        {r1_up, ""}, {r1_up, ""},
        {r1_up, "15, maximum"}, {r1_up, ""},  // once
        {r1_down, ""}, {r1_up, ""},
        {r1_up, "15, maximum"},
        {t_up, ""},
        {r1_down, "time back to 0, traces cleared"},
        {run, "run ended: vector 1 turned once, vector 2 turned twice; time back to 0"},
        {r1_up, "traces cleared"},
        {reset, "time 0, traces cleared"},
    };
    for (const Step& s : steps) {
        const State before = model.state;
        const ActResult result = apply(model, s.act);
        EXPECT_EQ(n.end(before, model.state, s.act, result), s.said) << "after r1 " << model.state.length[0] << ", t " << model.state.time_ms;
    }
    EXPECT_EQ(n.begin(model.state, run), "running one second of time");
    EXPECT_EQ(n.begin(model.state, t_up), "");
}

TEST(Narrator, WaveDescriptionFollowsTheTrace) {
    Started w;
    Model& model = w.model;
    Narrator n;
    auto act = [&](const Act& a) {
        const State before = model.state;
        const ActResult result = apply(model, a);
        n.end(before, model.state, a, result);
    };
    const Act t_up = time_step_act(Direction::Up);
    const Act t_down = time_step_act(Direction::Down);
    EXPECT_EQ(n.wave_description(model.state, 0), "amplitude 10; traced at time 0 only; now at 0 seconds, height 0");
    for (int k = 0; k < 5; ++k) act(t_up);
    act(t_down);
    // 10 sin(2 pi 0.04) = 2.487; 10 sin(4 pi 0.04) = 4.818
    EXPECT_EQ(n.wave_description(model.state, 0), "amplitude 10; traced from 0 to 0.05 seconds; now at 0.04 seconds, height 2.5");
    EXPECT_EQ(n.wave_description(model.state, 1), "amplitude 10; traced from 0 to 0.05 seconds; now at 0.04 seconds, height 4.8");
    act(run_act());
    EXPECT_EQ(n.wave_description(model.state, 0), "sine curve, amplitude 10, one period in one second, starting at 0 and rising");
    act(t_up);
    EXPECT_EQ(n.wave_description(model.state, 1),
              "sine curve, amplitude 10, two periods in one second, starting at 0 and rising; now at 0.01 seconds, height 1.3");
    for (int k = 0; k < 120; ++k) act(t_up);
    act(reset_act());
    for (int k = 0; k < 120; ++k) act(t_up);
    EXPECT_EQ(n.wave_description(model.state, 0), "amplitude 10; traced from 0 to 1 second; now at 1.2 seconds, height 9.5");
}

}  // namespace
}  // namespace af
