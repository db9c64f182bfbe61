#include "core/setup/value_grid.h"

#include <cmath>
#include <limits>

#include "core/model/step_rule.h"
#include "core/setup/decimal_text.h"

namespace af {

namespace {

// Every whole number up to here has a float of its own.
constexpr double kWholeFloatLimit = static_cast<double>(std::int64_t{1} << std::numeric_limits<float>::digits);

bool whole(double v) { return std::isfinite(v) && v == std::floor(v) && std::abs(v) <= kWholeFloatLimit; }

}  // namespace

ValueGrid value_grid(const State& s, StepTarget target) {
    const StepRule rule = step_rule(s, target);
    ValueGrid grid;
    grid.per_unit = units_per_shown(s, target.quantity);
    if (!whole(rule.value) || !whole(rule.step) || rule.step <= 0 || grid.per_unit <= 0) {
        grid.lowest = 1;  // holds nothing
        grid.highest = 0;
        return grid;
    }
    grid.step = static_cast<std::int64_t>(rule.step);
    const auto value = static_cast<std::int64_t>(rule.value);
    const double lowest = reach(rule, Direction::Down);
    const double highest = reach(rule, Direction::Up);
    grid.lowest = whole(lowest) ? static_cast<std::int64_t>(lowest) : value;
    if (whole(highest)) {
        grid.highest = static_cast<std::int64_t>(highest);
    } else {
        const auto limit = static_cast<std::int64_t>(kWholeFloatLimit);
        grid.highest = value <= limit ? value + (limit - value) / grid.step * grid.step : value;
    }
    return grid;
}

std::optional<std::int64_t> units_in(const State& s, StepTarget target) {
    const double value = step_rule(s, target).value;
    if (!whole(value)) return std::nullopt;
    return static_cast<std::int64_t>(value);
}

std::optional<std::string> value_text(const State& s, StepTarget target) {
    const std::optional<std::int64_t> units = units_in(s, target);
    if (!units) return std::nullopt;
    return units_text(*units, units_per_shown(s, target.quantity));
}

}  // namespace af
