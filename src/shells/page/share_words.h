#pragma once

#include <string>

#include "core/language/language.h"

namespace af::page {

// The share panel's words; its heading is its button's name (page_buttons.h).
struct ShareWords {
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
