#pragma once

#include <optional>

#include "core/model/act.h"
#include "core/model/state.h"
#include "core/model/vocabulary.h"

namespace af {

// What one press of a spin control may do, written once: the acts take their
// steps from it and the spoken bounds read from it how far the steps reach.
// A new value must stay above `lowest` (or reach it, where that is allowed)
// and at most `highest`. All in the state's own units and single precision.
struct StepRule {
    float value = 0;  // now
    float step = 0;   // one press
    float lowest = 0;
    bool lowest_allowed = false;  // true: the value may be `lowest` itself
    float highest = 0;            // infinity where there is no upper bound
};

// Lengths stay within 0 < length <= kViewExtent, angular-frequency counts
// within 0 < count <= kMaxFrequency, and the time at or above 0 with no upper
// bound.
StepRule step_rule(const State& s, StepTarget target);

// The value one press in `direction` leads to; none where the press is refused.
std::optional<float> stepped(const StepRule& rule, Direction direction);

// How far presses in `direction` can go from the value: the last value
// reached before one is refused (the value itself where the first one is);
// infinity where no press is ever refused.
double reach(const StepRule& rule, Direction direction);

// The state's units of a quantity in one unit its label shows: ms in a
// second, counts in one π per second, and 1 for a length.
int units_per_shown(Quantity quantity);
// The same; the state no longer changes them.
int units_per_shown(const State& s, Quantity quantity);

// The quantity whose step a choice of step chooses: the time's or the
// angular frequency's; the time for an act that chooses none.
Quantity chosen_quantity(const Act& choice);

// The step a choice chooses, in the unit its label shows: 0.005 (seconds),
// 0.5 (π per second).
double chosen_step(const Act& choice);

}  // namespace af
