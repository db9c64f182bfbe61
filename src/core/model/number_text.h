#pragma once

#include <string>

namespace af {

// Shortest decimal text with at most seven significant digits, no leading
// blank and no trailing zeros: "0", "0.01", "2", "15".
std::string plain_text(double value);

// The same digits with one blank where a non-negative number's sign goes: " 1".
std::string signed_text(double value);

}  // namespace af
