#include "core/setup/parse_setup.h"

#include <algorithm>
#include <span>
#include <string>

#include "core/model/step_rule.h"
#include "core/setup/decimal_text.h"
#include "core/setup/language_tag.h"
#include "core/setup/query_fields.h"
#include "core/setup/setup_fields.h"
#include "core/setup/setup_text.h"
#include "core/setup/value_grid.h"

namespace af {

namespace {

using Kind = SetupField::Kind;

// A name that is no field, as a message may repeat it: plain characters, the
// rest (and a name left empty) as '?', and not too long to read.
std::string shown_name(const QueryField& piece) {
    constexpr std::size_t kLongestShown = 24;
    const std::string_view name = piece.name ? std::string_view(*piece.name) : piece.raw_name;
    std::string shown;
    for (const char c : name.substr(0, kLongestShown)) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                           c == '-' || c == '.';
        shown += plain ? c : '?';
    }
    if (name.size() > kLongestShown) shown += "...";
    return shown.empty() ? "?" : shown;
}

struct Refusals {
    const Language& language;  // what the sentences are said in
    std::span<const std::string_view> named_by_option;

    // A field as the user gave it: by its option where it came as one.
    std::string_view shown(const SetupField& field) const {
        const bool option = std::find(named_by_option.begin(), named_by_option.end(), field.name) != named_by_option.end();
        return option ? field.option : field.name;
    }
    std::vector<std::pair<std::size_t, SetupRefusal>> at;  // with the place of the piece it names

    void add(std::size_t place, std::string_view field, std::string message) {
        at.push_back({place, {std::string(field), std::move(message)}});
    }
    std::vector<SetupRefusal> in_query_order() {
        std::stable_sort(at.begin(), at.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<SetupRefusal> refused;
        for (auto& [place, refusal] : at) refused.push_back(std::move(refusal));
        return refused;
    }
};

// The one piece given for each field, after unknown and repeated ones are refused.
struct Given {
    const QueryField* piece = nullptr;
    std::size_t place = 0;
    int times = 0;
};

std::vector<std::string_view> field_names() {
    std::vector<std::string_view> names;
    for (const SetupField& field : setup_fields()) names.push_back(field.name);
    return names;
}

// A step as one of its option buttons chooses it; stored in the state that
// the values are then checked against.
bool take_step(const SetupField& field, const std::string& value, Setup& setup, State& planned) {
    const Quantity quantity = stepped_quantity(field);
    const std::optional<std::int64_t> units = whole_units(value, units_per_shown(planned, quantity));
    if (!units) return false;
    for (const std::int16_t choice : step_choices(field)) {
        if (*units != choice) continue;
        setup.steps.emplace_back(quantity, choice);
        step_in(planned, quantity) = choice;
        return true;
    }
    return false;
}

std::string step_refusal(const SetupField& field, std::string_view shown, const State& planned,
                         const Language& language) {
    std::vector<std::string> choices;
    for (const std::int16_t choice : step_choices(field)) {
        choices.push_back(units_text(choice, units_per_shown(planned, stepped_quantity(field))));
    }
    return not_a_choice_text(shown, choices, language);
}

// Takes the field's value into the setup, or refuses it with what it must be.
void take_field(const SetupField& field, const Given& given, ParsedSetup& parsed, State& planned, Refusals& refusals) {
    const std::optional<std::string>& value = given.piece->value;
    const std::string_view shown = refusals.shown(field);
    switch (field.kind) {
    case Kind::Step:
        if (!value || !take_step(field, *value, parsed.setup, planned)) {
            refusals.add(given.place, field.name, step_refusal(field, shown, planned, refusals.language));
        }
        return;
    case Kind::Value: {
        const StepTarget target = value_target(field);
        const ValueGrid grid = value_grid(planned, target);
        const std::optional<std::int64_t> units = value ? whole_units(*value, grid.per_unit) : std::nullopt;
        if (units && grid.holds(*units)) {
            parsed.setup.values.emplace_back(target, static_cast<float>(*units));
        } else {
            refusals.add(given.place, field.name, outside_grid_text(shown, grid, refusals.language));
        }
        return;
    }
    case Kind::Switch:
        if (value && (*value == kSwitchOn || *value == kSwitchOff)) {
            parsed.setup.switches.emplace_back(field.name, *value == kSwitchOn);
        } else {
            const std::vector<std::string> choices{std::string(kSwitchOn), std::string(kSwitchOff)};
            refusals.add(given.place, field.name, not_a_choice_text(shown, choices, refusals.language));
        }
        return;
    case Kind::Language:
        if (value && is_language_tag(*value)) {
            parsed.setup.lang = *value;
        } else {
            refusals.add(given.place, field.name, not_a_language_text(shown, refusals.language));
        }
        return;
    }
}

// The one piece of each field, by the field's place in setup_fields(); an
// unknown name is refused where it first shows, a repeated field where it
// first shows and then left out.
std::vector<Given> given_fields(const std::vector<QueryField>& pieces, Refusals& refusals) {
    const std::span<const SetupField> fields = setup_fields();
    std::vector<Given> given(fields.size());
    std::vector<std::string> unknown;
    for (std::size_t place = 0; place < pieces.size(); ++place) {
        const QueryField& piece = pieces[place];
        if (const SetupField* field = piece.name ? setup_field(*piece.name) : nullptr) {
            Given& g = given[static_cast<std::size_t>(field - fields.data())];
            if (g.times++ == 0) {
                g.piece = &piece;
                g.place = place;
            }
            continue;
        }
        std::string name = shown_name(piece);
        if (std::find(unknown.begin(), unknown.end(), name) != unknown.end()) continue;
        refusals.add(place, name, unknown_text(name, field_names(), refusals.language));
        unknown.push_back(std::move(name));
    }
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (given[k].times < 2) continue;
        refusals.add(given[k].place, fields[k].name, repeated_text(refusals.shown(fields[k]), refusals.language));
        given[k].piece = nullptr;
    }
    return given;
}

}  // namespace

ParsedSetup parse_setup(std::string_view query_or_address, const Language& language,
                        std::span<const std::string_view> named_by_option) {
    ParsedSetup parsed;
    const std::string_view query = query_of(query_or_address);
    if (query.size() > kLongestSetup) {
        parsed.refused.push_back({"", too_long_text(kLongestSetup, language)});
        return parsed;
    }
    const std::vector<QueryField> pieces = query_fields(query);
    Refusals refusals{language, named_by_option, {}};
    const std::vector<Given> given = given_fields(pieces, refusals);

    // The steps first: the values are checked on the grids they draw.
    const std::span<const SetupField> fields = setup_fields();
    State planned = start_state();
    for (const bool steps : {true, false}) {
        for (std::size_t k = 0; k < fields.size(); ++k) {
            const bool is_step = fields[k].kind == Kind::Step;
            if (is_step == steps && given[k].piece) take_field(fields[k], given[k], parsed, planned, refusals);
        }
    }
    parsed.refused = refusals.in_query_order();
    return parsed;
}

}  // namespace af
