#include "core/acts/apply.h"

#include "core/acts/run.h"
#include "core/model/frame.h"
#include "core/model/step_rule.h"

namespace af {

namespace {

// Back to t = 0 with the traces cleared, drawn afresh.
void restart_picture(Model& m) {
    clear_views(m);
    m.state.time_ms = 0;
    show_time(m);
    draw_frame(m);
}

// A step of the time keeps the traces: the moving layer for the old time is
// taken off (where it is on screen) and drawn for the new one.
void step_time(Model& m, float new_ms) {
    State& s = m.state;
    if (s.on_show == OnShow::Vectors) draw_frame(m);
    s.time_ms = new_ms;
    show_time(m);
    draw_frame(m);
}

// A new length or angular frequency starts the picture again at t = 0.
void step_vector(Model& m, StepTarget target, float new_value) {
    const int i = target.vector;
    if (target.quantity == Quantity::Length) {
        m.state.length.at(i) = new_value;
        show_length(m, i);
    } else {
        m.state.frequency.at(i) = new_value;
        show_frequency(m, i);
    }
    restart_picture(m);
}

ActResult step(Model& m, const Act& act) {
    const std::optional<float> next = stepped(step_rule(m.state, act.target), act.direction);
    if (!next) return {false, false};
    if (act.target.quantity == Quantity::Time) {
        step_time(m, *next);
        return {true, false};
    }
    step_vector(m, act.target, *next);
    return {true, true};
}

}  // namespace

ActResult apply(Model& m, const Act& act) {
    switch (act.kind) {
    case Act::Kind::Run: {
        AnimationRun run(m, AnimationRun::Frames::Unseen);
        while (run.another()) run.step();
        run.end();
        return {true, true};
    }
    case Act::Kind::Reset:
        restart_picture(m);
        return {true, true};
    case Act::Kind::Step:
        return step(m, act);
    case Act::Kind::ChooseTimeStep:
        // A choice only stores the step; the next reader picks it up.
        m.state.time_step_ms = act.choice;
        return {true, false};
    case Act::Kind::ChooseFrequencyStep:
        m.state.frequency_step = act.choice;
        return {true, false};
    }
    return {false, false};
}

}  // namespace af
