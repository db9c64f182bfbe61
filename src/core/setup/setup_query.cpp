#include "core/setup/setup_query.h"

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
bool step_holds(const State& s, Kind kind, std::int16_t step) {
    State planned = start_state();
    if (kind == Kind::TimeStep) planned.time_step_ms = step;
    if (kind == Kind::FrequencyStep) planned.frequency_step = step;
    for (const SetupField& field : setup_fields()) {
        if (field.kind != Kind::Value) continue;
        const bool stepped = kind == Kind::TimeStep ? field.target.quantity == Quantity::Time
                                                    : field.target.quantity == Quantity::AngularFrequency;
        if (!stepped) continue;
        const std::optional<std::int64_t> units = units_in(s, field.target);
        if (!units || !value_grid(planned, field.target).holds(*units)) return false;
    }
    return true;
}

// The step to write: the state's own where it holds the values, else the
// coarsest option that does, else the state's own, the values it cannot
// hold being left out.
std::int16_t step_for(const State& s, Kind kind) {
    const std::int16_t own = kind == Kind::TimeStep ? s.time_step_ms : s.frequency_step;
    if (step_holds(s, kind, own)) return own;
    std::optional<std::int16_t> coarsest;
    for (const std::int16_t choice : step_choices(kind)) {
        if (step_holds(s, kind, choice) && (!coarsest || choice > *coarsest)) coarsest = choice;
    }
    return coarsest.value_or(own);
}

}  // namespace

std::string setup_query(const State& s, std::optional<std::string_view> lang, Switches on) {
    const State& start = start_state();
    const std::int16_t time_step = step_for(s, Kind::TimeStep);
    const std::int16_t frequency_step = step_for(s, Kind::FrequencyStep);
    const bool time_held = step_holds(s, Kind::TimeStep, time_step);
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
            if (field.target.quantity == Quantity::Time && !time_held) break;
            const std::optional<std::string> text = value_text(s, field.target);
            if (text && text != value_text(start, field.target)) write(field.name, *text);
            break;
        }
        case Kind::TimeStep:
        case Kind::FrequencyStep: {
            const std::int16_t step = field.kind == Kind::TimeStep ? time_step : frequency_step;
            const std::int16_t start_step = field.kind == Kind::TimeStep ? start.time_step_ms : start.frequency_step;
            if (step != start_step) write(field.name, units_text(step, units_per_shown(start, field.target.quantity)));
            break;
        }
        case Kind::Language:
            if (lang && is_language_tag(*lang)) write(field.name, std::string(*lang));
            break;
        case Kind::Switch:
            if (field.name == "voice" ? on.voice : on.sound) write(field.name, "on");
            break;
        }
    }
    return query;
}

std::string picture_file_name(const State& s) {
    std::string name = "angular-frequency";
    for (const SetupField& field : setup_fields()) {
        if (field.kind != Kind::Value) continue;
        const bool shown = field.target.quantity != Quantity::Time || s.time_ms != 0;
        const std::optional<std::string> text = value_text(s, field.target);
        if (shown && text) name += "-" + std::string(field.name) + "-" + *text;
    }
    return name + ".png";
}

}  // namespace af
