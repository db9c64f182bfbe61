#pragma once

#include <cstdint>

namespace af {

// The sound of each vector, told apart by ear as well as by side: vector 1
// a pure tone, vector 2 a brighter one with its second and third harmonics.
enum class Timbre : std::uint8_t { Pure, Bright };

// sin(2 pi turns), in plain double steps (a folded series, no C library
// call), so that every build makes the same samples to the bit.
double unit_sine(double turns);

// The waveform of a timbre at that phase in turns; its peak is 1.
double timbre_wave(Timbre timbre, double turns);

}  // namespace af
