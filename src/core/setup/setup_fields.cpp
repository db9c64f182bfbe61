#include "core/setup/setup_fields.h"

#include "core/model/layout.h"
#include "core/model/model.h"

namespace af {

namespace {

using Kind = SetupField::Kind;

constexpr SetupField kFields[] = {
    {"r1", Kind::Value, {Quantity::Length, 0}},
    {"r2", Kind::Value, {Quantity::Length, 1}},
    {"omega1", Kind::Value, {Quantity::AngularFrequency, 0}},
    {"omega2", Kind::Value, {Quantity::AngularFrequency, 1}},
    {"time_step", Kind::TimeStep, {Quantity::Time, 0}},
    {"omega_step", Kind::FrequencyStep, {Quantity::AngularFrequency, 0}},
    {"t", Kind::Value, {Quantity::Time, 0}},
    {"lang", Kind::Language, {}},
    {"sound", Kind::Switch, {}},
    {"voice", Kind::Switch, {}},
};

}  // namespace

std::span<const SetupField> setup_fields() { return kFields; }

const SetupField* setup_field(std::string_view name) {
    for (const SetupField& field : kFields) {
        if (field.name == name) return &field;
    }
    return nullptr;
}

template <class S>
auto& value_slot(S& setup, StepTarget target) {
    switch (target.quantity) {
    case Quantity::Length:
        return setup.length.at(static_cast<std::size_t>(target.vector));
    case Quantity::AngularFrequency:
        return setup.frequency.at(static_cast<std::size_t>(target.vector));
    case Quantity::Time:
        break;
    }
    return setup.time_ms;
}

std::optional<bool>& switch_in(Setup& setup, std::string_view field) {
    return field == "voice" ? setup.voice : setup.sound;
}

std::optional<float>& value_in(Setup& setup, StepTarget target) { return value_slot(setup, target); }

const std::optional<float>& value_in(const Setup& setup, StepTarget target) { return value_slot(setup, target); }

std::vector<std::int16_t> step_choices(Kind kind) {
    const Act::Kind chooses = kind == Kind::TimeStep ? Act::Kind::ChooseTimeStep : Act::Kind::ChooseFrequencyStep;
    std::vector<std::int16_t> choices;
    if (kind != Kind::TimeStep && kind != Kind::FrequencyStep) return choices;
    for (const ControlSpec& control : window_layout()) {
        if (control.act && control.act->kind == chooses) choices.push_back(control.act->choice);
    }
    return choices;
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
