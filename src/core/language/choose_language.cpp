#include "core/language/choose_language.h"

#include <cctype>

namespace af {

namespace {

// "de_DE.UTF-8@euro" -> "de-de": no encoding or modifier, one separator, one case.
std::string normal_tag(std::string_view tag) {
    tag = tag.substr(0, tag.find_first_of(".@"));
    std::string out;
    for (const char c : tag) out += c == '_' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view primary(std::string_view tag) { return tag.substr(0, tag.find('-')); }

bool starts_with_subtags(std::string_view tag, std::string_view prefix) {
    return tag == prefix || (tag.starts_with(prefix) && tag.size() > prefix.size() && tag[prefix.size()] == '-');
}

// Tags that a catalogue of another tag serves: "zh-Hans" is written as
// "zh-CN" is; Spanish where schools write a decimal point as Mexico's do
// (South America, the larger part of "es-419", writes a comma, as "es"
// does). Chinese in traditional characters is not served by the simplified
// catalogue. The first entry whose tag starts the wanted one's applies; an
// empty catalogue tag serves it with none.
struct Served {
    std::string_view wanted;
    std::string_view by;
};
constexpr Served kServed[] = {
    {"zh-hant", ""},     {"zh-tw", ""},       {"zh-hk", ""},       {"zh-mo", ""},       {"zh", "zh-cn"},
    {"es-us", "es-mx"},  {"es-gt", "es-mx"},  {"es-hn", "es-mx"},  {"es-sv", "es-mx"},  {"es-ni", "es-mx"},
    {"es-pa", "es-mx"},  {"es-do", "es-mx"},  {"es-pr", "es-mx"},
};

}  // namespace

std::vector<Language> available_languages() {
    std::vector<Language> all{Language()};
    for (const CompiledCatalogue& c : compiled_catalogues()) all.emplace_back(&c);
    return all;
}

Language choose_language(std::span<const std::string> preferred) {
    const std::vector<Language> all = available_languages();
    for (const std::string& wanted : preferred) {
        const std::string tag = normal_tag(wanted);
        if (tag.empty() || tag == "c" || tag == "posix") continue;
        std::string_view served = tag;
        bool refused = false;
        for (const Served& s : kServed) {
            if (!starts_with_subtags(tag, s.wanted)) continue;
            served = s.by;
            refused = s.by.empty();
            break;
        }
        if (refused) continue;
        // The very tag first, then the language's own catalogue, then any of its regions'.
        for (const std::string_view catalogue_tag : {served, primary(tag)}) {
            for (const Language& language : all) {
                if (normal_tag(language.tag()) == catalogue_tag) return language;
            }
        }
        for (const Language& language : all) {
            if (primary(normal_tag(language.tag())) == primary(tag)) return language;
        }
    }
    return Language();
}

std::vector<std::string> preferred_from_environment(std::string_view language, std::string_view lc_all,
                                                    std::string_view lc_messages, std::string_view lang) {
    std::string_view locale = !lc_all.empty() ? lc_all : !lc_messages.empty() ? lc_messages : lang;
    std::vector<std::string> preferred;
    if (locale.empty() || locale == "C" || locale == "POSIX") return preferred;
    while (!language.empty()) {
        const std::size_t colon = language.find(':');
        if (colon != 0) preferred.emplace_back(language.substr(0, colon));
        if (colon == std::string_view::npos) break;
        language.remove_prefix(colon + 1);
    }
    preferred.emplace_back(locale);
    return preferred;
}

}  // namespace af
