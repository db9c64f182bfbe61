#include "core/setup/setup_fields.h"

#include "core/language/language.h"
#include "core/model/layout.h"
#include "core/model/model.h"

namespace af {

namespace {

using Kind = SetupField::Kind;

// clang-format off
constexpr SetupField kFields[] = {
    // TRANSLATORS: --help's line for a setting; {lowest} and {highest} are numbers, as typed.
    {"r1", "--r1", "LENGTH", N_("length of vector 1, a whole number from {lowest} to {highest}"), Kind::Value, "r1_spin"},
    // TRANSLATORS: --help's line for a setting; {lowest} and {highest} are numbers, as typed.
    {"r2", "--r2", "LENGTH", N_("length of vector 2, a whole number from {lowest} to {highest}"), Kind::Value, "r2_spin"},
    // TRANSLATORS: --help's line for a setting; N is the value as typed, {step} the option that sets the step.
    {"omega1", "--omega1", "N", N_("angular frequency of vector 1, N pi per second, from {lowest} to {highest} in steps of {step}"),
     Kind::Value, "omega1_spin"},
    // TRANSLATORS: --help's line for a setting; N is the value as typed, {step} the option that sets the step.
    {"omega2", "--omega2", "N", N_("angular frequency of vector 2, N pi per second, from {lowest} to {highest} in steps of {step}"),
     Kind::Value, "omega2_spin"},
    // TRANSLATORS: --help's line for a setting; {choices} as in "0.01, 0.005 or 0.002".
    {"time_step", "--time-step", "SECONDS", N_("the time step: {choices}"), Kind::Step, "time_step_group"},
    // TRANSLATORS: --help's line for a setting; {choices} as in "1, 0.5 or 0.1".
    {"omega_step", "--omega-step", "STEP", N_("the angular-frequency step: {choices}"), Kind::Step, "omega_step_group"},
    // TRANSLATORS: --help's line for a setting; {step} is the option that sets the time step.
    {"t", "--time", "SECONDS", N_("the time on show, from {lowest} in steps of {step}"), Kind::Value, "time_spin"},
    // TRANSLATORS: --help's line for a setting; {languages} as in "de, es, fr or ja".
    {"lang", "--lang", "TAG", N_("the language, such as {languages}"), Kind::Language, ""},
    // TRANSLATORS: --help's line for a setting; {choices} is "on or off", as typed.
    {"sound", "--sound", "on|off", N_("hear each vector's height as a tone during a run: {choices}, on where the value is left out"),
     Kind::Switch, "sound_button"},
    // TRANSLATORS: --help's line for a setting; {choices} is "on or off", as typed.
    {"voice", "--voice", "on|off", N_("speak what a screen reader is told, in a voice of the language: {choices}, on where the value is left out"),
     Kind::Switch, "voice_button"},
};
// clang-format on

// The acts of a group's option buttons, in the order they stand.
std::vector<Act> option_acts(std::string_view group) {
    std::vector<Act> acts;
    for (const ControlSpec& control : window_layout()) {
        if (control.parent == group && control.kind == ControlKind::OptionButton && control.act) {
            acts.push_back(*control.act);
        }
    }
    return acts;
}

Quantity chosen_for(Act::Kind kind) {
    return kind == Act::Kind::ChooseTimeStep ? Quantity::Time : Quantity::AngularFrequency;
}

}  // namespace

std::span<const SetupField> setup_fields() { return kFields; }

const SetupField* setup_field(std::string_view name) {
    for (const SetupField& field : kFields) {
        if (field.name == name) return &field;
    }
    return nullptr;
}

StepTarget value_target(const SetupField& field) {
    const ControlSpec* spin = layout_control(field.control);
    return spin && spin->act ? spin->act->target : StepTarget{};
}

Quantity stepped_quantity(const SetupField& field) {
    const std::vector<Act> acts = option_acts(field.control);
    return acts.empty() ? Quantity::Time : chosen_for(acts.front().kind);
}

const SetupField* step_field_of(Quantity quantity) {
    for (const SetupField& field : kFields) {
        if (field.kind == Kind::Step && stepped_quantity(field) == quantity) return &field;
    }
    return nullptr;
}

std::vector<std::int16_t> step_choices(const SetupField& field) {
    std::vector<std::int16_t> choices;
    if (field.kind != Kind::Step) return choices;
    for (const Act& act : option_acts(field.control)) choices.push_back(act.choice);
    return choices;
}

std::optional<Act> step_choice_act(Quantity quantity, std::int16_t choice) {
    const SetupField* field = step_field_of(quantity);
    if (!field) return std::nullopt;
    for (const Act& act : option_acts(field->control)) {
        if (act.choice == choice) return act;
    }
    return std::nullopt;
}

std::int16_t& step_in(State& s, Quantity quantity) {
    return quantity == Quantity::Time ? s.time_step_ms : s.frequency_step;
}

std::int16_t step_in(const State& s, Quantity quantity) {
    return quantity == Quantity::Time ? s.time_step_ms : s.frequency_step;
}

const State& start_state() {
    static const State start = [] {
        SizeOnlyWindow window;
        Model model(window);
        start_up(model);
        return model.state;
    }();
    return start;
}

}  // namespace af
