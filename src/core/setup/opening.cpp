#include "core/setup/opening.h"

#include "core/language/choose_language.h"
#include "core/setup/parse_setup.h"

namespace af {

namespace {

// The tags of a comma-separated list, empty ones left out.
std::vector<std::string> listed_tags(std::string_view list) {
    std::vector<std::string> tags;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        if (comma != 0) tags.emplace_back(list.substr(0, comma));
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return tags;
}

}  // namespace

Opening open_setup(std::string_view query_or_address, std::span<const std::string> preferred,
                   std::span<const std::string_view> named_by_option) {
    ParsedSetup parsed = parse_setup(query_or_address, Language(), named_by_option);
    std::vector<std::string> wanted;
    if (parsed.setup.lang) wanted.push_back(*parsed.setup.lang);
    wanted.insert(wanted.end(), preferred.begin(), preferred.end());
    const Language language = choose_language(wanted);
    // What was not taken, said again in the language the setup itself may have chosen.
    if (!parsed.refused.empty() && !language.is_layouts_own()) {
        parsed.refused = parse_setup(query_or_address, language, named_by_option).refused;
    }
    return {std::move(parsed.setup), language, std::move(parsed.refused)};
}

Opening open_page(std::string_view address, std::string_view browser_languages) {
    return open_setup(address, listed_tags(browser_languages));
}

}  // namespace af
