#include "core/setup/usage_text.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/language/choose_language.h"
#include "core/model/step_rule.h"
#include "core/setup/command_line.h"
#include "core/setup/decimal_text.h"
#include "core/setup/setup_fields.h"
#include "core/setup/setup_text.h"
#include "core/setup/value_grid.h"

namespace af {

namespace {

constexpr int kWidth = 79;
constexpr int kOptionIndent = 6;
constexpr int kHelpColumn = 27;  // where an option's line starts; two more under --picture

// A piece of text that is not broken: a word, or one character of a script
// written without blanks, which a line may break after.
struct Piece {
    std::string text;
    int width = 0;
    bool blank_before = false;
};

// The code point at `k` in UTF-8 text, and how many bytes it takes.
std::pair<char32_t, std::size_t> code_point(std::string_view text, std::size_t k) {
    const auto byte = static_cast<unsigned char>(text[k]);
    const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? byte : byte & (0x7F >> length);
    for (std::size_t i = 1; i < length && k + i < text.size(); ++i) c = c << 6 | (text[k + i] & 0x3F);
    return {c, std::min(length, text.size() - k)};
}

// Hangul, which takes two columns a character but, like Latin, breaks lines at blanks.
bool hangul(char32_t c) { return (c >= 0x1100 && c <= 0x115F) || (c >= 0xAC00 && c <= 0xD7A3); }

// East Asian scripts, whose characters take two columns and whose lines break between them.
bool wide(char32_t c) { return (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFF60); }

std::vector<Piece> pieces(std::string_view text) {
    std::vector<Piece> out;
    Piece word;
    bool blank = false;
    const auto end_word = [&] {
        if (!word.text.empty()) out.push_back(std::move(word));
        word = Piece{};
    };
    for (std::size_t k = 0; k < text.size();) {
        const auto [c, length] = code_point(text, k);
        const std::string_view bytes = text.substr(k, length);
        k += length;
        if (c == ' ') {
            end_word();
            blank = true;
            continue;
        }
        const bool blank_before = blank;
        blank = false;
        if (wide(c)) {
            end_word();
            out.push_back({std::string(bytes), 2, blank_before});
            continue;
        }
        if (word.text.empty()) word.blank_before = blank_before;
        word.text += bytes;
        word.width += hangul(c) ? 2 : 1;
    }
    end_word();
    return out;
}

// The text after `first` (a line's start, `column` wide), its lines wrapped
// at kWidth and the ones after the first indented to `indent`.
std::string wrapped(std::string first, int column, std::string_view text, int indent) {
    std::string out = std::move(first);
    bool line_empty = true;
    for (const Piece& piece : pieces(text)) {
        const int blank = piece.blank_before && !line_empty ? 1 : 0;
        if (!line_empty && column + blank + piece.width > kWidth) {
            out += '\n' + std::string(static_cast<std::size_t>(indent), ' ');
            column = indent;
            line_empty = true;
        }
        if (piece.blank_before && !line_empty) {
            out += ' ';
            ++column;
        }
        out += piece.text;
        column += piece.width;
        line_empty = false;
    }
    return out + '\n';
}

// An option's line: its name and value ("--sound[=on|off]" where the value
// may be left out), then its help from `help_column` on.
std::string option_line(std::string_view option, std::string_view value_name, const std::string& help, int help_column,
                        bool value_optional = false) {
    std::string start = std::string(kOptionIndent, ' ') + std::string(option);
    if (!value_name.empty()) start += (value_optional ? "[=" : "=") + std::string(value_name) + (value_optional ? "]" : "");
    auto column = static_cast<int>(start.size());
    if (column + 2 > help_column) {
        start += '\n';
        column = 0;
    }
    start += std::string(static_cast<std::size_t>(help_column - column), ' ');
    return wrapped(start, help_column, help, help_column + 2);
}

// The grid a value's arrows reach, over every choice of the step that governs them.
ValueGrid widest_grid(StepTarget target) {
    const State& start = start_state();
    ValueGrid widest = value_grid(start, target);
    const SetupField* step = step_field_of(target.quantity);
    if (!step) return widest;
    for (const std::int16_t choice : step_choices(*step)) {
        State planned = start;
        step_in(planned, target.quantity) = choice;
        const ValueGrid grid = value_grid(planned, target);
        widest.lowest = std::min(widest.lowest, grid.lowest);
        widest.highest = std::max(widest.highest, grid.highest);
    }
    return widest;
}

std::string field_help(const SetupField& field, const Language& l) {
    const std::string_view help = translate(l, field.help);
    const State& start = start_state();
    switch (field.kind) {
    case SetupField::Kind::Value: {
        const StepTarget target = value_target(field);
        const ValueGrid grid = widest_grid(target);
        const SetupField* step = step_field_of(target.quantity);
        return fill(help, {{"lowest", units_text(grid.lowest, grid.per_unit)},
                           {"highest", units_text(grid.highest, grid.per_unit)},
                           {"step", step ? step->option : std::string_view()}});
    }
    case SetupField::Kind::Step: {
        std::vector<std::string> choices;
        const int per_unit = units_per_shown(start, stepped_quantity(field));
        for (const std::int16_t choice : step_choices(field)) choices.push_back(units_text(choice, per_unit));
        return fill(help, {{"choices", choices_text(choices, l)}});
    }
    case SetupField::Kind::Language: {
        std::vector<std::string> tags;
        for (const Language& language : available_languages()) {
            if (!language.is_layouts_own()) tags.emplace_back(language.tag());
        }
        std::sort(tags.begin(), tags.end());
        return fill(help, {{"languages", choices_text(tags, l)}});
    }
    case SetupField::Kind::Switch:
        return fill(help, {{"choices", choices_text({std::string(kSwitchOn), std::string(kSwitchOff)}, l)}});
    }
    return std::string(help);
}

}  // namespace

std::string usage_error_sentence(const UsageError& error, const Language& l) {
    const std::string_view option = error.option;
    switch (error.kind) {
    case UsageError::Kind::UnknownOption:
        // TRANSLATORS: a command line's option that the program does not have.
        return fill(translate(l, "unknown option '{option}'"), {{"option", option}});
    case UsageError::Kind::NeedsValue:
        // TRANSLATORS: an option given without its value, as "--r1" alone.
        return fill(translate(l, "{option}: needs a value"), {{"option", option}});
    case UsageError::Kind::TakesNoValue:
        // TRANSLATORS: an option that takes no value given one, as "--help=yes".
        return fill(translate(l, "{option}: takes no value"), {{"option", option}});
    case UsageError::Kind::TwoAddresses:
        // TRANSLATORS: a command line with more than one argument that is no option.
        return std::string(translate(l, "give one address or query at most"));
    case UsageError::Kind::NeedsFile:
        // TRANSLATORS: --picture given without the file to write.
        return fill(translate(l, "{option}: needs the name of the PNG file to write"), {{"option", option}});
    case UsageError::Kind::ScaleOutside:
        return outside_grid_text(option, kPictureScales, l);
    case UsageError::Kind::NeedsPicture:
        // TRANSLATORS: --run or --scale given without --picture; keep "--picture FILE" as it is.
        return fill(translate(l, "{option}: goes with --picture FILE"), {{"option", option}});
    }
    return {};
}

std::string usage_error_text(std::string_view sentence, const Language& l) {
    const std::string_view more =
        // TRANSLATORS: the line after a usage error; {program} is the program's name.
        translate(l, "Try '{program} --help' for more information.");
    return std::string(kProgramName) + ": " + std::string(sentence) + "\n" + fill(more, {{"program", kProgramName}}) + "\n";
}

std::string usage_text(const Language& l) {
    // TRANSLATORS: --help's first line; keep [OPTION]... [ADDRESS] as it is, or translate the words in capitals.
    const std::string_view usage = translate(l, "Usage: {program} [OPTION]... [ADDRESS]");
    // TRANSLATORS: --help's second line: what the program does.
    const std::string_view what = translate(l, "Show two vectors turning about one centre and the waves they trace.");
    // TRANSLATORS: --help's paragraph on the argument that is no option; keep 'r2=5&omega2=6' as it is.
    const std::string_view address = translate(l, "ADDRESS is a page address of the program, or its query, such as "
                                                  "'r2=5&omega2=6': the program opens with that setup.");
    // TRANSLATORS: --help's heading of the list of options.
    const std::string_view options = translate(l, "Options:");
    // TRANSLATORS: --help's last paragraph; keep -platform and -style as they are.
    const std::string_view numbers = translate(l, "Numbers are written with a decimal point. The toolkit's own options, "
                                                  "such as -platform and -style, work too.");
    std::string text = fill(usage, {{"program", kProgramName}}) + "\n" + wrapped("", 0, what, 0);
    text += "\n" + wrapped("", 0, address, 0) + "\n" + std::string(options) + "\n";
    for (const SetupField& field : setup_fields()) {
        text += option_line(field.option, field.value_name, field_help(field, l), kHelpColumn,
                            field.kind == SetupField::Kind::Switch);
    }
    for (const ProgramOption& option : program_options()) {
        const std::string help = fill(translate(l, option.help), {{"lowest", std::to_string(kPictureScales.lowest)},
                                                                  {"highest", std::to_string(kPictureScales.highest)}});
        text += option_line(option.option, option.value_name, help, kHelpColumn + (option.with_picture ? 2 : 0));
    }
    return text + "\n" + wrapped("", 0, numbers, 0);
}

std::string version_text(std::string_view version, const Language& l) {
    std::string text = std::string(kProgramName) + " " + std::string(version) + "\n";
    // TRANSLATORS: --version's copyright line; keep the program's name as it is.
    text += std::string(translate(l, "Copyright the Angular Frequency developers.")) + "\n";
    // TRANSLATORS: --version's licence line; keep MIT and the address as they are.
    text += std::string(translate(l, "License MIT: <https://opensource.org/licenses/MIT>.")) + "\n";
    // TRANSLATORS: --version's line, as GNU programs say it.
    text += std::string(translate(l, "This is free software: you are free to change and redistribute it.")) + "\n";
    // TRANSLATORS: --version's line, as GNU programs say it.
    text += std::string(translate(l, "There is NO WARRANTY, to the extent permitted by law.")) + "\n";
    return text;
}

}  // namespace af
