#pragma once

#include <cstdint>

namespace af {

// The program names colours as 24-bit values in blue-green-red order
// (0xFF0000 blue, 0x0000FF red); every screen wants red, green and blue.
// This is the one place that knows the order.
struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

constexpr Rgb rgb_of(std::uint32_t bgr) {
    return {static_cast<std::uint8_t>(bgr & 0xFFu), static_cast<std::uint8_t>((bgr >> 8) & 0xFFu),
            static_cast<std::uint8_t>((bgr >> 16) & 0xFFu)};
}

// An opaque pixel as images hold it, the word 0xFFRRGGBB.
constexpr std::uint32_t opaque_rgb_word(Rgb c) {
    return 0xFF000000u | (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

// The colour of an image's pixel word, as the program names colours.
constexpr std::uint32_t bgr_of_rgb_word(std::uint32_t word) {
    return ((word & 0xFFu) << 16) | (word & 0xFF00u) | ((word >> 16) & 0xFFu);
}

}  // namespace af
