#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/number_text.h"
#include "controls/handlers.h"
#include "draw/get_circ.h"
#include "support/fake_host.h"
#include "support/images.h"

namespace af {
namespace {

using testing::all_white;
using testing::count_color;
using testing::differing_pixels;
using testing::screen_hash;
using testing::Started;

// Records, at each presented frame, the time label and the time on show.
struct RunLog {
    std::vector<std::string> captions;
    std::vector<float> times;
};

RunLog run_and_record(Started& w) {
    RunLog log;
    w.host.on_present = [&] {
        log.captions.push_back(w.form.value_time.Caption);
        log.times.push_back(w.form.state.t_ms);
    };
    Command1_Click(w.form);
    w.host.on_present = nullptr;
    return log;
}

struct StepCase {
    void (*choose)(Form1&);
    int steps;
    const char* second_caption;
};

TEST(Animation, PresentsEveryStepFromZeroToOneSecond) {
    for (const StepCase c : {StepCase{Option4_Click, 101, "0.01"}, StepCase{Option1_Click, 201, "0.005"},
                             StepCase{Option2_Click, 501, "0.002"}}) {
        Started w;
        c.choose(w.form);
        const RunLog log = run_and_record(w);
        ASSERT_EQ(w.host.presented, c.steps);
        ASSERT_EQ(log.captions.size(), static_cast<std::size_t>(c.steps));
        EXPECT_EQ(log.captions.front(), "0");
        EXPECT_EQ(log.captions[1], c.second_caption);
        EXPECT_EQ(log.captions.back(), "1");
        EXPECT_EQ(log.times.back(), 1000.0f);
        for (std::size_t k = 0; k < log.captions.size(); ++k) {
            ASSERT_EQ(log.captions[k], plain_text(log.times[k] / 1000.0f));
        }
    }
    Started w;
    Option1_Click(w.form);
    const RunLog log = run_and_record(w);
    EXPECT_EQ(log.captions[3], "0.015");
}

TEST(Animation, EachPresentedFrameShowsTheVectorsAtThatTime) {
    Started w;
    std::vector<std::uint64_t> hashes;
    w.host.on_present = [&] { hashes.push_back(screen_hash(w.form.b_circ)); };
    Command1_Click(w.form);
    ASSERT_EQ(hashes.size(), 101u);
    // At 0.5 s vector 0 has turned half way, so the circle view differs from t = 0.
    EXPECT_NE(hashes[0], hashes[50]);
    EXPECT_NE(hashes[12], hashes[13]);
    // A full second later vector 0 has turned once and vector 1 twice: both are back.
    EXPECT_EQ(hashes[0], hashes[100]);
}

TEST(Animation, LeavesTheStaticLayerAndWholeTraces) {
    Started w;
    Form1& f = w.form;
    SpinButton5_SpinUp(f);  // manual steps first: a run still starts at 0
    SpinButton5_SpinUp(f);
    SpinButton6_SpinDown(f);  // radius 9: a run keeps the parameters
    run_and_record(w);

    EXPECT_EQ(f.state.t_ms, 0.0f);
    EXPECT_EQ(f.value_time.Caption, "0");
    EXPECT_TRUE(f.state.need_base);
    EXPECT_EQ(f.state.radius[0], 9.0f);
    EXPECT_EQ(f.state.t_step, 10);
    EXPECT_TRUE(f.b_circ.AutoRedraw);
    EXPECT_TRUE(f.wave_s[0].AutoRedraw);
    EXPECT_TRUE(f.wave_s[1].AutoRedraw);

    // No vector, no projection: only black axes and circles remain.
    EXPECT_EQ(count_color(f.b_circ, kBlue), 0);
    EXPECT_EQ(count_color(f.b_circ, kRed), 0);
    EXPECT_EQ(count_color(f.wave_s[0], 0x00FFFF), 0);
    EXPECT_EQ(count_color(f.wave_s[1], 0xFFFF00), 0);
    // The trace spans the whole second: black above and below the axis, left and right.
    for (int i = 0; i < 2; ++i) {
        const Surface& wave = f.wave_s[i];
        int above = 0, below = 0, left = 0, right = 0;
        const int axis_y = static_cast<int>(wave.device_y(0));
        for (int y = 0; y < wave.height(); ++y) {
            for (int x = 0; x < wave.width(); ++x) {
                if (wave.pixel(x, y) != kBlack || y == axis_y) continue;
                (y < axis_y ? above : below)++;
                (x < wave.width() / 2 ? left : right)++;
            }
        }
        EXPECT_GT(above, 40) << i;
        EXPECT_GT(below, 40) << i;
        EXPECT_GT(left, 40) << i;
        EXPECT_GT(right, 40) << i;
    }
    // Nothing of the run went into the persistent images.
    EXPECT_TRUE(all_white(f.b_circ.persistent()));
    EXPECT_TRUE(all_white(f.wave_s[0].persistent()));
    EXPECT_TRUE(all_white(f.wave_s[1].persistent()));
}

// The trace of a run is r sin(n pi t) for an angular frequency shown as "n π",
// worked out here from the view's geometry: x runs 0..1 s across the view,
// y from 15 at the top to -15 at the bottom.
TEST(Animation, TraceDotsLieOnTheSineOfTheShownFrequency) {
    struct Case {
        float count;  // speed count; "n π" with n = count / 10
        float radius;
        void (*choose_step)(Form1&);
        int step_ms;
    };
    for (const Case c : {Case{1, 15, Option4_Click, 10}, Case{20, 10, Option1_Click, 5},
                         Case{95, 3, Option4_Click, 10}, Case{100, 7, Option2_Click, 2}}) {
        SCOPED_TRACE(c.count);
        Started w;
        Form1& f = w.form;
        c.choose_step(f);
        f.state.speed[0] = c.count;
        f.state.radius[0] = c.radius;
        Command1_Click(f);
        const Surface& wave = f.wave_s[0];
        const int width = wave.width(), height = wave.height();
        std::vector<char> expected(static_cast<std::size_t>(width * height), 0);
        for (int ms = 0; ms <= 1000; ms += c.step_ms) {
            const double t = ms / 1000.0;
            const double y = c.radius * std::sin(c.count / 10.0 * 3.14159265358979 * t);
            const double px = t * width, py = (15.0 - y) / 30.0 * height;
            bool found = false;
            // Within a pixel either way: the drawing rounds its own pi and times to single precision.
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int x = static_cast<int>(std::floor(px)) + dx, yy = static_cast<int>(std::floor(py)) + dy;
                    if (x < 0 || yy < 0 || x >= width || yy >= height) continue;
                    expected[static_cast<std::size_t>(yy * width + x)] = 1;
                    found = found || wave.pixel(x, yy) == kBlack;
                }
            }
            if (px < width - 1) {
                ASSERT_TRUE(found) << "no trace dot near t = " << t;
            }
        }
        // And nothing black elsewhere but the time axis.
        const int axis_y = static_cast<int>(std::floor(height / 2.0));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (y == axis_y || expected[static_cast<std::size_t>(y * width + x)]) continue;
                ASSERT_NE(wave.pixel(x, y), kBlack) << "stray black at " << x << "," << y;
            }
        }
    }
}

TEST(Animation, SecondRunRedrawsTheSamePicture) {
    Started w;
    run_and_record(w);
    const std::uint64_t wave0 = screen_hash(w.form.wave_s[0]);
    const std::uint64_t circle = screen_hash(w.form.b_circ);
    // A finer first run leaves denser traces; the next run must clear them.
    Started v;
    Option2_Click(v.form);
    run_and_record(v);
    EXPECT_NE(screen_hash(v.form.wave_s[0]), wave0);
    Option4_Click(v.form);
    run_and_record(v);
    EXPECT_EQ(screen_hash(v.form.wave_s[0]), wave0);
    EXPECT_EQ(screen_hash(v.form.b_circ), circle);
}

TEST(Animation, ZeroStepDrawsNothingAndEnds) {
    // The options never store 0, but a run must not loop for ever if it happened.
    Started w;
    w.form.state.t_step = 0;
    Command1_Click(w.form);
    EXPECT_EQ(w.host.presented, 0);
}

TEST(Animation, AWindowThatIsGoingStopsTheRunAtThatFrame) {
    Started w;
    w.host.stop_after = 30;
    Command1_Click(w.form);
    EXPECT_EQ(w.host.presented, 30);
    // Ended as any run ends: time 0, no moving layer on show, retained drawing on.
    EXPECT_EQ(w.form.state.t_ms, 0.0f);
    EXPECT_EQ(w.form.value_time.Caption, "0");
    EXPECT_TRUE(w.form.state.need_base);
    EXPECT_TRUE(w.form.b_circ.AutoRedraw);
    EXPECT_EQ(count_color(w.form.b_circ, kBlue) + count_color(w.form.b_circ, kRed), 0);
}

TEST(Reset, RestoresTheStartUpPicture) {
    Started fresh;
    const std::uint64_t circle = screen_hash(fresh.form.b_circ);
    const std::uint64_t wave0 = screen_hash(fresh.form.wave_s[0]);
    const std::uint64_t wave1 = screen_hash(fresh.form.wave_s[1]);

    Started w;
    Command2_Click(w.form);  // right after start-up
    EXPECT_EQ(screen_hash(w.form.b_circ), circle);
    EXPECT_EQ(screen_hash(w.form.wave_s[0]), wave0);
    EXPECT_EQ(w.form.value_time.Caption, "0");
    EXPECT_EQ(w.form.value_r[0].Caption, "10");
    EXPECT_EQ(w.form.value_sp[1].Caption, "4");

    run_and_record(w);
    Command2_Click(w.form);
    EXPECT_EQ(screen_hash(w.form.wave_s[0]), wave0);
    EXPECT_EQ(screen_hash(w.form.wave_s[1]), wave1);
    EXPECT_EQ(screen_hash(w.form.b_circ), circle);
    EXPECT_FALSE(w.form.state.need_base);

    for (int k = 0; k < 7; ++k) SpinButton5_SpinUp(w.form);
    EXPECT_EQ(w.form.value_time.Caption, "0.07");
    Command2_Click(w.form);
    EXPECT_EQ(w.form.state.t_ms, 0.0f);
    EXPECT_EQ(w.form.value_time.Caption, "0");
    EXPECT_EQ(screen_hash(w.form.b_circ), circle);
    // Reset draws with retained drawing on, so a repaint keeps the picture.
    EXPECT_EQ(testing::image_hash(w.form.b_circ.persistent()), circle);
}

TEST(Reset, KeepsChangedParameters) {
    Started w;
    SpinButton7_SpinUp(w.form);  // r2 = 11
    SpinButton8_SpinUp(w.form);  // ω1 = 3
    const std::uint64_t circle = screen_hash(w.form.b_circ);
    SpinButton5_SpinUp(w.form);
    Command2_Click(w.form);
    EXPECT_EQ(w.form.state.radius[1], 11.0f);
    EXPECT_EQ(w.form.value_r[1].Caption, "11");
    EXPECT_EQ(w.form.value_sp[0].Caption, "3");
    EXPECT_EQ(screen_hash(w.form.b_circ), circle);
}

}  // namespace
}  // namespace af
