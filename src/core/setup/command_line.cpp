#include "core/setup/command_line.h"

#include <array>
#include <cstdio>

#include <algorithm>

#include "core/setup/parse_setup.h"
#include "core/setup/query_fields.h"

namespace af {

namespace {

// A setup field as an option: its option name, and the field's name in a query.
struct FieldOption {
    std::string_view option;
    std::string_view field;
};
constexpr std::array<FieldOption, 10> kFieldOptions{{{"--r1", "r1"},
                                                     {"--r2", "r2"},
                                                     {"--omega1", "omega1"},
                                                     {"--omega2", "omega2"},
                                                     {"--time-step", "time_step"},
                                                     {"--omega-step", "omega_step"},
                                                     {"--time", "t"},
                                                     {"--lang", "lang"},
                                                     {"--sound", "sound"},
                                                     {"--voice", "voice"}}};

// A value as a query holds it: every byte but letters, digits and '.' '-'
// escaped, so that no value can reach another field.
std::string query_escaped(std::string_view value) {
    std::string out;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || c == '.' ||
            c == '-') {
            out += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            out += escaped;
        }
    }
    return out;
}

// The option a refused field came from, to name it as the user wrote it.
std::string option_message(const SetupRefusal& refusal, bool from_options) {
    if (!from_options || refusal.field.empty()) return refusal.message;
    for (const FieldOption& f : kFieldOptions) {
        if (f.field == refusal.field && refusal.message.starts_with(refusal.field)) {
            return std::string(f.option) + refusal.message.substr(refusal.field.size());
        }
    }
    return refusal.message;
}

std::optional<int> whole_number(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

CommandLine refused(std::string message) {
    CommandLine line;
    line.error = std::move(message);
    return line;
}

}  // namespace

CommandLine parse_command_line(std::span<const std::string_view> arguments) {
    CommandLine line;
    std::string options_query;
    std::optional<std::string_view> address;
    bool help = false, version = false;
    std::optional<std::string_view> scale;
    bool options_end = false;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string_view argument = arguments[k];
        if (argument == "--" && !options_end) {
            options_end = true;  // what follows is no option, whatever it starts with
            continue;
        }
        if (options_end || !argument.starts_with("--")) {
            if (address) return refused("give one address or query at most");
            address = argument;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        std::optional<std::string_view> value;
        if (equals != std::string_view::npos) value = argument.substr(equals + 1);
        // The options that take a value take it after '=' or as the next argument.
        const auto take_value = [&]() -> std::optional<std::string_view> {
            if (value) return value;
            if (k + 1 < arguments.size()) return arguments[++k];
            return std::nullopt;
        };
        const auto no_value = [&] { return !value; };
        if (name == "--help" && no_value()) {
            help = true;
        } else if (name == "--version" && no_value()) {
            version = true;
        } else if (name == "--run" && no_value()) {
            line.run = true;
        } else if (name == "--picture") {
            const std::optional<std::string_view> file = take_value();
            if (!file || file->empty()) return refused("--picture: needs the name of the PNG file to write");
            line.picture_file = std::string(*file);
            line.action = CommandLine::Action::Picture;
        } else if (name == "--scale") {
            scale = take_value();
            if (!scale) return refused("--scale: needs a whole number from 1 to 8");
        } else if ((name == "--sound" || name == "--voice") && no_value()) {
            // A switch named alone is turned on; --sound=off says it the other way.
            if (!options_query.empty()) options_query += '&';
            options_query += std::string(name.substr(2)) + "=on";
        } else if (const auto field = std::find_if(kFieldOptions.begin(), kFieldOptions.end(),
                                                   [&](const FieldOption& f) { return f.option == name; });
                   field != kFieldOptions.end()) {
            const std::optional<std::string_view> given = take_value();
            if (!given) return refused(std::string(name) + ": needs a value");
            if (!options_query.empty()) options_query += '&';
            options_query += std::string(field->field) + '=' + query_escaped(*given);
        } else if (value && (name == "--help" || name == "--version" || name == "--run")) {
            return refused(std::string(name) + ": takes no value");
        } else {
            std::string shown(name.substr(0, 40));
            for (char& c : shown) {
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
            }
            return refused("unknown option '" + shown + "'");
        }
    }
    if (help) {
        line.action = CommandLine::Action::Help;
        return line;
    }
    if (version) {
        line.action = CommandLine::Action::Version;
        return line;
    }
    if (scale) {
        const std::optional<int> n = whole_number(*scale);
        if (!n || *n < 1 || *n > kLargestPictureScale) return refused("--scale: must be a whole number from 1 to 8");
        line.scale = *n;
    }
    if ((line.run || scale) && line.action != CommandLine::Action::Picture) {
        return refused(std::string(line.run ? "--run" : "--scale") + ": goes with --picture FILE");
    }
    // The address's fields and the options' as one query, so that a step
    // given one way governs a value given the other; a field in both is given twice.
    std::string query(address ? query_of(*address) : std::string_view());
    if (!options_query.empty()) query += (query.empty() ? "" : "&") + options_query;
    const ParsedSetup parsed = parse_setup(query);
    if (!parsed.refused.empty()) {
        const SetupRefusal& first = parsed.refused.front();
        const bool from_options = options_query.starts_with(first.field + "=") ||
                                  options_query.find("&" + first.field + "=") != std::string::npos;
        return refused(option_message(first, from_options));
    }
    line.setup = parsed.setup;
    return line;
}

std::string usage_text(std::string_view program) {
    const std::string p(program);
    return "Usage: " + p + " [OPTION]... [ADDRESS]\n"
           "Show two vectors turning about one centre and the waves they trace.\n"
           "\n"
           "ADDRESS is a page address of the program, or its query, such as\n"
           "'r2=5&omega2=6': the program opens with that setup.\n"
           "\n"
           "      --r1=LENGTH          length of vector 1, a whole number from 1 to 15\n"
           "      --r2=LENGTH          length of vector 2, likewise\n"
           "      --omega1=N           angular frequency of vector 1, N pi per second,\n"
           "                             from 1 to 10 in steps of the angular-frequency step\n"
           "      --omega2=N           angular frequency of vector 2, likewise\n"
           "      --time-step=SECONDS  0.01, 0.005 or 0.002\n"
           "      --omega-step=STEP    1, 0.5 or 0.1\n"
           "      --time=SECONDS       the time on show, in steps of the time step\n"
           "      --lang=TAG           the language, such as de, es, fr or ja\n"
           "      --sound              hear each vector's height as a tone during a run\n"
           "      --voice              speak what a screen reader would be told\n"
           "      --picture=FILE       write a PNG picture of the three views and exit\n"
           "      --run                  with --picture: after one whole run\n"
           "      --scale=N              with --picture: N times the laid-out size (1 to 8)\n"
           "      --help               display this help and exit\n"
           "      --version            output version information and exit\n"
           "\n"
           "Numbers are written with a decimal point. The toolkit's own options, such\n"
           "as -platform and -style, work too.\n";
}

std::string version_text(std::string_view program, std::string_view version) {
    return std::string(program) + " " + std::string(version) +
           "\nCopyright the Angular Frequency developers.\n"
           "License MIT: <https://opensource.org/licenses/MIT>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

}  // namespace af
