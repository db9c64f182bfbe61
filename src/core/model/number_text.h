#pragma once

#include <cstdint>
#include <string>

#include "core/language/language.h"

namespace af {

// Shortest decimal text with at most seven significant digits, no leading
// blank and no trailing zeros: "0", "0.01", "2", "15".
std::string plain_text(double value);

// The same digits with one blank where a non-negative number's sign goes: " 1".
std::string signed_text(double value);

// The same, written as the language writes numbers: "0,005" in German.
std::string plain_text(double value, const Language& language);
std::string signed_text(double value, const Language& language);

// A whole count with its thousands apart, as the language writes them:
// "2,000" in English, "2.000" in German, "2000" where none are set apart.
std::string grouped_text(std::uint64_t count, const Language& language);

}  // namespace af
