#include "core/setup/setup_text.h"

#include "core/setup/decimal_text.h"

namespace af {

namespace {

// Every sentence the setup says, its blanks {1}, {2} and {3} filled in that
// order; each sentence about a field goes into `field`, behind its name.
constexpr struct {
    const char* field = "{1}: {2}";
    const char* whole_numbers = "must be a whole number from {1} to {2}";
    const char* stepped_numbers = "must be a number from {1} to {2} in steps of {3}";
    const char* choices = "must be {1}";
    const char* language = "must be a language tag such as de, ja or pt-BR";
    const char* repeated = "is given more than once";
    const char* unknown = "is not a setting; the settings are {1}";
    const char* too_long = "the setup is longer than {1} characters, so none of it was taken";
    // Lists: "a, b or c" for choices, "a, b and c" for all.
    const char* list_comma = ", ";
    const char* list_or = " or ";
    const char* list_and = " and ";
} kSetupSay;

std::string filled(std::string_view pattern, const std::vector<std::string>& blanks) {
    std::string text;
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        const char c = pattern[k];
        const std::size_t slot = k + 2 < pattern.size() && c == '{' && pattern[k + 2] == '}'
                                     ? static_cast<std::size_t>(pattern[k + 1] - '1')
                                     : blanks.size();
        if (slot < blanks.size()) {
            text += blanks[slot];
            k += 2;
        } else {
            text += c;
        }
    }
    return text;
}

std::string field_text(std::string_view field, std::string_view sentence) {
    return filled(kSetupSay.field, {std::string(field), std::string(sentence)});
}

template <class Item>
std::string listed(const std::vector<Item>& items, std::string_view last_joint) {
    std::string text;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (k > 0) text += k + 1 == items.size() ? last_joint : std::string_view(kSetupSay.list_comma);
        text += items[k];
    }
    return text;
}

}  // namespace

std::string outside_grid_text(std::string_view field, const ValueGrid& grid) {
    const std::string lowest = units_text(grid.lowest, grid.per_unit);
    const std::string highest = units_text(grid.highest, grid.per_unit);
    const bool whole_numbers = grid.step == grid.per_unit && grid.lowest % grid.per_unit == 0;
    return field_text(field, whole_numbers ? filled(kSetupSay.whole_numbers, {lowest, highest})
                                           : filled(kSetupSay.stepped_numbers,
                                                    {lowest, highest, units_text(grid.step, grid.per_unit)}));
}

std::string not_a_choice_text(std::string_view field, const std::vector<std::string>& choices) {
    return field_text(field, filled(kSetupSay.choices, {listed(choices, kSetupSay.list_or)}));
}

std::string not_a_language_text(std::string_view field) { return field_text(field, kSetupSay.language); }

std::string repeated_text(std::string_view field) { return field_text(field, kSetupSay.repeated); }

std::string unknown_text(std::string_view field, const std::vector<std::string_view>& known) {
    return field_text(field, filled(kSetupSay.unknown, {listed(known, kSetupSay.list_and)}));
}

std::string too_long_text(std::size_t limit) { return filled(kSetupSay.too_long, {std::to_string(limit)}); }

}  // namespace af
