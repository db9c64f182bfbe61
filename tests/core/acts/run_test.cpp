#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/model/number_text.h"
#include "core/acts/apply.h"
#include "core/acts/run.h"
#include "core/model/frame.h"
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
    AnimationRun run(w.model);
    while (run.another()) {
        run.step();
        log.captions.push_back(w.model.time_value.caption);
        log.times.push_back(w.model.state.time_ms);
    }
    run.end();
    return log;
}

struct StepCase {
    Act choose;
    int steps;
    const char* second_caption;
};

TEST(AnimationRun, PresentsEveryStepFromZeroToOneSecond) {
    for (const StepCase c : {StepCase{choose_time_step_act(10), 101, "0.01"}, StepCase{choose_time_step_act(5), 201, "0.005"},
                             StepCase{choose_time_step_act(2), 501, "0.002"}}) {
        Started w;
        apply(w.model, c.choose);
        const RunLog log = run_and_record(w);
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
    apply(w.model, choose_time_step_act(5));
    const RunLog log = run_and_record(w);
    EXPECT_EQ(log.captions[3], "0.015");
}

TEST(AnimationRun, EachPresentedFrameShowsTheVectorsAtThatTime) {
    Started w;
    std::vector<std::uint64_t> hashes;
    AnimationRun run(w.model);
    while (run.another()) {
        run.step();
        hashes.push_back(screen_hash(w.model.circle_view));
    }
    run.end();
    ASSERT_EQ(hashes.size(), 101u);
    // At 0.5 s vector 0 has turned half way, so the circle view differs from t = 0.
    EXPECT_NE(hashes[0], hashes[50]);
    EXPECT_NE(hashes[12], hashes[13]);
    // A full second later vector 0 has turned once and vector 1 twice: both are back.
    EXPECT_EQ(hashes[0], hashes[100]);
}

TEST(AnimationRun, LeavesTheStaticLayerAndWholeTraces) {
    Started w;
    Model& model = w.model;
    apply(model, time_step_act(Direction::Up));  // manual steps first: a run still starts at 0
    apply(model, time_step_act(Direction::Up));
    apply(model, length_step_act(0, Direction::Down));  // radius 9: a run keeps the parameters
    Started unseen;
    for (const Act& act : {time_step_act(Direction::Up), length_step_act(0, Direction::Down), run_act()}) {
        apply(unseen.model, act);
    }
    run_and_record(w);
    // A run applied at once, unseen, leaves what one shown frame by frame leaves.
    for (int k = 0; k < 3; ++k) {
        const Surface& shown = k == 0 ? model.circle_view : model.wave_views[k - 1];
        const Surface& applied = k == 0 ? unseen.model.circle_view : unseen.model.wave_views[k - 1];
        EXPECT_EQ(shown.screen(), applied.screen()) << k;
        EXPECT_EQ(shown.persistent(), applied.persistent()) << k;
    }
    EXPECT_EQ(model.state, unseen.model.state);

    EXPECT_EQ(model.state.time_ms, 0.0f);
    EXPECT_EQ(model.time_value.caption, "0");
    EXPECT_EQ(model.state.on_show, OnShow::RunsEnd);
    EXPECT_EQ(model.state.length[0], 9.0f);
    EXPECT_EQ(model.state.time_step_ms, 10);
    EXPECT_TRUE(model.circle_view.retained_drawing);
    EXPECT_TRUE(model.wave_views[0].retained_drawing);
    EXPECT_TRUE(model.wave_views[1].retained_drawing);

    // No vector, no projection: only black axes and circles remain.
    EXPECT_EQ(count_color(model.circle_view, kBlue), 0);
    EXPECT_EQ(count_color(model.circle_view, kRed), 0);
    EXPECT_EQ(count_color(model.wave_views[0], 0x00FFFF), 0);
    EXPECT_EQ(count_color(model.wave_views[1], 0xFFFF00), 0);
    // The trace spans the whole second: black above and below the axis, left and right.
    for (int i = 0; i < 2; ++i) {
        const Surface& wave = model.wave_views[i];
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
    EXPECT_TRUE(all_white(model.circle_view.persistent()));
    EXPECT_TRUE(all_white(model.wave_views[0].persistent()));
    EXPECT_TRUE(all_white(model.wave_views[1].persistent()));
}

// The trace of a run is r sin(n pi t) for an angular frequency shown as "n π",
// worked out here from the view's geometry: x runs 0..1 s across the view,
// y from 15 at the top to -15 at the bottom.
TEST(AnimationRun, TraceDotsLieOnTheSineOfTheShownFrequency) {
    struct Case {
        float count;  // angular-frequency count; "n π" with n = count / 10
        float length;
        Act choose_step;
        int step_ms;
    };
    for (const Case c : {Case{1, 15, choose_time_step_act(10), 10}, Case{20, 10, choose_time_step_act(5), 5},
                         Case{95, 3, choose_time_step_act(10), 10}, Case{100, 7, choose_time_step_act(2), 2}}) {
        SCOPED_TRACE(c.count);
        Started w;
        Model& model = w.model;
        apply(model, c.choose_step);
        model.state.frequency[0] = c.count;
        model.state.length[0] = c.length;
        apply(model, run_act());
        const Surface& wave = model.wave_views[0];
        const int width = wave.width(), height = wave.height();
        std::vector<char> expected(static_cast<std::size_t>(width * height), 0);
        for (int ms = 0; ms <= 1000; ms += c.step_ms) {
            const double t = ms / 1000.0;
            const double y = c.length * std::sin(c.count / 10.0 * 3.14159265358979 * t);
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

TEST(AnimationRun, SecondRunRedrawsTheSamePicture) {
    Started w;
    run_and_record(w);
    const std::uint64_t wave0 = screen_hash(w.model.wave_views[0]);
    const std::uint64_t circle = screen_hash(w.model.circle_view);
    // A finer first run leaves denser traces; the next run must clear them.
    Started v;
    apply(v.model, choose_time_step_act(2));
    run_and_record(v);
    EXPECT_NE(screen_hash(v.model.wave_views[0]), wave0);
    apply(v.model, choose_time_step_act(10));
    run_and_record(v);
    EXPECT_EQ(screen_hash(v.model.wave_views[0]), wave0);
    EXPECT_EQ(screen_hash(v.model.circle_view), circle);
}

TEST(AnimationRun, ZeroStepDrawsNothingAndEnds) {
    // The options never store 0, but a run must not loop for ever if it happened.
    Started w;
    w.model.state.time_step_ms = 0;
    AnimationRun run(w.model);
    EXPECT_FALSE(run.another());
    EXPECT_FALSE(run.step());
    run.end();
    EXPECT_EQ(run.steps_taken(), 0);
}

TEST(AnimationRun, AWindowThatIsGoingStopsTheRunAtThatFrame) {
    Started w;
    AnimationRun run(w.model);
    for (int k = 0; k < 30; ++k) run.step();
    run.end();
    EXPECT_EQ(run.steps_taken(), 30);
    EXPECT_FALSE(run.another());
    // Ended as any run ends: time 0, no moving layer on show, retained drawing on.
    EXPECT_EQ(w.model.state.time_ms, 0.0f);
    EXPECT_EQ(w.model.time_value.caption, "0");
    EXPECT_EQ(w.model.state.on_show, OnShow::RunsEnd);
    EXPECT_TRUE(w.model.circle_view.retained_drawing);
    EXPECT_EQ(count_color(w.model.circle_view, kBlue) + count_color(w.model.circle_view, kRed), 0);
}

TEST(Reset, RestoresTheStartUpPicture) {
    Started fresh;
    const std::uint64_t circle = screen_hash(fresh.model.circle_view);
    const std::uint64_t wave0 = screen_hash(fresh.model.wave_views[0]);
    const std::uint64_t wave1 = screen_hash(fresh.model.wave_views[1]);

    Started w;
    apply(w.model, reset_act());  // right after start-up
    EXPECT_EQ(screen_hash(w.model.circle_view), circle);
    EXPECT_EQ(screen_hash(w.model.wave_views[0]), wave0);
    EXPECT_EQ(w.model.time_value.caption, "0");
    EXPECT_EQ(w.model.length_values[0].caption, "10");
    EXPECT_EQ(w.model.frequency_values[1].caption, "4");

    run_and_record(w);
    apply(w.model, reset_act());
    EXPECT_EQ(screen_hash(w.model.wave_views[0]), wave0);
    EXPECT_EQ(screen_hash(w.model.wave_views[1]), wave1);
    EXPECT_EQ(screen_hash(w.model.circle_view), circle);
    EXPECT_EQ(w.model.state.on_show, OnShow::Vectors);

    for (int k = 0; k < 7; ++k) apply(w.model, time_step_act(Direction::Up));
    EXPECT_EQ(w.model.time_value.caption, "0.07");
    apply(w.model, reset_act());
    EXPECT_EQ(w.model.state.time_ms, 0.0f);
    EXPECT_EQ(w.model.time_value.caption, "0");
    EXPECT_EQ(screen_hash(w.model.circle_view), circle);
    // Reset draws with retained drawing on, so a repaint keeps the picture.
    EXPECT_EQ(testing::image_hash(w.model.circle_view.persistent()), circle);
}

TEST(Reset, KeepsChangedParameters) {
    Started w;
    apply(w.model, length_step_act(1, Direction::Up));  // r2 = 11
    apply(w.model, frequency_step_act(0, Direction::Up));  // ω1 = 3
    const std::uint64_t circle = screen_hash(w.model.circle_view);
    apply(w.model, time_step_act(Direction::Up));
    apply(w.model, reset_act());
    EXPECT_EQ(w.model.state.length[1], 11.0f);
    EXPECT_EQ(w.model.length_values[1].caption, "11");
    EXPECT_EQ(w.model.frequency_values[0].caption, "3");
    EXPECT_EQ(screen_hash(w.model.circle_view), circle);
}

}  // namespace
}  // namespace af
