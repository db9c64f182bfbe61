#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/model/state.h"
#include "core/model/vocabulary.h"
#include "core/setup/setup.h"

namespace af {

// The fields of a setup, by the name a query gives them.
struct SetupField {
    enum class Kind : std::uint8_t { Value, TimeStep, FrequencyStep, Language, Switch };
    std::string_view name;
    Kind kind;
    StepTarget target{};  // a value: the spin control it sets; a step: the quantity it steps
};

// Every field, in the order a setup is written.
std::span<const SetupField> setup_fields();

// The field of that name; none for a name that is no field.
const SetupField* setup_field(std::string_view name);

// The switch's place in a Setup; only for a switch.
std::optional<bool>& switch_in(Setup& setup, std::string_view field);

// The field's place in a Setup; only for a value.
std::optional<float>& value_in(Setup& setup, StepTarget target);
const std::optional<float>& value_in(const Setup& setup, StepTarget target);

// The choices of a step field as its option buttons make them, in the
// state's units: ms for the time step, counts for the angular-frequency step.
std::vector<std::int16_t> step_choices(SetupField::Kind kind);

// The state a setup starts from and is checked against: the one start-up gives.
const State& start_state();

}  // namespace af
