#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/setup/opening.h"
#include "core/setup/value_grid.h"

namespace af {

// The options of the program itself, beside the setup's fields (which the
// settings table gives): what it does instead of opening a window.
struct ProgramOption {
    enum class Name { Picture, Run, Scale, Help, Version };
    Name name;
    std::string_view option;      // "--picture"
    std::string_view value_name;  // "FILE"; empty for an option that takes no value
    // --help's line, a message of the catalogues; --scale's may say {lowest} and {highest}.
    std::string_view help;
    bool with_picture = false;  // only goes with --picture, and is listed under it
};
std::span<const ProgramOption> program_options();

// The scales --scale takes. The largest: a picture eight times the laid-out
// size is already poster-sized, and larger ones would only cost memory.
inline constexpr int kLargestPictureScale = 8;
inline constexpr ValueGrid kPictureScales{1, kLargestPictureScale, 1, 1};

// What the program's command line asks for, GNU style: the setup's fields
// as options (--r1 5, --r1=5, --time-step 0.005, --lang de), or a page
// address or its query as one argument, so that one link serves the page
// and the program alike; and --help, --version, or a picture for a
// worksheet written without a window (--picture FILE, with --run after one
// whole run, at --scale N).
struct CommandLine {
    enum class Action { Open, Help, Version, Picture };
    Action action = Action::Open;
    // The setup, the language everything is said in, and what was not taken.
    Opening opening;
    std::string picture_file;
    bool run = false;
    int scale = 1;
    // A usage error, else the first field not taken: one line, in the
    // opening's language, naming the option and what it allows. The program
    // says it and exits with status 2.
    std::optional<std::string> error;
};

// `arguments` without the program's name and without the toolkit's own
// options; `preferred`: the languages the environment asks for, most
// preferred first. The language comes from --lang (or the address's lang)
// wherever it stands, before the environment's, and the errors, --help and
// the refusals are said in it.
CommandLine parse_command_line(std::span<const std::string_view> arguments,
                               std::span<const std::string> preferred = {});

}  // namespace af
