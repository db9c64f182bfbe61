#include "app/narrator.h"

#include <algorithm>

#include "app/number_text.h"

namespace af {

namespace {

bool same_press(const Act& a, const Act& b) {
    return a.kind == b.kind && a.spinner.quantity == b.spinner.quantity && a.spinner.vector == b.spinner.vector &&
           a.direction == b.direction;
}

}  // namespace

std::string Narrator::begin(const State& s, const Act& act) const {
    return act.kind == Act::Kind::Run ? run_start_text(s) : std::string();
}

std::string Narrator::end(const State& before, const State& after, const Act& act) {
    if (act.kind == Act::Kind::Step && before == after) {
        // A refused press: said once, however often it is repeated.
        if (refused_ && same_press(*refused_, act)) return {};
        refused_ = act;
        return bound_text(after, act.spinner, act.direction);
    }
    refused_.reset();
    switch (act.kind) {
    case Act::Kind::Run:
        run_traced_ = true;
        reach_ms_ = static_cast<float>(after.t_span) * after.t_unit;
        return run_end_text(after);
    case Act::Kind::Reset:
        run_traced_ = false;
        reach_ms_ = 0;
        return "time 0, traces cleared";
    case Act::Kind::Option:
        return {};
    case Act::Kind::Step:
        break;
    }
    if (act.spinner.quantity == Quantity::Time) {
        reach_ms_ = std::max(reach_ms_, after.t_ms);
        return {};
    }
    // A new length or angular frequency starts the picture again.
    std::string said;
    if (before.t_ms != 0) said = "time back to 0";
    if (run_traced_ || reach_ms_ > 0) said += std::string(said.empty() ? "" : ", ") + "traces cleared";
    run_traced_ = false;
    reach_ms_ = 0;
    return said;
}

std::string Narrator::wave_description(const State& s, int vector) const {
    const float span_ms = static_cast<float>(s.t_span) * s.t_unit;
    std::string text;
    if (run_traced_) {
        text = sine_text(s, vector);
    } else {
        text = "amplitude " + plain_text(s.radius.at(vector)) + "; ";
        // Dots past the view's right edge are not on it.
        const float reach = std::min(reach_ms_, span_ms);
        text += reach > 0 ? "traced from 0 to " + plain_text(reach / s.t_unit) + " s" : "traced at 0 s only";
    }
    // After a run the marker is off until the next step.
    if (!s.need_base) text += "; " + marker_text(s, vector);
    return text;
}

}  // namespace af
