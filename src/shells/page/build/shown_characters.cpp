// Prints every character the page can show in a caption, one language a
// line: its tag, a tab, then its characters, so that each font embedded in
// the page keeps those of the languages it sets.
#include <cstdio>
#include <set>
#include <string>

#include "core/language/choose_language.h"
#include "core/model/layout.h"
#include "core/model/shown_caption.h"
#include "core/session/session.h"

namespace {

// Numbers as the labels write them, in the language's digits and separator.
constexpr std::string_view kNumberCharacters = "0123456789.-+E ";

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
    const af::FitRequest room{af::laid_out_client(), af::laid_out_client(), 1.0, 1.0};
    for (const af::Language& language : af::available_languages()) {
        std::set<std::string> characters;
        // The layout's captions, and the labels the acts write as they stand at start-up.
        for (const af::ControlSpec& c : af::window_layout()) {
            if (c.font) add_characters(characters, af::shown_caption(c, language));
        }
        const af::Session session(room, {}, language);
        for (const auto& [name, caption] : session.captions()) add_characters(characters, caption);
        add_characters(characters, language.numeral(kNumberCharacters));
        std::string line(language.tag());
        line += '\t';
        for (const std::string& c : characters) line += c;
        std::puts(line.c_str());
    }
    return 0;
}
