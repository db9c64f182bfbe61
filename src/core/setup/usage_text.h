#pragma once

#include <string>
#include <string_view>

#include "core/language/language.h"

namespace af {

// What the program says on its command line, in the language given: its
// usage errors, --help and --version.

inline constexpr std::string_view kProgramName = "angular-frequency";

// A usage error, kept as what went wrong until the language it is said in is known.
struct UsageError {
    enum class Kind { UnknownOption, NeedsValue, TakesNoValue, TwoAddresses, NeedsFile, ScaleOutside, NeedsPicture };
    Kind kind;
    std::string option;  // the option it is about, as given
};

// One line: "--r1: needs a value", "unknown option '--bogus'".
std::string usage_error_sentence(const UsageError& error, const Language& language = Language());

// What standard error says of a usage error or a refused field: the line
// behind the program's name, and where to read more.
std::string usage_error_text(std::string_view sentence, const Language& language = Language());

// What --help prints: the usage, then every option of the settings table
// and of the program, their bounds and choices read from the value grids
// and the option buttons, wrapped to 79 columns.
std::string usage_text(const Language& language = Language());

// What --version prints.
std::string version_text(std::string_view version, const Language& language = Language());

}  // namespace af
