#pragma once

#include <string>

#include "core/language/language.h"

namespace af::page {

// The few words the page says of itself, beyond the program's: its title and
// summary, the full-screen button, and the notices for a browser that
// cannot run it (which the build writes into the page in every language,
// since no core runs to choose one).
struct PageWords {
    std::string title;
    std::string summary;
    std::string full_screen;
    std::string full_screen_key;
    std::string no_webassembly;
    std::string no_javascript;
};
PageWords page_words(const Language& language);

}  // namespace af::page
