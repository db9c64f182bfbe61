#include "core/sound/pitch.h"

namespace af {

double two_to_the(double x) {
    // e^(x ln 2) by its series: for |x ln 2| <= 0.7, the terms after the
    // 17th are below the last bit of a double.
    constexpr double kLn2 = 0.69314718055994530942;
    const double y = x * kLn2;
    double term = 1.0;
    double sum = 1.0;
    for (int k = 1; k <= 17; ++k) {
        term = term * y / k;
        sum = sum + term;
    }
    return sum;
}

double pitch_of_height(double share) {
    const double within = share < -1.0 ? -1.0 : (share > 1.0 ? 1.0 : share);
    return kMiddlePitchHz * two_to_the(within);
}

}  // namespace af
