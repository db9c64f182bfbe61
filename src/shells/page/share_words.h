#pragma once

#include <string>

#include "core/language/language.h"

namespace af::page {

// The share panel's words, and its key. F2: no browser gives it a meaning
// (Chromium, Firefox and Safari leave it free; F1, F3, F5 to F7 and F10 to
// F12 are theirs), nor do NVDA, JAWS, Orca, Narrator or VoiceOver, whose
// keys all hold a modifier of their own (Insert, Caps Lock, Control+Option).
struct ShareWords {
    std::string key;         // the key's name, as KeyboardEvent.key gives it
    std::string button;      // the button's name for a screen reader, and the panel's heading
    std::string button_key;  // its tooltip, with the key
    std::string link;
    std::string copy_link;
    std::string copied;
    std::string qr;          // what the QR code is, for a screen reader
    std::string qr_hint;     // beside it
    std::string qr_from_file;  // in its place, in a page opened from a file
    std::string frame;
    std::string copy_frame;
    std::string save;
    std::string save_hint;
    std::string short_name;  // under the icon on a home screen
};
ShareWords share_words(const Language& language);

}  // namespace af::page
