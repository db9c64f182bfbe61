#pragma once

#include <array>
#include <cstdint>

namespace af {

// Vectors have room for indices 0..10; only 0..last_vec are drawn.
inline constexpr int kVectorSlots = 11;

// The whole simulation state, in the order the window holds it. Fields that
// behave as untyped numbers always carry a 16-bit integer, so they are stored
// as one; each formula states the precision it is computed in.
struct State {
    std::int16_t y_range = 0;      // half-extent of every view's scale, view units
    std::int16_t t_span = 0;       // wave view width, seconds
    std::int16_t sp_max = 0;       // largest speed count
    float t_ms = 0.0f;             // simulated time on show, whole milliseconds
    float axis_periods = 0.0f;     // length factor of the wave views' time axis
    float pi_val = 0.0f;           // the stored pi the drawing uses (3.14159f)
    std::array<float, kVectorSlots> radius{};  // vector lengths, view units
    std::int16_t t_step = 0;       // ms per animation or manual step
    std::int16_t r_step = 0;       // radius change per spin step
    std::int16_t sp_step = 0;      // speed counts per spin step
    bool need_base = false;        // static layer due; no moving layer on screen
    std::int16_t t_unit = 0;       // milliseconds per second
    std::int16_t sp_unit = 0;      // speed counts per displayed unit
    std::array<float, kVectorSlots> speed{};   // angular frequency counts
    std::int16_t last_vec = 0;     // highest vector index in use

    bool operator==(const State&) const = default;
};

}  // namespace af
