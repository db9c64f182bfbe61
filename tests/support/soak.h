#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/acts/apply.h"
#include "core/acts/run.h"
#include "core/model/frame.h"
#include "core/model/control_input.h"
#include "core/model/layout.h"
#include "core/model/number_text.h"
#include "support/fake_host.h"

namespace af::testing {

// A soak setting from the environment, so a long run by hand can try other
// seeds and lengths; unset or empty, the fallback.
inline std::uint32_t env_number(const char* name, std::uint32_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : fallback;
}

// Every act a user can make, from the layout's rows (a spin control's two
// arrows), with how often the random sequences make it: time steps most,
// a run seldom, since it clears everything.
struct Event {
    std::string name;
    Act act;
    int weight;
    void handle(Model& m) const { apply(m, act); }
};

inline int weight_of(const Act& act) {
    switch (act.kind) {
    case Act::Kind::Run:
        return 1;
    case Act::Kind::Reset:
        return 3;
    case Act::Kind::Step:
        return act.target.quantity == Quantity::Time ? 40 : 20;
    case Act::Kind::ChooseTimeStep:
    case Act::Kind::ChooseFrequencyStep:
        break;
    }
    return 4;
}

inline const std::vector<Event>& all_events() {
    static const std::vector<Event> events = [] {
        std::vector<Event> all;
        for (const ControlSpec& c : window_layout()) {
            if (!c.act) continue;
            std::string name(c.name);
            if (c.kind == ControlKind::SpinControl) name.erase(name.rfind("_spin"));  // "r1 up"
            if (c.kind != ControlKind::SpinControl) {
                all.push_back({name, *c.act, weight_of(*c.act)});
                continue;
            }
            for (const auto& [part, word] : {std::pair{ControlPart::Up, " up"}, {ControlPart::Down, " down"}}) {
                const Act act = *control_act(c, part);
                all.push_back({name + word, act, weight_of(act)});
            }
        }
        return all;
    }();
    return events;
}

// An act as the window applies it: a run shown frame by frame.
inline void apply_shown(Model& m, const Act& act) {
    if (act.kind != Act::Kind::Run) {
        apply(m, act);
        return;
    }
    AnimationRun run(m);
    while (run.another()) run.step();
    run.end();
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

// Whether an option of the layout chooses that step.
inline bool offered(Act::Kind choice, std::int16_t step) {
    for (const ControlSpec& c : window_layout()) {
        if (c.kind == ControlKind::OptionButton && c.act && c.act->kind == choice && c.act->choice == step) return true;
    }
    return false;
}

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
inline void draw_cleared(Model& scratch, const State& s) {
    scratch.state = s;
    scratch.state.on_show = OnShow::Cleared;
    for (Surface& wave : scratch.wave_views) wave.clear();
    draw_frame_settled(scratch);
}

// ... and as a whole run leaves them: the axis and a dot at every step.
inline void draw_run(Model& scratch, const State& s) {
    draw_cleared(scratch, s);
    for (int ms = s.time_step_ms; ms <= kSpanSeconds * kMsPerSecond; ms += s.time_step_ms) {
        scratch.state.time_ms = static_cast<float>(ms);
        draw_frame_settled(scratch);
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
inline std::string broken_wave(Model& model, Reference& ref) {
    const State& s = model.state;
    const State& before = ref.state;
    const bool restarted = !ref.seen || s.length != before.length || s.frequency != before.frequency;
    std::string broken;
    draw_cleared(ref.model, s);
    for (int i = 0; i < 2 && broken.empty(); ++i) {
        const std::vector<std::uint32_t>& now = model.wave_views[i].screen();
        const std::vector<std::uint32_t>& cleared = ref.model.wave_views[i].screen();
        if (restarted) {
            if (now != cleared) broken = "wave view not cleared to its axis and one dot";
            continue;
        }
        if (s.on_show == OnShow::RunsEnd) {
            if (now == ref.waves[i]) continue;
            draw_run(ref.model, s);
            if (now != ref.model.wave_views[i].screen()) broken = "wave view is not the whole run's trace";
            draw_cleared(ref.model, s);
            continue;
        }
        const bool reset = s.time_ms == 0 && now == cleared;
        if (!reset && !trace_kept(ref.waves[i], now, cleared)) broken = "wave view lost its trace or gained a stray";
    }
    // Assigned in place: the same buffers serve every check.
    for (int i = 0; i < 2; ++i) ref.waves[i] = model.wave_views[i].screen();
    ref.state = s;
    ref.seen = true;
    return broken;
}

}  // namespace detail

// What must hold after every event; the empty string when it does.
inline std::string broken_invariant(Model& model, Reference& ref) {
    const State& s = model.state;
    for (int i = 0; i < 2; ++i) {
        if (!whole(s.length[i]) || s.length[i] < 1 || s.length[i] > 15) return "radius out of range";
        if (!whole(s.frequency[i]) || s.frequency[i] < 1 || s.frequency[i] > 100) return "count out of range";
        if (model.length_values[i].caption != plain_text(s.length[i])) return "radius label";
        if (model.frequency_values[i].caption != plain_text(s.frequency[i] / static_cast<float>(kCountsPerUnit))) return "count label";
    }
    if (!whole(s.time_ms) || s.time_ms < 0) return "time not a whole number of ms";
    if (!offered(Act::Kind::ChooseTimeStep, s.time_step_ms)) return "time step";
    if (!offered(Act::Kind::ChooseFrequencyStep, s.frequency_step)) return "count step";
    if (model.time_value.caption != plain_text(s.time_ms / static_cast<float>(kMsPerSecond))) return "time label";

    // With the moving layer taken off (where it is on screen), the circle view
    // must be exactly a fresh static layer, and each wave view what the last
    // event must have left on it.
    Model& scratch = ref.model;
    scratch.state = s;
    scratch.state.on_show = OnShow::Cleared;
    draw_frame(scratch);
    draw_frame(scratch);
    const bool vectors_on = s.on_show == OnShow::Vectors;
    if (vectors_on) draw_frame(model);
    const bool exact = model.circle_view.screen() == scratch.circle_view.screen();
    std::string wave = detail::broken_wave(model, ref);
    if (vectors_on) draw_frame(model);
    if (!exact) return "circle view is not a static layer plus one frame";
    return wave;
}

struct Failure {
    std::size_t at = 0;  // index of the event after which the invariant broke
    std::string what;
    bool failed() const { return !what.empty(); }
};

using Check = std::string (*)(Model& model, Reference& reference);

// Plays the events on a freshly started window, checking after each one.
inline Failure play(const std::vector<int>& events, Check check = broken_invariant) {
    Started w;
    Reference reference;
    if (std::string what = check(w.model, reference); !what.empty()) return {0, what};
    for (std::size_t k = 0; k < events.size(); ++k) {
        all_events()[static_cast<std::size_t>(events[k])].handle(w.model);
        if (std::string what = check(w.model, reference); !what.empty()) return {k, what};
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
