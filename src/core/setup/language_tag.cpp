#include "core/setup/language_tag.h"

namespace af {

namespace {

// The length every tag of the registry fits within.
constexpr std::size_t kLongestTag = 35;

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_letter_or_digit(char c) { return is_letter(c) || (c >= '0' && c <= '9'); }

}  // namespace

bool is_language_tag(std::string_view text) {
    if (text.size() > kLongestTag) return false;
    bool primary = true;
    while (true) {
        const std::size_t end = text.find('-');
        const std::string_view subtag = text.substr(0, end);
        const std::size_t shortest = primary ? 2 : 1;
        const std::size_t longest = primary ? 3 : 8;
        if (subtag.size() < shortest || subtag.size() > longest) return false;
        for (const char c : subtag) {
            if (primary ? !is_letter(c) : !is_letter_or_digit(c)) return false;
        }
        if (end == std::string_view::npos) return true;
        text.remove_prefix(end + 1);
        primary = false;
    }
}

}  // namespace af
