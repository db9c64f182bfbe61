#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace af {

// Numbers as a setup writes them, in the unit a label shows, with a decimal
// point in every language: digits, then optionally a point and more digits
// ("15", "0.5", "0.015"). No sign, exponent, blank or grouping.

// The number as a whole count of the state's units, `per_unit` of them to one
// shown unit: ("0.015", 1000) gives 15. None for any other text, for a value
// that is no whole count, and past 9 digits before the point or after it.
std::optional<std::int64_t> whole_units(std::string_view text, std::int64_t per_unit);

// The shortest such text of `units` / `per_unit`: (16777216, 1000) gives
// "16777.216", (20, 10) "2". A fraction that does not end within 9 digits is
// cut there.
std::string units_text(std::int64_t units, std::int64_t per_unit);

}  // namespace af
