// Prints every character the page can show in a caption, so that the fonts
// embedded in the page keep exactly those.
#include <cstdio>
#include <set>
#include <string>

#include "core/model/layout.h"

namespace {

// Numbers as the labels write them, and the time axis's unit.
constexpr std::string_view kNumberCharacters = "0123456789.-+ sec";

void add_characters(std::set<std::string>& out, std::string_view text) {
    for (std::size_t k = 0; k < text.size();) {
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(text[k]);
        if (lead >= 0xF0) {
            length = 4;
        } else if (lead >= 0xE0) {
            length = 3;
        } else if (lead >= 0xC0) {
            length = 2;
        }
        out.insert(std::string(text.substr(k, length)));
        k += length;
    }
}

}  // namespace

int main() {
    std::set<std::string> characters;
    for (const af::ControlSpec& c : af::window_layout()) {
        if (c.font) add_characters(characters, c.caption);
    }
    add_characters(characters, kNumberCharacters);
    for (const std::string& c : characters) std::fputs(c.c_str(), stdout);
    std::fputs("\n", stdout);
    return 0;
}
