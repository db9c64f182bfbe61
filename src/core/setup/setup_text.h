#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/language/language.h"
#include "core/setup/value_grid.h"

namespace af {

// What a setup says of the fields it refuses: one short sentence each, each
// starting with the field's name, in the language given. Numbers stay as
// the setup writes them, with a decimal point, since that is what to type.

// "r1: must be a whole number from 1 to 15", "omega2: must be a number from
// 0.5 to 10 in steps of 0.5".
std::string outside_grid_text(std::string_view field, const ValueGrid& grid, const Language& language = Language());
// "time_step: must be 0.01, 0.005 or 0.002"
std::string not_a_choice_text(std::string_view field, const std::vector<std::string>& choices,
                              const Language& language = Language());
// "lang: must be a language tag such as de, ja or pt-BR"
std::string not_a_language_text(std::string_view field, const Language& language = Language());
// "r1: is given more than once"
std::string repeated_text(std::string_view field, const Language& language = Language());
// "colour: is not a setting; the settings are r1, r2, ... and lang"
std::string unknown_text(std::string_view field, const std::vector<std::string_view>& known,
                         const Language& language = Language());
// Choices as a language lists them: "0.01, 0.005 or 0.002".
std::string choices_text(const std::vector<std::string>& choices, const Language& language = Language());
// Said of the whole setup: "the setup is longer than 2,000 characters, so
// none of it was taken"
std::string too_long_text(std::size_t limit, const Language& language = Language());

}  // namespace af
