#pragma once

namespace af {

// The pitch a height sounds at: equal steps of height are equal musical
// intervals, two octaves from the bottom of the view to its top.
inline constexpr double kLowestPitchHz = 220.0;   // a height of -extent
inline constexpr double kMiddlePitchHz = 440.0;   // the centre line
inline constexpr double kHighestPitchHz = 880.0;  // a height of +extent

// `share` is the height over the view's extent, -1 at the bottom to 1 at
// the top (beyond that, the nearest end).
double pitch_of_height(double share);

// 2 to the power x for x from -1 to 1, in plain double steps, so that every
// build (whatever its C library's exp2) makes the same pitches to the bit.
double two_to_the(double x);

}  // namespace af
