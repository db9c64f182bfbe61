#pragma once

#include <array>
#include <cstdint>

namespace af {

// Vectors have room for indices 0..10; only 0..last_vector are drawn.
inline constexpr int kVectorSlots = 11;

// The whole simulation state. Fields that behave as untyped numbers always
// carry a 16-bit integer, so they are stored as one; each formula states the
// precision it is computed in.
struct State {
    std::int16_t view_extent = 0;     // half-extent of every view's scale, view units; longest length
    std::int16_t span_seconds = 0;    // wave view width, seconds; a run covers it
    std::int16_t max_frequency = 0;   // largest angular-frequency count
    float time_ms = 0.0f;             // simulated time on show, whole milliseconds
    float axis_periods = 0.0f;        // length factor of the wave views' time axis
    float pi = 0.0f;                  // the stored pi the drawing uses (3.14159f)
    std::array<float, kVectorSlots> length{};  // vector lengths, view units
    std::int16_t time_step_ms = 0;    // ms per run step or manual step
    std::int16_t length_step = 0;     // length change per spin step
    std::int16_t frequency_step = 0;  // angular-frequency counts per spin step
    bool static_layer_due = false;    // static layer due; no moving layer on screen
    std::int16_t ms_per_second = 0;
    std::int16_t counts_per_unit = 0;  // angular-frequency counts per unit shown (π per second)
    std::array<float, kVectorSlots> frequency{};  // angular frequencies, in counts
    std::int16_t last_vector = 0;     // highest vector index in use

    bool operator==(const State&) const = default;
};

}  // namespace af
