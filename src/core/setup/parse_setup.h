#pragma once

#include <span>
#include <string_view>

#include "core/language/language.h"
#include "core/setup/setup.h"

namespace af {

// Reads a setup from a page address (its query, without the fragment) or a
// bare query: "r2=5&omega2=6", "time_step=0.005&t=0.015". Each field is
// checked against the start state, the steps it chooses before the values on
// their grids: a value is taken when the spin arrows could reach it, within
// their bounds and in whole steps from the start value. Anything else is
// refused field by field, and the field keeps its start value: unknown and
// repeated fields, empty values, broken %-escapes, text that is no plain
// decimal number. A query over kLongestSetup characters is refused whole.
// The work is bounded by the length of the query.
// What is refused is said in `language`, each field by its name, or by its
// option where it is one of `named_by_option` (fields a command line gave
// as options: "--r1: ...").
ParsedSetup parse_setup(std::string_view query_or_address, const Language& language = Language(),
                        std::span<const std::string_view> named_by_option = {});

}  // namespace af
