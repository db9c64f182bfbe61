#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "controls/handlers.h"
#include "support/fake_host.h"
#include "support/images.h"
#include "support/snapshot.h"

namespace af {
namespace {

using testing::count_color;
using testing::screen_hash;
using testing::Snapshot;
using testing::Started;

using Handler = void (*)(Form1&);

void press(Form1& f, Handler h, int times) {
    for (int k = 0; k < times; ++k) h(f);
}

TEST(RadiusSpinners, StepWithinOneToFifteen) {
    Started w;
    Form1& f = w.form;
    SpinButton6_SpinDown(f);
    EXPECT_EQ(f.state.radius[0], 9.0f);
    EXPECT_EQ(f.value_r[0].Caption, "9");
    EXPECT_EQ(f.value_r[1].Caption, "10");
    EXPECT_EQ(f.state.radius[1], 10.0f);
    EXPECT_EQ(f.value_time.Caption, "0");

    press(f, SpinButton6_SpinDown, 7);
    EXPECT_EQ(f.value_r[0].Caption, "2");
    SpinButton6_SpinDown(f);
    EXPECT_EQ(f.value_r[0].Caption, "1");
    const Snapshot at_one(f);
    SpinButton6_SpinDown(f);
    EXPECT_EQ(Snapshot(f), at_one);

    press(f, SpinButton7_SpinUp, 4);
    EXPECT_EQ(f.value_r[1].Caption, "14");
    SpinButton7_SpinUp(f);
    EXPECT_EQ(f.value_r[1].Caption, "15");
    const Snapshot at_fifteen(f);
    SpinButton7_SpinUp(f);
    EXPECT_EQ(Snapshot(f), at_fifteen);
    // r1 = 1 and r2 = 15 at once is a valid picture with two circles.
    EXPECT_EQ(f.state.radius[0], 1.0f);
    EXPECT_EQ(f.state.radius[1], 15.0f);
}

TEST(SpeedSpinners, StepWithinTheCountBounds) {
    Started w;
    Form1& f = w.form;
    SpinButton8_SpinUp(f);
    EXPECT_EQ(f.state.speed[0], 30.0f);
    EXPECT_EQ(f.value_sp[0].Caption, "3");
    EXPECT_EQ(f.value_sp[1].Caption, "4");

    press(f, SpinButton8_SpinDown, 2);
    EXPECT_EQ(f.value_sp[0].Caption, "1");
    const Snapshot at_ten(f);
    SpinButton8_SpinDown(f);  // 10 - 10 is not above zero
    EXPECT_EQ(Snapshot(f), at_ten);

    Option5_Click(f);  // step 0.5
    SpinButton8_SpinDown(f);
    EXPECT_EQ(f.value_sp[0].Caption, "0.5");
    SpinButton8_SpinDown(f);
    EXPECT_EQ(f.value_sp[0].Caption, "0.5");

    Option6_Click(f);  // step 0.1
    SpinButton8_SpinUp(f);
    SpinButton8_SpinUp(f);
    EXPECT_EQ(f.value_sp[0].Caption, "0.7");

    // 15 with step 10 goes down to 5, and no further.
    Option3_Click(f, 0);
    f.state.speed[1] = 15;
    SpinButton9_SpinDown(f);
    EXPECT_EQ(f.value_sp[1].Caption, "0.5");
    SpinButton9_SpinDown(f);
    EXPECT_EQ(f.state.speed[1], 5.0f);

    // 95: up by 10 is refused, up by 5 reaches 10, and 100 is the top.
    f.state.speed[1] = 95;
    const Snapshot at_95(f);
    SpinButton9_SpinUp(f);
    EXPECT_EQ(Snapshot(f), at_95);
    Option5_Click(f);
    SpinButton9_SpinUp(f);
    EXPECT_EQ(f.value_sp[1].Caption, "10");
    Option6_Click(f);
    const Snapshot at_top(f);
    SpinButton9_SpinUp(f);
    EXPECT_EQ(Snapshot(f), at_top);
}

TEST(Spinners, TakenStepRestartsAtZeroRefusedStepKeepsTheTime) {
    const Handler taken[] = {SpinButton6_SpinDown, SpinButton7_SpinUp, SpinButton8_SpinUp, SpinButton9_SpinDown};
    for (const Handler h : taken) {
        Started w;
        SpinButton5_SpinUp(w.form);
        h(w.form);
        EXPECT_EQ(w.form.state.t_ms, 0.0f);
        EXPECT_EQ(w.form.value_time.Caption, "0");
        EXPECT_FALSE(w.form.state.need_base);
    }
    Started w;
    w.form.state.radius[0] = 1;
    SpinButton5_SpinUp(w.form);
    const Snapshot before(w.form);
    SpinButton6_SpinDown(w.form);
    EXPECT_EQ(Snapshot(w.form), before);
    EXPECT_EQ(w.form.value_time.Caption, "0.01");
}

TEST(Spinners, StepAfterARunClearsTheTrace) {
    // After a run the wave views are full of dots; a taken step shows a fresh frame.
    Started reference;
    SpinButton6_SpinUp(reference.form);
    Started w;
    Command1_Click(w.form);
    EXPECT_GT(count_color(w.form.wave_s[0], kBlack), count_color(reference.form.wave_s[0], kBlack));
    SpinButton6_SpinUp(w.form);
    EXPECT_EQ(screen_hash(w.form.b_circ), screen_hash(reference.form.b_circ));
    EXPECT_EQ(screen_hash(w.form.wave_s[0]), screen_hash(reference.form.wave_s[0]));
    EXPECT_EQ(screen_hash(w.form.wave_s[1]), screen_hash(reference.form.wave_s[1]));
}

TEST(StepOptions, OneGroupLeavesTheOtherAlone) {
    Started w;
    Form1& f = w.form;
    const Snapshot before(f);
    Option4_Click(f);  // already selected: stores the same value
    Option3_Click(f, 0);
    EXPECT_EQ(Snapshot(f), before);

    SpinButton5_SpinUp(f);
    Option2_Click(f);
    EXPECT_EQ(f.state.sp_step, 10);
    EXPECT_EQ(f.value_time.Caption, "0.01");  // nothing shows at the choice
    SpinButton5_SpinUp(f);
    EXPECT_EQ(f.value_time.Caption, "0.012");
    SpinButton5_SpinUp(f);
    EXPECT_EQ(f.value_time.Caption, "0.014");

    Option6_Click(f);
    EXPECT_EQ(f.state.t_step, 2);
    SpinButton8_SpinUp(f);
    EXPECT_EQ(f.value_sp[0].Caption, "2.1");
    Option3_Click(f, 0);
    SpinButton9_SpinUp(f);
    EXPECT_EQ(f.value_sp[1].Caption, "5");
}

}  // namespace
}  // namespace af
