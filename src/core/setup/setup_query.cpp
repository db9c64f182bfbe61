#include "core/setup/setup_query.h"

#include <algorithm>
#include <vector>

#include "core/model/step_rule.h"
#include "core/setup/decimal_text.h"
#include "core/setup/language_tag.h"
#include "core/setup/setup_fields.h"
#include "core/setup/value_grid.h"

namespace af {

namespace {

using Kind = SetupField::Kind;

// Whether every value the step applies to lies on the grid the step draws
// from the start values.
bool step_holds(const State& s, Quantity quantity, std::int16_t step) {
    State planned = start_state();
    step_in(planned, quantity) = step;
    for (const SetupField& field : setup_fields()) {
        if (field.kind != Kind::Value || value_target(field).quantity != quantity) continue;
        const std::optional<std::int64_t> units = units_in(s, value_target(field));
        if (!units || !value_grid(planned, value_target(field)).holds(*units)) return false;
    }
    return true;
}

// The step to write: the state's own where it holds the values, else the
// coarsest option that does, else the state's own, the values it cannot
// hold being left out.
std::int16_t step_for(const State& s, const SetupField& field) {
    const Quantity quantity = stepped_quantity(field);
    const std::int16_t own = step_in(s, quantity);
    if (step_holds(s, quantity, own)) return own;
    std::optional<std::int16_t> coarsest;
    for (const std::int16_t choice : step_choices(field)) {
        if (step_holds(s, quantity, choice) && (!coarsest || choice > *coarsest)) coarsest = choice;
    }
    return coarsest.value_or(own);
}

// The setup that brings the start state to this one.
Setup setup_of(const State& s, std::optional<std::string_view> lang, std::span<const std::string_view> switched_on) {
    const State& start = start_state();
    Setup setup;
    std::vector<Quantity> unheld;  // quantities whose values no step writes
    for (const SetupField& field : setup_fields()) {
        if (field.kind != Kind::Step) continue;
        const Quantity quantity = stepped_quantity(field);
        const std::int16_t step = step_for(s, field);
        if (step != step_in(start, quantity)) setup.steps.emplace_back(quantity, step);
        if (!step_holds(s, quantity, step)) unheld.push_back(quantity);
    }
    for (const SetupField& field : setup_fields()) {
        if (field.kind != Kind::Value) continue;
        const StepTarget target = value_target(field);
        if (std::find(unheld.begin(), unheld.end(), target.quantity) != unheld.end()) continue;
        const std::optional<std::int64_t> units = units_in(s, target);
        if (units && units != units_in(start, target)) setup.values.emplace_back(target, static_cast<float>(*units));
    }
    if (lang && is_language_tag(*lang)) setup.lang = std::string(*lang);
    for (const SetupField& field : setup_fields()) {
        const bool on = std::find(switched_on.begin(), switched_on.end(), field.name) != switched_on.end();
        if (field.kind == Kind::Switch && on) setup.switches.emplace_back(field.name, true);
    }
    return setup;
}

}  // namespace

std::string setup_query(const Setup& setup) {
    const State& start = start_state();
    std::string query;
    const auto write = [&query](std::string_view name, const std::string& value) {
        query += query.empty() ? "" : "&";
        query += name;
        query += '=';
        query += value;
    };
    for (const SetupField& field : setup_fields()) {
        switch (field.kind) {
        case Kind::Value: {
            const StepTarget target = value_target(field);
            if (const std::optional<float> value = setup.value(target)) {
                write(field.name, units_text(static_cast<std::int64_t>(*value), units_per_shown(start, target.quantity)));
            }
            break;
        }
        case Kind::Step: {
            const Quantity quantity = stepped_quantity(field);
            if (const std::optional<std::int16_t> step = setup.step(quantity)) {
                write(field.name, units_text(*step, units_per_shown(start, quantity)));
            }
            break;
        }
        case Kind::Language:
            if (setup.lang && is_language_tag(*setup.lang)) write(field.name, *setup.lang);
            break;
        case Kind::Switch:
            if (const std::optional<bool> on = setup.switched(field.name)) {
                write(field.name, std::string(*on ? kSwitchOn : kSwitchOff));
            }
            break;
        }
    }
    return query;
}

std::string setup_query(const State& s, std::optional<std::string_view> lang, std::span<const std::string_view> switched_on) {
    return setup_query(setup_of(s, lang, switched_on));
}

std::string picture_file_name(const State& s) {
    std::string name = "angular-frequency";
    for (const SetupField& field : setup_fields()) {
        if (field.kind != Kind::Value) continue;
        const StepTarget target = value_target(field);
        const bool shown = target.quantity != Quantity::Time || s.time_ms != 0;
        const std::optional<std::string> text = value_text(s, target);
        if (shown && text) name += "-" + std::string(field.name) + "-" + *text;
    }
    return name + ".png";
}

}  // namespace af
