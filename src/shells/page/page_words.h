#pragma once

#include <string>

#include "core/language/language.h"

namespace af::page {

// The few words the page says of itself, beyond the program's: its title and
// summary, the full-screen and picture buttons, the heading of what an
// address's setup did not take, and the notices for a browser that
// cannot run it and for a page that could not start (which the build
// writes into the page in every language, since no core may run to choose one).
struct PageWords {
    std::string title;
    std::string summary;
    std::string full_screen;
    std::string full_screen_key;
    std::string picture;
    std::string picture_key;
    std::string sound;       // the sound and voice buttons: their names and tooltips with their keys
    std::string sound_key;
    std::string voice;
    std::string voice_key;
    std::string setup_refused;
    std::string close;
    std::string no_webassembly;
    std::string no_javascript;
    std::string could_not_start;
};
PageWords page_words(const Language& language);

}  // namespace af::page
