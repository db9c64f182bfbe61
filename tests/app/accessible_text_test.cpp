#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/accessible_text.h"
#include "app/narrator.h"
#include "controls/handlers.h"
#include "support/fake_host.h"

namespace af {
namespace {

using testing::Started;

// The start-up state with some fields replaced.
State started(void (*change)(State&) = nullptr) {
    Started w;
    if (change) change(w.form.state);
    return w.form.state;
}

TEST(AccessibleText, SpinReadingsGiveValueUnitAndReachableBounds) {
    const double inf = INFINITY;
    struct Case {
        void (*change)(State&);
        Spinner spinner;
        const char* name;
        const char* text;
        double value, minimum, maximum;
    } cases[] = {
        {nullptr, {Quantity::Time, 0}, "time", "0 seconds", 0, 0, inf},
        {[](State& s) { s.t_ms = 20; }, {Quantity::Time, 0}, "time", "0.02 seconds", 0.02, 0, inf},
        {[](State& s) { s.t_ms = 5; }, {Quantity::Time, 0}, "time", "0.005 seconds", 0.005, 0.005, inf},
        {[](State& s) { s.t_ms = 1000; }, {Quantity::Time, 0}, "time", "1 second", 1, 0, inf},
        {[](State& s) { s.radius[0] = 11; }, {Quantity::Radius, 0}, "r1", "11", 11, 1, 15},
        {nullptr, {Quantity::Radius, 1}, "r2", "10", 10, 1, 15},
        {[](State& s) { s.speed[0] = 30; }, {Quantity::Speed, 0}, "ω1", "3 π radians per second", 3, 1, 10},
        {[](State& s) { s.speed[1] = 25; }, {Quantity::Speed, 1}, "ω2", "2.5 π radians per second", 2.5, 0.5, 9.5},
        {[](State& s) { s.speed[0] = 21, s.sp_step = 1; }, {Quantity::Speed, 0}, "ω1", "2.1 π radians per second", 2.1, 0.1, 10},
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

TEST(AccessibleText, FixedTexts) {
    EXPECT_EQ(bound_text(started([](State& s) { s.radius[1] = 15; }), {Quantity::Radius, 1}, Spin::Up), "15, maximum");
    EXPECT_EQ(bound_text(started(), {Quantity::Time, 0}, Spin::Down), "0, minimum");
    EXPECT_EQ(bound_text(started([](State& s) { s.speed[0] = 100; }), {Quantity::Speed, 0}, Spin::Up), "10 π, maximum");
    EXPECT_EQ(control_speech("Option1").name, "step t, 0.005 seconds");
    EXPECT_EQ(control_speech("Option3(0)").name, "step ω, 1 π radians per second");
    EXPECT_EQ(control_speech("Option6").name, "step ω, 0.1 π radians per second");
    EXPECT_EQ(run_start_text(started()), "running one second of time");
    EXPECT_EQ(run_end_text(started()), "run ended: vector 1 turned once, vector 2 twice; time back to 0");
    EXPECT_EQ(run_end_text(started([](State& s) { s.speed = {30, 1}; })),
              "run ended: vector 1 turned 1.5 times, vector 2 0.05 times; time back to 0");
    EXPECT_EQ(sine_text(started(), 1), "sine curve, amplitude 10, two periods in one second, starting at 0 and rising");
    EXPECT_EQ(sine_text(started([](State& s) { s.speed[0] = 5, s.radius[0] = 3; }), 0),
              "sine curve, amplitude 3, 0.25 periods in one second, starting at 0 and rising");
}

TEST(AccessibleText, CircleDescriptionGivesAnglesAndHeights) {
    // Angles from omega t with omega = n pi per second; heights r sin(angle), to one decimal.
    struct Case {
        float t_ms, r0, r1;
        bool need_base;
        const char* text;
    } cases[] = {
        {250, 10, 7, false, "t 0.25 s. Vector 1: length 10, at 90 degrees, height 10. Vector 2: length 7, at 180 degrees, height 0."},
        {20, 10, 10, false, "t 0.02 s. Vector 1: length 10, at 7 degrees, height 1.3. Vector 2: length 10, at 14 degrees, height 2.5."},
        {750, 4, 10, false, "t 0.75 s. Vector 1: length 4, at 270 degrees, height -4. Vector 2: length 10, at 180 degrees, height 0."},
        {1000, 10, 10, false, "t 1 s. Vector 1: length 10, at 0 degrees, height 0. Vector 2: length 10, at 0 degrees, height 0."},
        {0, 12, 3, true, "t 0 s. Circles of radius 12 and 3; the vectors show again at the next step."},
    };
    for (const Case& c : cases) {
        State s = started();
        s.t_ms = c.t_ms, s.radius[0] = c.r0, s.radius[1] = c.r1, s.need_base = c.need_base;
        EXPECT_EQ(circle_description(s), c.text);
    }
}

// What is said, act by act, through the real handlers.
TEST(Narrator, SaysRefusalsOnceRunsResetsAndRestarts) {
    Started w;
    Form1& f = w.form;
    Narrator n;
    const Act r1_up{Act::Kind::Step, {Quantity::Radius, 0}, Spin::Up};
    const Act r1_down{Act::Kind::Step, {Quantity::Radius, 0}, Spin::Down};
    const Act t_up{Act::Kind::Step, {Quantity::Time, 0}, Spin::Up};
    const Act t_down{Act::Kind::Step, {Quantity::Time, 0}, Spin::Down};
    const Act run{Act::Kind::Run, {}, Spin::Up};
    const Act reset{Act::Kind::Reset, {}, Spin::Up};
    struct Step {
        Act act;
        void (*handler)(Form1&);
        const char* said;
    } steps[] = {
        {t_down, SpinButton5_SpinDown, "0, minimum"},
        {r1_up, SpinButton6_SpinUp, ""}, {r1_up, SpinButton6_SpinUp, ""}, {r1_up, SpinButton6_SpinUp, ""},
        {r1_up, SpinButton6_SpinUp, ""}, {r1_up, SpinButton6_SpinUp, ""},
        {r1_up, SpinButton6_SpinUp, "15, maximum"}, {r1_up, SpinButton6_SpinUp, ""},  // once
        {r1_down, SpinButton6_SpinDown, ""}, {r1_up, SpinButton6_SpinUp, ""},
        {r1_up, SpinButton6_SpinUp, "15, maximum"},
        {t_up, SpinButton5_SpinUp, ""},
        {r1_down, SpinButton6_SpinDown, "time back to 0, traces cleared"},
        {run, Command1_Click, "run ended: vector 1 turned once, vector 2 twice; time back to 0"},
        {r1_up, SpinButton6_SpinUp, "traces cleared"},
        {reset, Command2_Click, "time 0, traces cleared"},
    };
    for (const Step& s : steps) {
        const State before = f.state;
        s.handler(f);
        EXPECT_EQ(n.end(before, f.state, s.act), s.said) << "after r1 " << f.state.radius[0] << ", t " << f.state.t_ms;
    }
    EXPECT_EQ(n.begin(f.state, run), "running one second of time");
    EXPECT_EQ(n.begin(f.state, t_up), "");
}

TEST(Narrator, WaveDescriptionFollowsTheTrace) {
    Started w;
    Form1& f = w.form;
    Narrator n;
    auto act = [&](Act a, void (*handler)(Form1&)) {
        const State before = f.state;
        handler(f);
        n.end(before, f.state, a);
    };
    const Act t_up{Act::Kind::Step, {Quantity::Time, 0}, Spin::Up};
    const Act t_down{Act::Kind::Step, {Quantity::Time, 0}, Spin::Down};
    EXPECT_EQ(n.wave_description(f.state, 0), "amplitude 10; traced at 0 s only; now at 0 s, height 0");
    for (int k = 0; k < 5; ++k) act(t_up, SpinButton5_SpinUp);
    act(t_down, SpinButton5_SpinDown);
    // 10 sin(2 pi 0.04) = 2.487; 10 sin(4 pi 0.04) = 4.818
    EXPECT_EQ(n.wave_description(f.state, 0), "amplitude 10; traced from 0 to 0.05 s; now at 0.04 s, height 2.5");
    EXPECT_EQ(n.wave_description(f.state, 1), "amplitude 10; traced from 0 to 0.05 s; now at 0.04 s, height 4.8");
    act({Act::Kind::Run, {}, Spin::Up}, Command1_Click);
    EXPECT_EQ(n.wave_description(f.state, 0), "sine curve, amplitude 10, one period in one second, starting at 0 and rising");
    act(t_up, SpinButton5_SpinUp);
    EXPECT_EQ(n.wave_description(f.state, 1),
              "sine curve, amplitude 10, two periods in one second, starting at 0 and rising; now at 0.01 s, height 1.3");
    for (int k = 0; k < 120; ++k) act(t_up, SpinButton5_SpinUp);
    act({Act::Kind::Reset, {}, Spin::Up}, Command2_Click);
    for (int k = 0; k < 120; ++k) act(t_up, SpinButton5_SpinUp);
    EXPECT_EQ(n.wave_description(f.state, 0), "amplitude 10; traced from 0 to 1 s; now at 1.2 s, height 9.5");
}

}  // namespace
}  // namespace af
