#include "core/setup/decimal_text.h"

#include <cstdlib>
#include <numeric>

namespace af {

namespace {

// Enough digits for every bound of the program, few enough that no product
// below can overflow 64 bits.
constexpr std::size_t kMostDigits = 9;

bool all_digits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

std::int64_t digits_value(std::string_view digits) {
    std::int64_t value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

std::optional<std::int64_t> whole_units(std::string_view text, std::int64_t per_unit) {
    if (per_unit <= 0) return std::nullopt;
    const std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const bool has_point = point != std::string_view::npos;
    if (whole.empty() || !all_digits(whole) || !all_digits(fraction) || (has_point && fraction.empty())) {
        return std::nullopt;
    }
    while (whole.size() > 1 && whole.front() == '0') whole.remove_prefix(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
    if (whole.size() > kMostDigits || fraction.size() > kMostDigits) return std::nullopt;

    // value = numerator / 10^d; in units, numerator * per_unit / 10^d, which
    // is whole when numerator takes up what per_unit leaves of 10^d.
    std::int64_t ten_power = 1;
    for (std::size_t k = 0; k < fraction.size(); ++k) ten_power *= 10;
    const std::int64_t numerator = digits_value(whole) * ten_power + digits_value(fraction);
    const std::int64_t shared = std::gcd(per_unit, ten_power);
    const std::int64_t left_over = ten_power / shared;
    if (numerator % left_over != 0) return std::nullopt;
    return numerator / left_over * (per_unit / shared);
}

std::string units_text(std::int64_t units, std::int64_t per_unit) {
    if (per_unit <= 0) return {};
    std::string text = units < 0 ? "-" : "";
    const std::uint64_t magnitude =
        units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    const auto divisor = static_cast<std::uint64_t>(per_unit);
    text += std::to_string(magnitude / divisor);
    std::uint64_t rest = magnitude % divisor;
    if (rest == 0) return text;
    text += '.';
    for (std::size_t k = 0; k < kMostDigits && rest != 0; ++k) {
        rest *= 10;
        text += static_cast<char>('0' + rest / divisor);
        rest %= divisor;
    }
    return text;
}

}  // namespace af
