#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/language/language.h"

namespace af {

// Every language the program speaks: English, then each compiled catalogue.
std::vector<Language> available_languages();

// The language for a list of preferred tags, most preferred first, as a
// shell gathers it ("de-DE", "ja", "fr_CA.UTF-8"): the first tag that names
// a language the program speaks, exactly, as the same written language
// ("zh-Hans" finds "zh-CN", "es-GT" the Spanish with a decimal point) or by
// its primary language ("de-AT" finds "de", "es-AR" "es", not "es-MX");
// English where none does. Traditional Chinese finds no catalogue.
Language choose_language(std::span<const std::string> preferred);

// The preferred tags a desktop's environment gives, read as GNU gettext
// reads them: the locale for messages is the first set of LC_ALL,
// LC_MESSAGES and LANG; LANGUAGE, a colon-separated list, comes before it
// unless that locale is C or POSIX (or unset), which turn translation off.
// Unset variables are empty.
std::vector<std::string> preferred_from_environment(std::string_view language, std::string_view lc_all,
                                                    std::string_view lc_messages, std::string_view lang);

}  // namespace af
