#include "core/model/step_rule.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace af {

namespace {

bool allowed(const StepRule& rule, float candidate) {
    const bool above = rule.lowest_allowed ? candidate >= rule.lowest : candidate > rule.lowest;
    return above && candidate <= rule.highest;
}

}  // namespace

StepRule step_rule(const State& s, StepTarget target) {
    const int i = target.vector;
    constexpr float kNoBound = std::numeric_limits<float>::infinity();
    switch (target.quantity) {
    case Quantity::Length:
        return {s.length.at(i), static_cast<float>(kLengthStep), 0, false, static_cast<float>(kViewExtent)};
    case Quantity::AngularFrequency:
        return {s.frequency.at(i), static_cast<float>(s.frequency_step), 0, false, static_cast<float>(kMaxFrequency)};
    case Quantity::Time:
        break;
    }
    return {s.time_ms, static_cast<float>(s.time_step_ms), 0, true, kNoBound};
}

std::optional<float> stepped(const StepRule& rule, Direction direction) {
    const float candidate = direction == Direction::Up ? rule.value + rule.step : rule.value - rule.step;
    if (!allowed(rule, candidate)) return std::nullopt;
    return candidate;
}

double reach(const StepRule& rule, Direction direction) {
    if (rule.step <= 0) return rule.value;
    const double sign = direction == Direction::Up ? 1.0 : -1.0;
    const double limit = direction == Direction::Up ? rule.highest : rule.lowest;
    if (std::isinf(limit)) return limit;
    // Whole presses up to the bound, then settled against the rule itself so
    // that a press the rule refuses is never counted.
    double presses = std::max(0.0, std::floor(std::abs(limit - rule.value) / rule.step));
    const auto value_after = [&](double n) { return static_cast<float>(rule.value + sign * n * rule.step); };
    while (presses > 0 && !allowed(rule, value_after(presses))) presses -= 1;
    while (allowed(rule, value_after(presses + 1))) presses += 1;
    return value_after(presses);
}

int units_per_shown(Quantity quantity) {
    switch (quantity) {
    case Quantity::Time:
        return kMsPerSecond;
    case Quantity::AngularFrequency:
        return kCountsPerUnit;
    case Quantity::Length:
        break;
    }
    return 1;
}

int units_per_shown(const State&, Quantity quantity) { return units_per_shown(quantity); }

Quantity chosen_quantity(const Act& choice) {
    return choice.kind == Act::Kind::ChooseFrequencyStep ? Quantity::AngularFrequency : Quantity::Time;
}

double chosen_step(const Act& choice) {
    return static_cast<double>(choice.choice) / units_per_shown(chosen_quantity(choice));
}

}  // namespace af
