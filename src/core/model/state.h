#pragma once

#include <array>
#include <cstdint>

namespace af {

// Two vectors turn about the centre, numbered 0 and 1.
inline constexpr int kVectors = 2;

// What never changes once the program runs, in the types the formulas take
// them in: each formula states the precision it is computed in.
inline constexpr std::int16_t kViewExtent = 15;    // half-extent of every view's scale, view units; longest length
inline constexpr std::int16_t kSpanSeconds = 1;    // wave view width, seconds; a run covers it
inline constexpr std::int16_t kMaxFrequency = 100;  // largest angular-frequency count
inline constexpr std::int16_t kLengthStep = 1;     // length change per spin step
inline constexpr std::int16_t kMsPerSecond = 1000;
inline constexpr std::int16_t kCountsPerUnit = 10;  // angular-frequency counts per unit shown (π per second)
inline constexpr float kAxisPeriods = 1.0f;        // length factor of the wave views' time axis
// The pi the drawing uses, in single precision, short of the true one: every
// angle, and so every pixel, follows from it.
inline constexpr float kPi = 3.14159f;

// What the circle view holds, which says how the next frame is drawn and
// what a screen reader is told the views show.
enum class OnShow : std::uint8_t {
    Cleared,  // nothing: the next frame draws the axes and circles first
    Circles,  // the axes and circles without the vectors, between two frames
    Vectors,  // the axes, the circles and the vectors at the time on show
    // What a run leaves: the axes and circles, drawn on screen alone (the
    // persistent images kept the cleared views), so the next frame draws
    // them afresh; the vectors show again at the next step.
    RunsEnd,
};

// What changes as the program runs.
struct State {
    float time_ms = 0.0f;                    // simulated time on show, whole milliseconds
    std::array<float, kVectors> length{};     // vector lengths, view units
    std::array<float, kVectors> frequency{};  // angular frequencies, in counts
    std::int16_t time_step_ms = 0;           // ms per run step or manual step
    std::int16_t frequency_step = 0;         // angular-frequency counts per spin step
    OnShow on_show = OnShow::Cleared;

    bool operator==(const State&) const = default;
};

}  // namespace af
