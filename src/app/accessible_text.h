#pragma once

#include <string>
#include <string_view>

#include "app/state.h"
#include "controls/spin.h"

namespace af {

// What a screen reader says for a control whose caption says too little or
// nothing; an empty name leaves the caption. Spin controls and views also
// get their value and description from the state, after each change.
struct ControlSpeech {
    std::string name;
    std::string description;
};
ControlSpeech control_speech(std::string_view control);

// The value a spin control steps.
enum class Quantity { Time, Radius, Speed };

struct Spinner {
    Quantity quantity = Quantity::Time;
    int vector = 0;  // for Radius and Speed
};

// A spin control as assistive technology reads it. The bounds are the
// values the control can still reach with the step in force, since that is
// where a press is refused.
struct SpinReading {
    std::string name;  // "time", "r1", "ω1"
    std::string text;  // the value with its unit: "0.02 seconds", "11", "3 π radians per second"
    double value = 0;
    double minimum = 0;
    double maximum = 0;  // infinity for the time, which has no bound
    double step = 0;
};

SpinReading spin_reading(const State& s, Spinner spinner);

// Said when a press is refused at a bound: "15, maximum", "0, minimum".
std::string bound_text(const State& s, Spinner spinner, Spin direction);

// The circle view at the time on show: the time, and each vector's length,
// angle and height; after a run, which leaves no vectors drawn, the circles.
std::string circle_description(const State& s);

// "running one second of time"
std::string run_start_text(const State& s);
// "run ended: vector 1 turned once, vector 2 twice; time back to 0"
std::string run_end_text(const State& s);

// "sine curve, amplitude 10, one period in one second, starting at 0 and rising"
std::string sine_text(const State& s, int vector);

// Where the marker of a wave view is: "now at 0.05 s, height 3.1".
std::string marker_text(const State& s, int vector);

}  // namespace af
