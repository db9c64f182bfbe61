// libFuzzer over the opening rule: whatever a page's address or a command
// line and the preferred languages hold, the opening takes only what it may
// and says plainly what it refused. An input is a mode byte, then lines:
//   p<browser languages, comma-separated>\n<address, the rest>
//   c<LANGUAGE>|<LC_ALL>|<LC_MESSAGES>|<LANG>\n<one argument a line>...
// (the mode byte's parity decides: odd is a command line).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/language/choose_language.h"
#include "core/setup/command_line.h"
#include "core/setup/opening.h"
#include "core/setup/parse_setup.h"
#include "core/setup/query_fields.h"
#include "core/setup/setup_fields.h"
#include "core/setup/setup_query.h"
#include "core/setup/usage_text.h"

namespace {

[[noreturn]] void broken(const char* rule, std::string_view detail) {
    std::fprintf(stderr, "opening fuzz: %s: %.*s\n", rule, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return parts;
        text.remove_prefix(end + 1);
    }
}

// Text a person reads: well-formed UTF-8, no control characters, one line.
bool readable(std::string_view text) {
    for (std::size_t k = 0; k < text.size();) {
        const auto byte = static_cast<unsigned char>(text[k]);
        if (byte < 0x20 || byte == 0x7F) return false;
        const std::size_t length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3 : (byte >> 3) == 30 ? 4 : 0;
        if (length == 0 || k + length > text.size()) return false;
        for (std::size_t i = 1; i < length; ++i) {
            if ((static_cast<unsigned char>(text[k + i]) & 0xC0) != 0x80) return false;
        }
        k += length;
    }
    return true;
}

// A name that is no field is shown only in plain characters, shortened.
bool plain_name(std::string_view name) {
    if (name.empty() || name.size() > 27) return false;
    for (const char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                           c == '-' || c == '.' || c == '?';
        if (!plain) return false;
    }
    return true;
}

void check_refusals(const af::Opening& opening) {
    for (const af::SetupRefusal& r : opening.refused) {
        if (r.message.empty() || !readable(r.message)) broken("a refusal is not readable", r.message);
        if (r.field.empty()) continue;  // the whole setup, too long
        const af::SetupField* field = af::setup_field(r.field);
        if (!field && !plain_name(r.field)) broken("a refusal names no field", r.field);
        const bool named = r.message.find(r.field) != std::string::npos ||
                           (field && r.message.find(field->option) != std::string::npos);
        if (!named) broken("a refusal does not say which field", r.message);
    }
    // The setup's own language comes before every other where the program speaks it.
    const std::optional<std::string>& lang = opening.setup.lang;
    if (lang) {
        const af::Language asked = af::choose_language(std::vector{*lang});
        if (!asked.is_layouts_own() && !(opening.language == asked)) broken("the setup's language was passed over", *lang);
    }
}

// What the controls allow, written here from what they say (not read from
// the code): lengths 1 to 15; angular frequencies up to 10 π per second
// (100 counts) in whole steps; the time from 0 in whole time steps up to
// where its float holds every millisecond (2^24 ms); the switches sound and voice.
void check_on_grids(const af::Setup& setup) {
    using af::Quantity;
    const int time_step = setup.step(Quantity::Time).value_or(10);
    const int frequency_step = setup.step(Quantity::AngularFrequency).value_or(10);
    if (time_step != 10 && time_step != 5 && time_step != 2) broken("a time step no option chooses", "");
    if (frequency_step != 10 && frequency_step != 5 && frequency_step != 1) broken("an angular-frequency step no option chooses", "");
    const auto whole_within = [](float v, double lowest, double highest, int step) {
        return v == static_cast<float>(static_cast<std::int64_t>(v)) && v >= lowest && v <= highest &&
               static_cast<std::int64_t>(v) % step == 0;
    };
    for (const auto& [target, value] : setup.values) {
        const bool allowed = target.quantity == Quantity::Length             ? whole_within(value, 1, 15, 1)
                             : target.quantity == Quantity::AngularFrequency ? whole_within(value, 1, 100, frequency_step)
                                                                             : whole_within(value, 0, 16777216, time_step);
        if (!allowed) broken("a value the arrows do not reach was taken", std::to_string(value));
    }
    for (const auto& [field, on] : setup.switches) if (field != "sound" && field != "voice") broken("a switch that is none was taken", field);
}

// What was taken, written back as a query and as options, is taken again whole.
void check_written_back(const af::Setup& setup) {
    const std::string query = af::setup_query(setup);
    const af::ParsedSetup again = af::parse_setup(query);
    if (!again.refused.empty() || !(again.setup == setup)) broken("a taken setup does not read back", query);
    std::vector<std::string> options;
    for (const af::QueryField& piece : af::query_fields(query)) {
        options.push_back(std::string(af::setup_field(*piece.name)->option) + "=" + *piece.value);
    }
    const std::vector<std::string_view> arguments(options.begin(), options.end());
    const af::CommandLine line = af::parse_command_line(arguments);
    if (line.error || !(line.opening.setup == setup)) broken("a taken setup does not read back as options", query);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool command_line = data[0] % 2 == 1;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t first_line = input.find('\n');
    const std::string_view languages = input.substr(0, first_line);
    const std::string_view rest = first_line == std::string_view::npos ? std::string_view() : input.substr(first_line + 1);
    if (!command_line) {
        const af::Opening opening = af::open_page(rest, languages);
        check_refusals(opening);
        check_on_grids(opening.setup);
        check_written_back(opening.setup);
        return 0;
    }
    std::vector<std::string_view> environment = split(languages, '|');
    environment.resize(4);
    const std::vector<std::string> preferred =
        af::preferred_from_environment(environment[0], environment[1], environment[2], environment[3]);
    const std::vector<std::string_view> arguments = rest.empty() ? std::vector<std::string_view>() : split(rest, '\n');
    const af::CommandLine line = af::parse_command_line(arguments, preferred);
    check_refusals(line.opening);
    check_on_grids(line.opening.setup);
    if (line.error && (line.error->empty() || !readable(*line.error))) broken("a usage error is not one readable line", *line.error);
    const bool opens = line.action == af::CommandLine::Action::Open || line.action == af::CommandLine::Action::Picture;
    if (opens && !line.error && !line.opening.refused.empty()) broken("a refusal was not reported", line.opening.refused.front().message);
    if (!line.error && line.action == af::CommandLine::Action::Picture && line.picture_file.empty()) {
        broken("a picture with no file", "");
    }
    if (!line.error) check_written_back(line.opening.setup);
    // What --help prints, in whichever language was chosen: readable lines, none too wide to read.
    if (!line.error && line.action == af::CommandLine::Action::Help) {
        const std::string help = af::usage_text(line.opening.language);
        for (const std::string_view row : split(help, '\n')) {
            if (!readable(row) || row.size() > 4 * 79) broken("a line of --help is not readable", row);
        }
    }
    return 0;
}
