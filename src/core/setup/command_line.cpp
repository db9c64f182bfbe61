#include "core/setup/command_line.h"

#include <algorithm>
#include <cstdio>

#include "core/setup/query_fields.h"
#include "core/setup/setup_fields.h"
#include "core/setup/usage_text.h"

namespace af {

namespace {

using Name = ProgramOption::Name;

// clang-format off
constexpr ProgramOption kProgramOptions[] = {
    // TRANSLATORS: --help's line for --picture FILE.
    {Name::Picture, "--picture", "FILE", N_("write a PNG picture of the three views, as laid out, and exit without a window")},
    // TRANSLATORS: --help's line for --run, listed under --picture.
    {Name::Run, "--run", "", N_("with --picture: after one whole run, so that the picture shows the traces"), true},
    // TRANSLATORS: --help's line for --scale N, listed under --picture; {lowest} and {highest} are numbers.
    {Name::Scale, "--scale", "N", N_("with --picture: N times the laid-out size ({lowest} to {highest}), drawn afresh"), true},
    // TRANSLATORS: --help's line for --help.
    {Name::Help, "--help", "", N_("display this help and exit")},
    // TRANSLATORS: --help's line for --version.
    {Name::Version, "--version", "", N_("output version information and exit")},
};
// clang-format on

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

std::optional<int> whole_number(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// An option's name as a message may repeat it: printable ASCII, the rest
// (control characters, bytes that may not even be UTF-8) as '?', not too long.
std::string shown_option(std::string_view name) {
    std::string shown(name.substr(0, 40));
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F) c = '?';
    }
    return shown;
}

// The arguments read once through: the setup's fields as one query, the
// program's options, and the first usage error. Reading goes on past an
// error, so that a --lang after it still chooses the language it is said in.
struct Scan {
    CommandLine line;
    std::string options_query;
    std::vector<std::string_view> from_options;  // the fields given as options
    std::optional<std::string_view> address;
    std::optional<std::string_view> scale;
    bool help = false, version = false;
    std::optional<UsageError> error;

    void fail(UsageError::Kind kind, std::string_view option = {}) {
        if (!error) error = UsageError{kind, shown_option(option)};
    }
};

Scan scan(std::span<const std::string_view> arguments) {
    Scan s;
    bool options_end = false;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string_view argument = arguments[k];
        if (argument == "--" && !options_end) {
            options_end = true;  // what follows is no option, whatever it starts with
            continue;
        }
        if (options_end || !argument.starts_with("--")) {
            if (s.address) s.fail(UsageError::Kind::TwoAddresses);
            else s.address = argument;
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
        const auto field = std::find_if(setup_fields().begin(), setup_fields().end(),
                                        [&](const SetupField& f) { return f.option == name; });
        if (field != setup_fields().end()) {
            // A switch takes its value only after '=', so that "--sound ADDRESS"
            // keeps the address; named alone, it is turned on.
            const bool is_switch = field->kind == SetupField::Kind::Switch;
            const std::optional<std::string_view> given = is_switch ? value.value_or(kSwitchOn) : take_value();
            if (!given) {
                s.fail(UsageError::Kind::NeedsValue, name);
                continue;
            }
            if (!s.options_query.empty()) s.options_query += '&';
            s.options_query += std::string(field->name) + '=' + query_escaped(*given);
            s.from_options.push_back(field->name);
            continue;
        }
        const auto own = std::find_if(std::begin(kProgramOptions), std::end(kProgramOptions),
                                      [&](const ProgramOption& o) { return o.option == name; });
        if (own == std::end(kProgramOptions)) {
            s.fail(UsageError::Kind::UnknownOption, name);
            continue;
        }
        if (own->value_name.empty() && value) {
            s.fail(UsageError::Kind::TakesNoValue, name);
            continue;
        }
        switch (own->name) {
        case Name::Help:
            s.help = true;
            break;
        case Name::Version:
            s.version = true;
            break;
        case Name::Run:
            s.line.run = true;
            break;
        case Name::Picture: {
            const std::optional<std::string_view> file = take_value();
            if (!file || file->empty()) {
                s.fail(UsageError::Kind::NeedsFile, name);
                break;
            }
            s.line.picture_file = std::string(*file);
            s.line.action = CommandLine::Action::Picture;
            break;
        }
        case Name::Scale:
            s.scale = take_value();
            if (!s.scale) s.fail(UsageError::Kind::ScaleOutside, name);
            break;
        }
    }
    return s;
}

}  // namespace

std::span<const ProgramOption> program_options() { return kProgramOptions; }

CommandLine parse_command_line(std::span<const std::string_view> arguments, std::span<const std::string> preferred) {
    Scan s = scan(arguments);
    // The address's fields and the options' as one query, so that a step
    // given one way governs a value given the other; a field in both is given twice.
    std::string query(s.address ? query_of(*s.address) : std::string_view());
    if (!s.options_query.empty()) query += (query.empty() ? "" : "&") + s.options_query;
    CommandLine line = std::move(s.line);
    line.opening = open_setup(query, preferred, s.from_options);
    const Language& language = line.opening.language;
    const auto refused = [&](const UsageError& error) {
        line.error = usage_error_sentence(error, language);
        return line;
    };
    if (s.error) return refused(*s.error);
    if (s.help || s.version) {
        line.action = s.help ? CommandLine::Action::Help : CommandLine::Action::Version;
        return line;
    }
    if (s.scale) {
        const std::optional<int> n = whole_number(*s.scale);
        if (!n || !kPictureScales.holds(*n)) return refused({UsageError::Kind::ScaleOutside, "--scale"});
        line.scale = *n;
    }
    if ((line.run || s.scale) && line.action != CommandLine::Action::Picture) {
        return refused({UsageError::Kind::NeedsPicture, line.run ? "--run" : "--scale"});
    }
    if (!line.opening.refused.empty()) line.error = line.opening.refused.front().message;
    return line;
}

}  // namespace af
