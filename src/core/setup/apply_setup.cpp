#include "core/setup/apply_setup.h"

#include <cmath>

#include "core/acts/apply.h"
#include "core/model/frame.h"
#include "core/model/step_rule.h"
#include "core/setup/setup_fields.h"

namespace af {

namespace {

// A length or an angular frequency, reached as the arrow's presses towards
// it would reach it; left alone where they do not reach it in whole steps.
// Each taken press starts the picture again from nothing, so only the last
// one shows: the presses before it only bring the value one step short, and
// it is put there at once.
void press_to(Model& m, StepTarget target, float value) {
    const StepRule rule = step_rule(m.state, target);
    const double presses = (static_cast<double>(value) - rule.value) / rule.step;
    if (rule.step <= 0 || presses == 0 || presses != std::floor(presses)) return;
    const Direction direction = presses > 0 ? Direction::Up : Direction::Down;
    StepRule last = rule;
    last.value = direction == Direction::Up ? value - rule.step : value + rule.step;
    // The bounds hold an interval: the value allowed, so is every one on the way.
    if (stepped(last, direction) != value) return;
    auto& values = target.quantity == Quantity::Length ? m.state.length : m.state.frequency;
    values.at(static_cast<std::size_t>(target.vector)) = last.value;
    apply(m, step_act(target, direction));
}

// Whether a trace dot at this time lies a whole view width past the right
// edge of every wave view, where no pen can reach back into it.
bool dots_past_the_views(const Model& m, float ms) {
    const float seconds = ms / static_cast<float>(kMsPerSecond);
    for (const Surface& wave : m.wave_views) {
        if (wave.device_x(seconds) < 2.0 * wave.width()) return false;
    }
    return true;
}

// The time, reached as the time arrow's presses from the time on show would
// reach it. Of the presses before the last, each takes the frame on show off
// and draws the next one: what stays is the trace dot of each, and those are
// set straight away, as a run nobody sees sets them, up to where they fall
// past the views. The last press is the arrow's own act. A time the arrow
// does not reach going up is left alone.
void press_time_to(Model& m, float target_ms) {
    State& s = m.state;
    const float step = s.time_step_ms;
    const double presses = (static_cast<double>(target_ms) - s.time_ms) / step;
    if (step <= 0 || presses < 1 || presses != std::floor(presses)) return;
    if (!stepped(step_rule(s, {Quantity::Time, 0}), Direction::Up)) return;
    if (presses > 1) {
        if (s.on_show == OnShow::Vectors) draw_frame(m);  // the frame on show, taken off
        const double from = s.time_ms;
        for (double k = 1; k < presses - 1; ++k) {
            const auto ms = static_cast<float>(from + k * step);
            if (dots_past_the_views(m, ms)) break;
            s.time_ms = ms;
            draw_frame_settled(m);
        }
        s.time_ms = static_cast<float>(from + (presses - 1) * step);
        draw_frame(m);  // on show for the last press to take off
    }
    apply(m, time_step_act(Direction::Up));
}

}  // namespace

void apply_setup(Model& m, const Setup& setup) {
    for (const auto& [quantity, step] : setup.steps) {
        if (const std::optional<Act> act = step_choice_act(quantity, step)) apply(m, *act);
    }
    for (const auto& [target, value] : setup.values) {
        if (target.quantity != Quantity::Time) press_to(m, target, value);
    }
    if (const std::optional<float> ms = setup.value({Quantity::Time, 0})) press_time_to(m, *ms);
}

}  // namespace af
