#pragma once

#include <string>
#include <string_view>

#include "core/language/language.h"
#include "core/model/state.h"
#include "core/model/vocabulary.h"

namespace af {

// Everything the program says to a screen reader, worked out from the state
// alone, in a language: each sentence is one message of the translators'
// catalogues, with placeholders for its numbers and counts. English unless
// a language is given.

// What a screen reader says for a control whose caption says too little or
// nothing; an empty name leaves the caption. Spin controls and views also
// get their value and description from the state, after each change.
struct ControlSpeech {
    std::string name;
    std::string description;
};
ControlSpeech control_speech(std::string_view control, const Language& language = Language());

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
SpinReading spin_reading(const State& s, StepTarget target, const Language& language = Language());

// Said when a press is refused at a bound: "15, maximum", "0, minimum".
std::string bound_text(const State& s, StepTarget target, Direction direction,
                       const Language& language = Language());

// The circle view at the time on show: the time, and each vector's length,
// angle and height; after a run, which leaves no vectors drawn, the circles.
std::string circle_description(const State& s, const Language& language = Language());

// How far the trace of a wave view reaches, which the state does not hold.
struct TraceReach {
    bool whole_run = false;  // a whole run's trace is on the view
    float latest_ms = 0;     // else: the latest time a dot was set at by hand
};
// "sine curve, amplitude 10, one period in one second, starting at 0 and
// rising", or "amplitude 10; traced from 0 to 0.05 seconds", and where the marker is.
std::string wave_description(const State& s, int vector, TraceReach reach,
                             const Language& language = Language());

// "running one second of time"
std::string run_start_text(const State& s, const Language& language = Language());
// "run ended: vector 1 turned once, vector 2 turned twice; time back to 0"
std::string run_end_text(const State& s, const Language& language = Language());
// "time 0, traces cleared"
std::string reset_text(const Language& language = Language());
// What a new length or angular frequency says: "time back to 0, traces
// cleared", each part only where it was so; empty where neither was.
std::string restart_text(bool time_was_on, bool traces_were_on, const Language& language = Language());

// "picture copied", "picture saved": a picture of the views was put on the
// clipboard or into a file.
std::string picture_copied_text(const Language& language = Language());
std::string picture_saved_text(const Language& language = Language());

// A value said ahead of what an act says beside it: "14, time back to 0".
std::string value_then(const std::string& value, const std::string& said,
                       const Language& language = Language());

}  // namespace af
