#pragma once

#include <optional>
#include <string>

#include "app/accessible_text.h"
#include "app/state.h"

namespace af {

// One user action, as far as what is said about it goes.
struct Act {
    enum class Kind { Run, Reset, Option, Step };
    Kind kind = Kind::Option;
    Spinner spinner{};  // for Step
    Spin direction = Spin::Up;
};

// What a screen reader is told beyond the values of the controls: runs and
// resets, refused steps, restarts, and what the wave views hold. It keeps
// the little the state does not say: how far the traces reach.
class Narrator {
public:
    // Said as the act begins, before its handler runs.
    std::string begin(const State& s, const Act& act) const;
    // Said once the handler has returned; empty when the new value says it all.
    std::string end(const State& before, const State& after, const Act& act);
    // The next refused step is said again, even if it repeats the last.
    void focus_moved() { refused_.reset(); }

    std::string wave_description(const State& s, int vector) const;

private:
    bool run_traced_ = false;  // a whole run's trace is on the wave views
    float reach_ms_ = 0;       // the latest time a trace dot was set at
    std::optional<Act> refused_;
};

}  // namespace af
