#include "core/setup/setup_text.h"

#include "core/model/number_text.h"
#include "core/setup/decimal_text.h"

namespace af {

namespace {

// A sentence about a field, behind the field's name.
std::string field_text(std::string_view field, const std::string& rule, const Language& l) {
    // TRANSLATORS: a setting of a link or command line that was not used, {field} its name as typed
    // ("r1", "omega2"), {rule} one of the sentences below saying what it allows.
    return fill(translate(l, "{field}: {rule}"), {{"field", field}, {"rule", rule}});
}

// "a, b or c" for choices, "a, b and c" for all.
template <class Item>
std::string listed(const std::vector<Item>& items, bool choices, const Language& l) {
    std::string text;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (k + 1 == items.size() && k > 0) {
            // TRANSLATORS: joins the last two of a list of choices: "0.01, 0.005 or 0.002".
            const std::string_view or_joint = translate(l, "{list} or {last}");
            // TRANSLATORS: joins the last two of a list of all settings: "r1, r2 and lang".
            const std::string_view and_joint = translate(l, "{list} and {last}");
            return fill(choices ? or_joint : and_joint, {{"list", text}, {"last", std::string_view(items[k])}});
        }
        if (k == 0) {
            text = items[k];
        } else {
            // TRANSLATORS: adds one more to a list of choices or settings: "0.01, 0.005" and
            // then "r1, r2, omega1"; the last of them is joined by the sentence below instead.
            text = fill(translate(l, "{list}, {next}"), {{"list", text}, {"next", std::string_view(items[k])}});
        }
    }
    return text;
}

}  // namespace

std::string outside_grid_text(std::string_view field, const ValueGrid& grid, const Language& l) {
    const std::string lowest = units_text(grid.lowest, grid.per_unit);
    const std::string highest = units_text(grid.highest, grid.per_unit);
    const bool whole_numbers = grid.step == grid.per_unit && grid.lowest % grid.per_unit == 0;
    if (whole_numbers) {
        // TRANSLATORS: what a setting allows; the numbers are written with a decimal point, as in a link.
        return field_text(field, fill(translate(l, "must be a whole number from {lowest} to {highest}"),
                                      {{"lowest", lowest}, {"highest", highest}}), l);
    }
    // TRANSLATORS: what a setting allows; the numbers are written with a decimal point, as in a link.
    return field_text(field, fill(translate(l, "must be a number from {lowest} to {highest} in steps of {step}"),
                                  {{"lowest", lowest}, {"highest", highest}, {"step", units_text(grid.step, grid.per_unit)}}),
                      l);
}

std::string not_a_choice_text(std::string_view field, const std::vector<std::string>& choices, const Language& l) {
    // TRANSLATORS: what a step setting allows, {choices} as in "0.01, 0.005 or 0.002".
    return field_text(field, fill(translate(l, "must be {choices}"), {{"choices", listed(choices, true, l)}}), l);
}

std::string choices_text(const std::vector<std::string>& choices, const Language& l) { return listed(choices, true, l); }

std::string not_a_language_text(std::string_view field, const Language& l) {
    // TRANSLATORS: what the language setting allows; keep the tags as they are.
    return field_text(field, std::string(translate(l, "must be a language tag such as de, ja or pt-BR")), l);
}

std::string repeated_text(std::string_view field, const Language& l) {
    // TRANSLATORS: a setting given twice in one link or command line.
    return field_text(field, std::string(translate(l, "is given more than once")), l);
}

std::string unknown_text(std::string_view field, const std::vector<std::string_view>& known, const Language& l) {
    // TRANSLATORS: a name in a link that is no setting; {settings} lists those there are.
    return field_text(field, fill(translate(l, "is not a setting; the settings are {settings}"),
                                  {{"settings", listed(known, false, l)}}),
                      l);
}

std::string too_long_text(std::size_t limit, const Language& l) {
    // TRANSLATORS: a link whose settings are too long to read; {limit} is a number of characters,
    // its thousands apart as your language writes them ("2,000").
    return fill(translate(l, "the setup is longer than {limit} characters, so none of it was taken"),
                {{"limit", grouped_text(limit, l)}});
}

}  // namespace af
