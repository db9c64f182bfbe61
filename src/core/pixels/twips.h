#pragma once

#include <cmath>

namespace af {

// Layout units: 1440 twips an inch, 15 twips a pixel at 96 dots per inch.
inline constexpr double kTwipsPerPixel = 15.0;

// Logical pixels (the toolkit's device-independent unit) for a twip length.
inline int twips_to_px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// Twips for a length in logical pixels.
inline double px_to_twips(double px) { return px * kTwipsPerPixel; }

// Pixels for a twip length at a scale (a zoom, a device pixel ratio or their
// product): the layout's own pixels, scaled, so that every length scales alike.
inline int twips_to_px(double twips, double scale) {
    return static_cast<int>(std::lround(twips_to_px(twips) * scale));
}

}  // namespace af
