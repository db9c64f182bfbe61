#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/model/act.h"
#include "core/model/state.h"
#include "core/model/vocabulary.h"

namespace af {

// One setting of a lesson's setup, as the page's address and the command
// line both take it: the whole description of it, from which the address's
// reader, the options, --help and the manual page follow. What it allows
// is not written here: a value takes what its spin control's arrows reach,
// a step the choices of its option buttons, a switch on or off.
struct SetupField {
    enum class Kind : std::uint8_t { Value, Step, Language, Switch };
    std::string_view name;        // in a query: "r1", "time_step"
    std::string_view option;      // on the command line: "--r1", "--time-step"
    std::string_view value_name;  // what --help calls its value: "LENGTH"
    // --help's line, a message of the catalogues; it may say {lowest},
    // {highest} (the bounds of the value's grid, over every step), {step}
    // (the option of the step that governs it), {choices} and {languages}.
    std::string_view help;
    Kind kind;
    // A value: its spin control; a step: its group of option buttons; a
    // switch: the control that turns it on and off (the extras' control).
    std::string_view control;
};

// A switch's value as typed; an option of a switch given alone turns it on.
inline constexpr std::string_view kSwitchOn = "on";
inline constexpr std::string_view kSwitchOff = "off";

// Every field, in the order a setup is written.
std::span<const SetupField> setup_fields();

// The field of that name; none for a name that is no field.
const SetupField* setup_field(std::string_view name);

// What a value field sets, as its spin control's act steps it.
StepTarget value_target(const SetupField& field);

// The quantity a step field steps, as its options' acts choose it.
Quantity stepped_quantity(const SetupField& field);

// The step field that governs a quantity's presses; none where the step is fixed.
const SetupField* step_field_of(Quantity quantity);

// The choices of a step field, in the order its option buttons stand, in
// the state's units: ms for the time step, counts for the angular-frequency
// step; and the act of the option that chooses one.
std::vector<std::int16_t> step_choices(const SetupField& field);
std::optional<Act> step_choice_act(Quantity quantity, std::int16_t choice);

// The state's step for the presses of a quantity that a step field steps.
std::int16_t& step_in(State& s, Quantity quantity);
std::int16_t step_in(const State& s, Quantity quantity);

// The state a setup starts from and is checked against: the one start-up gives.
const State& start_state();

}  // namespace af
