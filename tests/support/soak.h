#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "app/number_text.h"
#include "controls/handlers.h"
#include "draw/get_circ.h"
#include "support/fake_host.h"

namespace af::testing {

// A soak setting from the environment, so a long run by hand can try other
// seeds and lengths; unset or empty, the fallback.
inline std::uint32_t env_number(const char* name, std::uint32_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : fallback;
}

// Every event a user can raise, with how often the random sequences raise it.
struct Event {
    const char* name;
    void (*handle)(Form1&);
    int weight;
};

inline const std::vector<Event>& all_events() {
    static const std::vector<Event> events{
        {"t up", SpinButton5_SpinUp, 40},      {"t down", SpinButton5_SpinDown, 40},
        {"r1 up", SpinButton6_SpinUp, 20},     {"r1 down", SpinButton6_SpinDown, 20},
        {"r2 up", SpinButton7_SpinUp, 20},     {"r2 down", SpinButton7_SpinDown, 20},
        {"w1 up", SpinButton8_SpinUp, 20},     {"w1 down", SpinButton8_SpinDown, 20},
        {"w2 up", SpinButton9_SpinUp, 20},     {"w2 down", SpinButton9_SpinDown, 20},
        {"t 0.01", Option4_Click, 4},          {"t 0.005", Option1_Click, 4},
        {"t 0.002", Option2_Click, 4},         {"w step 1", [](Form1& f) { Option3_Click(f, 0); }, 4},
        {"w step 0.5", Option5_Click, 4},      {"w step 0.1", Option6_Click, 4},
        {"RESET", Command2_Click, 3},          {"ANIM", Command1_Click, 1},
    };
    return events;
}

// A seeded sequence of event indices.
inline std::vector<int> random_events(std::uint32_t seed, int count) {
    std::vector<int> weights;
    for (const Event& e : all_events()) weights.push_back(e.weight);
    std::mt19937 random(seed);
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    std::vector<int> events(static_cast<std::size_t>(count));
    for (int& e : events) e = pick(random);
    return events;
}

inline bool whole(float v) { return std::isfinite(v) && v == std::floor(v); }

// Scratch for the checks: a second window, and what the wave views held
// after the last check, with their moving layers off.
struct Reference : Started {
    using Started::Started;
    std::array<std::vector<std::uint32_t>, 2> waves;
    State state;
    bool seen = false;
};

namespace detail {

// The wave views as they must look cleared: the time axis and one dot at the
// time on show.
inline void draw_cleared(Form1& scratch, const State& s) {
    scratch.state = s;
    scratch.state.need_base = true;
    for (Surface& wave : scratch.wave_s) wave.Cls();
    get_circ_settled(scratch);
}

// ... and as a whole run leaves them: the axis and a dot at every step.
inline void draw_run(Form1& scratch, const State& s) {
    draw_cleared(scratch, s);
    for (int ms = s.t_step; ms <= s.t_span * s.t_unit; ms += s.t_step) {
        scratch.state.t_ms = static_cast<float>(ms);
        get_circ_settled(scratch);
    }
}

// Every pixel that changed since `before` is black now and black in `cleared`
// (the axis and the dot at the time on show): the earlier trace is kept and
// one dot is added.
inline bool trace_kept(const std::vector<std::uint32_t>& before, const std::vector<std::uint32_t>& now,
                       const std::vector<std::uint32_t>& cleared) {
    constexpr std::uint32_t kBlackPixel = 0xFF000000u;
    for (std::size_t k = 0; k < now.size(); ++k) {
        if (now[k] != before[k] && (now[k] != kBlackPixel || cleared[k] != kBlackPixel)) return false;
    }
    return true;
}

// What each wave view must hold, its moving layer off: cleared to its axis
// and one dot where a length or frequency changed (or RESET went back to 0);
// every dot of the run right after ANIM; otherwise the earlier trace, kept,
// and one more dot.
inline std::string broken_wave(Form1& f, Reference& ref) {
    const State& s = f.state;
    const State& before = ref.state;
    const bool restarted = !ref.seen || s.radius != before.radius || s.speed != before.speed;
    std::string broken;
    draw_cleared(ref.form, s);
    for (int i = 0; i < 2 && broken.empty(); ++i) {
        const std::vector<std::uint32_t>& now = f.wave_s[i].screen();
        const std::vector<std::uint32_t>& cleared = ref.form.wave_s[i].screen();
        if (restarted) {
            if (now != cleared) broken = "wave view not cleared to its axis and one dot";
            continue;
        }
        if (s.need_base) {
            if (now == ref.waves[i]) continue;
            draw_run(ref.form, s);
            if (now != ref.form.wave_s[i].screen()) broken = "wave view is not the whole run's trace";
            draw_cleared(ref.form, s);
            continue;
        }
        const bool reset = s.t_ms == 0 && now == cleared;
        if (!reset && !trace_kept(ref.waves[i], now, cleared)) broken = "wave view lost its trace or gained a stray";
    }
    // Assigned in place: the same buffers serve every check.
    for (int i = 0; i < 2; ++i) ref.waves[i] = f.wave_s[i].screen();
    ref.state = s;
    ref.seen = true;
    return broken;
}

}  // namespace detail

// What must hold after every event; the empty string when it does.
inline std::string broken_invariant(Form1& f, Reference& ref) {
    const State& s = f.state;
    for (int i = 0; i < 2; ++i) {
        if (!whole(s.radius[i]) || s.radius[i] < 1 || s.radius[i] > 15) return "radius out of range";
        if (!whole(s.speed[i]) || s.speed[i] < 1 || s.speed[i] > 100) return "count out of range";
        if (f.value_r[i].Caption != plain_text(s.radius[i])) return "radius label";
        if (f.value_sp[i].Caption != plain_text(s.speed[i] / static_cast<float>(s.sp_unit))) return "count label";
    }
    if (!whole(s.t_ms) || s.t_ms < 0) return "time not a whole number of ms";
    if (s.t_step != 10 && s.t_step != 5 && s.t_step != 2) return "time step";
    if (s.sp_step != 10 && s.sp_step != 5 && s.sp_step != 1) return "count step";
    if (f.value_time.Caption != plain_text(s.t_ms / static_cast<float>(s.t_unit))) return "time label";

    // With the moving layer taken off (unless need_base says none is on
    // screen), the circle view must be exactly a fresh static layer, and each
    // wave view what the last event must have left on it.
    Form1& scratch = ref.form;
    scratch.state = s;
    scratch.state.need_base = true;
    get_circ(scratch);
    get_circ(scratch);
    if (!s.need_base) get_circ(f);
    const bool exact = f.b_circ.screen() == scratch.b_circ.screen();
    std::string wave = detail::broken_wave(f, ref);
    if (!s.need_base) get_circ(f);
    if (!exact) return "circle view is not a static layer plus one frame";
    return wave;
}

struct Failure {
    std::size_t at = 0;  // index of the event after which the invariant broke
    std::string what;
    bool failed() const { return !what.empty(); }
};

using Check = std::string (*)(Form1& f, Reference& reference);

// Plays the events on a freshly started window, checking after each one.
inline Failure play(const std::vector<int>& events, Check check = broken_invariant) {
    Started w;
    Reference reference;
    if (std::string what = check(w.form, reference); !what.empty()) return {0, what};
    for (std::size_t k = 0; k < events.size(); ++k) {
        all_events()[static_cast<std::size_t>(events[k])].handle(w.form);
        if (std::string what = check(w.form, reference); !what.empty()) return {k, what};
    }
    return {};
}

// The failing prefix, with every event left out that the failure does not need.
inline std::vector<int> shrink(std::vector<int> events, Check check = broken_invariant) {
    for (std::size_t chunk = events.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start + chunk <= events.size();) {
            std::vector<int> fewer(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(start));
            fewer.insert(fewer.end(), events.begin() + static_cast<std::ptrdiff_t>(start + chunk), events.end());
            if (const Failure f = play(fewer, check); f.failed()) {
                fewer.resize(f.at + 1);
                events = fewer;
            } else {
                start += chunk;
            }
        }
    }
    return events;
}

inline std::string describe(const std::vector<int>& events) {
    std::string text;
    for (const int e : events) text += std::string(text.empty() ? "" : ", ") + all_events()[e].name;
    return text;
}

}  // namespace af::testing
