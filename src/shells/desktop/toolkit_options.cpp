#include "shells/desktop/toolkit_options.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace af::desktop {

namespace {

// Qt's own options, given with one dash or two.
constexpr std::array<std::string_view, 14> kWithValue{
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "display",  "geometry",           "title",         "style",  "stylesheet",      "session",     "name"};
constexpr std::array<std::string_view, 6> kFlags{"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

bool one_of(std::string_view name, std::span<const std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::vector<std::string> own_arguments(int argc, char** argv) {
    std::vector<std::string> own;
    for (int k = 1; k < argc; ++k) {
        std::string_view argument = argv[k];
        if (argument == "--") {
            for (; k < argc; ++k) own.emplace_back(argv[k]);
            break;
        }
        std::string_view name = argument;
        if (name.starts_with("--")) name.remove_prefix(2);
        else if (name.starts_with("-")) name.remove_prefix(1);
        else name = {};
        const std::string_view bare = name.substr(0, name.find('='));
        if (!name.empty() && one_of(bare, kWithValue)) {
            if (bare == name) ++k;  // its value follows
            continue;
        }
        if (!name.empty() && one_of(name, kFlags)) continue;
        own.emplace_back(argument);
    }
    return own;
}

}  // namespace af::desktop
