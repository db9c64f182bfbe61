#pragma once

#include <string>

#include "core/language/language.h"

namespace af::page {

// The few words the page says of itself, beyond the program's and its
// buttons' (page_buttons.h): its title and summary, the heading of what an
// address's setup did not take, and the notices for a browser that
// cannot run it and for a page that could not start (which the build
// writes into the page in every language, since no core may run to choose one).
struct PageWords {
    std::string title;
    std::string summary;
    std::string setup_refused;
    std::string close;
    std::string no_webassembly;
    std::string no_javascript;
    std::string could_not_start;
};
PageWords page_words(const Language& language);

}  // namespace af::page
