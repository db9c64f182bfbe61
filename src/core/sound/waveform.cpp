#include "core/sound/waveform.h"

#include <cmath>

namespace af {

double unit_sine(double turns) {
    double t = turns - std::floor(turns);  // [0, 1)
    // Folded onto a quarter turn either side of 0, where the series is short.
    if (t > 0.75) {
        t = t - 1.0;
    } else if (t > 0.25) {
        t = 0.5 - t;
    }
    constexpr double kTwoPi = 6.28318530717958647692;
    const double x = kTwoPi * t;
    const double x2 = x * x;
    // sin x = x - x^3/3! + ... - x^15/15!: for |x| <= pi/2 the error is below 1e-11.
    double term = x;
    double sum = x;
    for (int k = 3; k <= 15; k += 2) {
        term = -term * x2 / (k * (k - 1.0));
        sum = sum + term;
    }
    return sum;
}

double timbre_wave(Timbre timbre, double turns) {
    if (timbre == Timbre::Pure) return unit_sine(turns);
    // sin x + sin 2x / 2 + sin 3x / 4 peaks at 1.38757 (x = 0.8274): scaled to 1.
    constexpr double kBrightPeak = 1.3875704;
    // sin 2x = 2 sin x cos x and sin 3x = sin x (3 - 4 sin^2 x): two series, not three.
    const double s = unit_sine(turns);
    const double c = unit_sine(turns + 0.25);
    const double wave = s + 0.5 * (2.0 * s * c) + 0.25 * (s * (3.0 - 4.0 * s * s));
    return wave / kBrightPeak;
}

}  // namespace af
