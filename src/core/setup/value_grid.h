#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/model/state.h"
#include "core/model/vocabulary.h"

namespace af {

// The values a spin control takes in a setup: those its arrows reach from the
// value in the state, with the step in force, before a press is refused. All
// in whole units of the state (lengths, counts, ms); `per_unit` of them make
// one unit its label shows.
struct ValueGrid {
    std::int64_t lowest = 0;
    std::int64_t highest = 0;
    std::int64_t step = 1;
    std::int64_t per_unit = 1;

    bool holds(std::int64_t units) const { return units >= lowest && units <= highest && (units - lowest) % step == 0; }
};

// The grid as the step rule draws it. The time has no upper bound there; it
// ends where its float stops holding every whole millisecond (2^24 ms, about
// 4.7 hours), beyond which the arrows' sums would round.
ValueGrid value_grid(const State& s, StepTarget target);

// The quantity's value in the state as whole units; none where it is not whole.
std::optional<std::int64_t> units_in(const State& s, StepTarget target);

// The quantity's value as a setup writes it: "2.5", "0.015"; none where it is
// not a whole number of units.
std::optional<std::string> value_text(const State& s, StepTarget target);

}  // namespace af
