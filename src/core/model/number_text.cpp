#include "core/model/number_text.h"

#include <cmath>
#include <cstdio>
#include <clocale>
#include <cstdlib>
#include <string_view>

namespace af {

namespace {

// The C library writes the decimal point of the locale in force, which a
// toolkit may have set from the desktop's; the program writes its own.
std::string point_as_dot(std::string text) {
    const std::string_view point = std::localeconv()->decimal_point;
    if (point == "." || point.empty()) return text;
    const std::size_t at = text.find(point);
    if (at == std::string::npos) return text;
    return text.substr(0, at) + '.' + text.substr(at + point.size());
}

// Drops trailing zeros of a fraction, and the point if nothing is left of it.
std::string trim_fraction(std::string digits) {
    if (digits.find('.') == std::string::npos) return digits;
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    if (!digits.empty() && digits.back() == '.') digits.pop_back();
    return digits;
}

}  // namespace

std::string plain_text(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0) return "0";  // also folds -0 into "0"

    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.7G", value);
    std::string text = point_as_dot(buffer);
    const auto e = text.find('E');
    if (e == std::string::npos) return trim_fraction(text);

    // Very large or small values keep seven digits in exponent form: 1.234568E+07.
    std::string mantissa = trim_fraction(text.substr(0, e));
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return mantissa + buffer;
}

std::string signed_text(double value) {
    std::string text = plain_text(value);
    return text.front() == '-' ? text : " " + text;
}

std::string plain_text(double value, const Language& language) { return language.numeral(plain_text(value)); }

std::string grouped_text(std::uint64_t count, const Language& language) {
    const std::string digits = std::to_string(count);
    std::string text;
    for (std::size_t k = 0; k < digits.size(); ++k) {
        if (k > 0 && (digits.size() - k) % 3 == 0) text += language.group_separator();
        text += language.numeral(std::string_view(digits).substr(k, 1));
    }
    return text;
}

std::string signed_text(double value, const Language& language) {
    std::string text = plain_text(value, language);
    return text.front() == '-' ? text : " " + text;
}

}  // namespace af
