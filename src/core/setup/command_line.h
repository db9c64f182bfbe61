#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/setup/setup.h"

namespace af {

// What the program's command line asks for, GNU style: the setup's fields
// as options (--r1 5, --r1=5, --omega2 6, --time-step 0.005, --omega-step
// 0.5, --time 0.25, --lang de), or a page address or its query as one
// argument, so that one link serves the page and the program alike; and
// --help, --version, or a picture for a worksheet written without a window
// (--picture FILE, with --run after one whole run, at --scale N).
struct CommandLine {
    enum class Action { Open, Help, Version, Picture };
    Action action = Action::Open;
    Setup setup;
    std::string picture_file;
    bool run = false;
    int scale = 1;
    // A usage error: the one line that says what was wrong and what is
    // allowed; the program says it and exits with status 2.
    std::optional<std::string> error;
};

// `arguments` without the program's name, and without the toolkit's own options.
CommandLine parse_command_line(std::span<const std::string_view> arguments);

// What --help prints, and --version.
std::string usage_text(std::string_view program);
std::string version_text(std::string_view program, std::string_view version);

// The largest --scale: a picture eight times the laid-out size is already
// poster-sized, and larger ones would only cost memory.
inline constexpr int kLargestPictureScale = 8;

}  // namespace af
