// The sound a session makes, heard through an estimator of the test's own
// (zero crossings): during a run each side's pitch follows its vector's
// height, 220 Hz at the bottom of the view to 880 Hz at its top, as long as
// the frames are seen at the display's rate, with no jump between frames;
// each press outside a run has its own short cue; nothing sounds while the
// sound is off.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "core/session/session.h"
#include "core/setup/parse_setup.h"

namespace {

using af::ControlPart;
using af::Extra;
using af::Session;

const af::FitRequest kRoom{af::laid_out_client(), af::laid_out_client(), 1.0, 1.0};
constexpr int kRate = 48000;
constexpr double kFullScale = 32767;

af::Setup with_sound() {
    af::Setup setup;
    setup.switches = {{"sound", true}};
    return setup;
}

// Interleaved stereo as two channels.
struct Heard {
    std::vector<double> left, right;
    std::vector<std::string> said;
    void add(const af::SessionChanges& c) {
        for (std::size_t k = 0; k + 1 < c.sound.size(); k += 2) {
            left.push_back(c.sound[k]);
            right.push_back(c.sound[k + 1]);
        }
        said.insert(said.end(), c.said.begin(), c.said.end());
    }
};

Heard press_and_listen(Session& s, const char* control, ControlPart part = ControlPart::Whole) {
    Heard heard;
    s.press(control, part);
    heard.add(s.take_changes());
    while (s.busy()) {
        s.frame_due();
        heard.add(s.take_changes());
    }
    return heard;
}

// The pitch between two samples, from the times the wave crosses zero
// (interpolated between samples): half a period between crossings. It is
// the mean pitch between the first and last crossing; `at` is their middle.
struct Pitch {
    double hz = 0;
    double at = 0;
};
Pitch pitch_between(const std::vector<double>& x, std::size_t from, std::size_t to) {
    std::vector<double> crossings;
    for (std::size_t k = from + 1; k < to; ++k) {
        if ((x[k - 1] < 0) != (x[k] < 0)) crossings.push_back(static_cast<double>(k - 1) + x[k - 1] / (x[k - 1] - x[k]));
    }
    if (crossings.size() < 2) return {};
    return {static_cast<double>(crossings.size() - 1) / (2 * (crossings.back() - crossings.front())) * kRate,
            (crossings.front() + crossings.back()) / 2};
}

double cents(double heard, double expected) { return 1200 * std::log2(heard / expected); }

// The start values: lengths 10 on a view of extent 15, vector 1 turning once
// a second and vector 2 twice.
double expected_pitch(int vector, double seconds) {
    const double height = 10 * std::sin((vector + 1) * 2 * std::numbers::pi * seconds);
    return 220 * std::pow(4.0, (height / 15 + 1) / 2);
}

struct RunCase {
    const char* time_step;
    int step_ms;
    double display_hz;
    int late_every = 0;  // every so many frames is due 7 ms late, as a busy window's are
};

class RunSound : public ::testing::TestWithParam<RunCase> {};

TEST_P(RunSound, EachSideFollowsItsHeightForAsLongAsTheFramesAreSeen) {
    const RunCase c = GetParam();
    Session s(kRoom, with_sound());
    s.set_sample_rate(kRate);
    s.set_frame_seconds(1 / c.display_hz);
    press_and_listen(s, c.time_step);
    const int frames = 1000 / c.step_ms + 1;
    const double frame_samples = kRate / c.display_hz;
    // Where each frame's samples start: after the frames before, and never
    // before the time the run has been on show when it is due.
    std::vector<double> starts{0};
    Heard heard;
    s.press("run_button");
    heard.add(s.take_changes());
    for (int call = 1; s.busy(); ++call) {
        const double late = c.late_every > 0 && call % c.late_every == 0 ? 0.007 : 0;
        const double on_show = call / c.display_hz + late;
        starts.push_back(std::max(starts.back() + frame_samples, on_show * kRate));
        s.frame_due(on_show);
        heard.add(s.take_changes());
    }
    ASSERT_EQ(starts.size(), static_cast<std::size_t>(frames + 1));
    // The frames as long as they were seen, then a fade of 20 ms.
    EXPECT_NEAR(static_cast<double>(heard.left.size()), starts.back() + 0.020 * kRate, 2);

    // Each frame glides from the pitch of the last frame's height to its
    // own, so its pitch at any moment lies that far between the two.
    double worst_cents = 0;
    for (std::size_t k = 1; k < static_cast<std::size_t>(frames); ++k) {
        const double from = starts[k];
        for (int vector = 0; vector < 2; ++vector) {
            const Pitch heard_pitch = pitch_between(vector == 0 ? heard.left : heard.right,
                                                    static_cast<std::size_t>(from) + 1,
                                                    static_cast<std::size_t>(from + frame_samples));
            const double last = expected_pitch(vector, static_cast<double>(k - 1) * c.step_ms / 1000.0);
            const double own = expected_pitch(vector, static_cast<double>(k) * c.step_ms / 1000.0);
            const double expected = last + (own - last) * (heard_pitch.at - from) / frame_samples;
            worst_cents = std::max(worst_cents, std::abs(cents(heard_pitch.hz, expected)));
            // A frame on show for longer holds the pitch it reached.
            if (starts[k + 1] > from + frame_samples + 1) {
                const Pitch held = pitch_between(vector == 0 ? heard.left : heard.right,
                                                 static_cast<std::size_t>(from + frame_samples) + 1,
                                                 static_cast<std::size_t>(starts[k + 1]));
                worst_cents = std::max(worst_cents, std::abs(cents(held.hz, own)));
            }
        }
    }
    EXPECT_LT(worst_cents, 3) << "a frame's pitch is off its height";

    // Well below full scale, yet loud, and no jump of phase or loudness: the
    // wave's curvature stays what an 880 Hz bright tone can have (a phase
    // jump of a twentieth of a turn would be several times more).
    for (const std::vector<double>* side : {&heard.left, &heard.right}) {
        const double peak = std::max(*std::max_element(side->begin(), side->end()),
                                     -*std::min_element(side->begin(), side->end()));
        EXPECT_LE(peak, 0.25 * kFullScale + 1);
        EXPECT_GE(peak, 0.2 * kFullScale);
        double curvature = 0;
        for (std::size_t k = 1; k + 1 < side->size(); ++k) {
            curvature = std::max(curvature, std::abs((*side)[k + 1] - 2 * (*side)[k] + (*side)[k - 1]));
        }
        EXPECT_LT(curvature, 400);
        // Faded in and out: silent at both ends, and quiet for their first and last millisecond.
        EXPECT_LT(std::abs(side->front()) + std::abs(side->back()), 2);
        const auto ms = static_cast<std::ptrdiff_t>(kRate / 1000);
        for (const auto& [first, last] : {std::pair{side->begin(), side->begin() + ms}, std::pair{side->end() - ms, side->end()}}) {
            const auto [low, high] = std::minmax_element(first, last);
            EXPECT_LT(std::max(*high, -*low), 0.15 * peak);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TimeStepsAndDisplays, RunSound,
                         ::testing::Values(RunCase{"time_step_0.01", 10, 60}, RunCase{"time_step_0.005", 5, 60},
                                           RunCase{"time_step_0.002", 2, 60}, RunCase{"time_step_0.002", 2, 75},
                                           RunCase{"time_step_0.01", 10, 144}, RunCase{"time_step_0.01", 10, 60, 3}),
                         // Names from the case, so that they read and stay the same from build to build.
                         [](const ::testing::TestParamInfo<RunCase>& info) {
                             const RunCase& c = info.param;
                             return "step" + std::to_string(c.step_ms) + "ms_" + std::to_string(int(c.display_hz)) + "Hz" +
                                    (c.late_every ? "_late" + std::to_string(c.late_every) : "");
                         });

TEST(Cues, EachPressOutsideARunHasAShortSoundOfItsOwn) {
    Session s(kRoom, with_sound());
    s.set_sample_rate(kRate);
    struct Case {
        const char* name;
        const char* control;
        ControlPart part;
    };
    // The start state: t = 0, r1 = 10; after a step of the time, t = 0.01.
    const Case cases[] = {{"step", "time_spin", ControlPart::Up},
                          {"bound", "time_spin", ControlPart::Down},
                          {"bound", "time_spin", ControlPart::Down},
                          {"reset", "reset_button", ControlPart::Whole},
                          {"restart", "r1_spin", ControlPart::Up}};
    std::vector<std::vector<double>> lefts;
    for (const Case& c : cases) {
        s.press("time_spin", ControlPart::Down);  // back to t = 0, or a bound
        s.take_changes();
        const Heard h = press_and_listen(s, c.control, c.part);
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(h.left.empty());
        // Over before a held arrow presses again, about every 83 ms; RESET a little longer.
        EXPECT_LE(h.left.size(), static_cast<std::size_t>((std::string(c.name) == "reset" ? 0.150 : 0.083) * kRate));
        EXPECT_LT(std::abs(h.left.front()) + std::abs(h.left.back()), 2);
        const std::size_t n = h.left.size();
        if (std::string(c.name) == "step") {
            for (int vector = 0; vector < 2; ++vector) {
                const double hz = pitch_between(vector == 0 ? h.left : h.right, n / 10, n * 6 / 10).hz;
                EXPECT_LT(std::abs(cents(hz, expected_pitch(vector, 0.01))), 5) << "vector " << vector + 1;
            }
        }
        if (std::string(c.name) == "bound") {
            EXPECT_LT(pitch_between(h.left, 0, n).hz, 220) << "a tick below every height's pitch";
            EXPECT_LE(n, static_cast<std::size_t>(0.040 * kRate));
        }
        lefts.push_back(h.left);
    }
    EXPECT_EQ(lefts[1], lefts[2]) << "the same tick at every refused press";
    EXPECT_NE(lefts[3], lefts[4]) << "RESET and a new length sound alike";
    EXPECT_NE(lefts[0], lefts[3]);
}

TEST(SoundSwitch, SilentUntilTurnedOnAndEachTurnSaid) {
    Session s(kRoom);
    EXPECT_TRUE(press_and_listen(s, "run_button").left.empty());
    EXPECT_TRUE(press_and_listen(s, "reset_button").left.empty());
    s.toggle(Extra::Sound);
    Heard on = press_and_listen(s, "reset_button");
    EXPECT_FALSE(on.left.empty());
    s.toggle(Extra::Voice);
    s.toggle(Extra::Sound);
    const af::SessionChanges c = s.take_changes();
    EXPECT_TRUE(c.switches);
    EXPECT_EQ(c.said, (std::vector<std::string>{"voice on", "sound off"}));
    EXPECT_EQ(s.setup_query(), "voice=on");
    EXPECT_TRUE(press_and_listen(s, "time_spin", ControlPart::Up).left.empty());
}

TEST(SoundSwitch, ASetupOpensWithItsSwitchesOnAndTheAddressKeepsThem) {
    const struct {
        const char* query;
        bool sound, voice;
        const char* kept;
    } cases[] = {
        {"sound=on", true, false, "sound=on"},
        {"voice=on&sound=off", false, true, "voice=on"},
        {"voice=on&sound=on&r1=5", true, true, "r1=5&sound=on&voice=on"},
        {"sound=off", false, false, ""},
    };
    for (const auto& c : cases) {
        Session s(kRoom, af::parse_setup(c.query).setup);
        EXPECT_EQ(s.is_on(Extra::Sound), c.sound) << c.query;
        EXPECT_EQ(s.is_on(Extra::Voice), c.voice) << c.query;
        s.turn(Extra::FullScreen, true);
        EXPECT_FALSE(s.is_on(Extra::FullScreen)) << "an extra that is no switch";
        EXPECT_EQ(s.setup_query(), c.kept);
        EXPECT_TRUE(s.take_changes().said.empty()) << "opening so is not said";
    }
}

TEST(SoundSwitch, TurnedOffMidRunFadesOut) {
    Session s(kRoom, with_sound());
    s.press("run_button");
    for (int k = 0; k < 10; ++k) s.frame_due();
    s.toggle(Extra::Sound);
    Heard h;
    h.add(s.take_changes());
    ASSERT_FALSE(h.left.empty());
    EXPECT_LT(std::abs(h.left.back()) + std::abs(h.right.back()), 2);
    while (s.busy()) s.frame_due();
    EXPECT_TRUE(s.take_changes().sound.empty());
}

TEST(SoundSwitch, AMissingDeviceOrVoiceIsSaidOnce) {
    Session s(kRoom);
    s.no_sound_device();
    s.no_voice();
    s.no_sound_device();
    s.no_voice();
    EXPECT_EQ(s.take_changes().said.size(), 2u);
}

}  // namespace
