#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/model/state.h"
#include "core/setup/setup.h"

namespace af {

// The setup that opens the program at this state, as a query: only the
// fields that differ from the start state, numbers in their shortest form
// with a decimal point ("r2=5&omega2=6&t=0.25"). A step is written where the
// values need it: the state's own step when they lie on its grid, else the
// coarsest option that holds them. A time that no single time step reaches
// (5 ms, then steps of 2) is left out, and so is a language that is no tag.
// The switches named in `switched_on` (by their fields' names) are written
// "sound=on"; off is how every switch starts.
std::string setup_query(const State& s, std::optional<std::string_view> lang = std::nullopt,
                        std::span<const std::string_view> switched_on = {});

// A setup as a query, its fields in the settings table's order, so that
// parse_setup reads it back to the same setup.
std::string setup_query(const Setup& setup);

// A name for a picture of this state that says what it shows:
// "angular-frequency-r1-10-r2-10-omega1-2-omega2-4.png", with "-t-0.25"
// before the ending where the time is not 0.
std::string picture_file_name(const State& s);

}  // namespace af
