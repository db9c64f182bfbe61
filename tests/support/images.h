#pragma once

#include <cstdint>
#include <vector>

#include "core/pixels/surface.h"

namespace af::testing {

// FNV-1a over the pixels on screen: equal images, equal hashes.
inline std::uint64_t image_hash(const std::vector<std::uint32_t>& pixels) {
    std::uint64_t h = 1469598103934665603ull;
    for (const std::uint32_t p : pixels) {
        for (int k = 0; k < 4; ++k) {
            h ^= (p >> (8 * k)) & 0xFFu;
            h *= 1099511628211ull;
        }
    }
    return h;
}

inline std::uint64_t screen_hash(const Surface& s) { return image_hash(s.screen()); }

// Pixels whose on-screen colour differs between two images of one size.
inline int differing_pixels(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    int n = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
    return n;
}

inline int count_color(const Surface& s, std::uint32_t bgr) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) n += s.pixel(x, y) == bgr;
    }
    return n;
}

inline bool all_white(const std::vector<std::uint32_t>& pixels) {
    for (const std::uint32_t p : pixels) {
        if ((p & 0xFFFFFFu) != 0xFFFFFFu) return false;
    }
    return true;
}

}  // namespace af::testing
