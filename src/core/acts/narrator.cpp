#include "core/acts/narrator.h"

#include <algorithm>

namespace af {

std::string Narrator::begin(const State& s, const Act& act) const {
    return act.kind == Act::Kind::Run ? run_start_text(s, language_) : std::string();
}

std::string Narrator::end(const State& before, const State& after, const Act& act, const ActResult& result) {
    if (!result.taken) {
        // A refused press: said once, however often it is repeated.
        if (refused_ == act) return {};
        refused_ = act;
        return bound_text(after, act.target, act.direction, language_);
    }
    refused_.reset();
    switch (act.kind) {
    case Act::Kind::Run:
        reach_ = {true, static_cast<float>(kSpanSeconds) * kMsPerSecond};
        return run_end_text(after, language_);
    case Act::Kind::Reset:
        reach_ = {};
        return reset_text(language_);
    case Act::Kind::ChooseTimeStep:
    case Act::Kind::ChooseFrequencyStep:
        return {};
    case Act::Kind::Step:
        break;
    }
    if (!result.cleared) {
        reach_.latest_ms = std::max(reach_.latest_ms, after.time_ms);
        return {};
    }
    // A new length or angular frequency starts the picture again.
    const bool traces = reach_.whole_run || reach_.latest_ms > 0;
    reach_ = {};
    return restart_text(before.time_ms != 0, traces, language_);
}

std::string Narrator::wave_description(const State& s, int vector) const {
    return af::wave_description(s, vector, reach_, language_);
}

std::array<std::pair<std::string_view, std::string>, 3> Narrator::view_descriptions(const State& s) const {
    return {{{view_control(0).name, circle_description(s, language_)},
             {view_control(1).name, wave_description(s, 0)},
             {view_control(2).name, wave_description(s, 1)}}};
}

}  // namespace af
