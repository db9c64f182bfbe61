#include "core/acts/spoken_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "core/model/frame.h"
#include "core/model/layout.h"
#include "core/model/number_text.h"
#include "core/model/step_rule.h"

namespace af {

namespace {

// Every fixed phrase the program says.
constexpr struct {
    const char* seconds_unit = " seconds";
    const char* second_unit = " second";
    const char* frequency_unit = " π radians per second";
    const char* pi = " π";
    const char* maximum = ", maximum";
    const char* minimum = ", minimum";
    const char* time_name = "time";
    const char* run_start = "running ";
    const char* run_end = "run ended:";
    const char* time_back = "time back to 0";
    const char* traces_cleared = "traces cleared";
    const char* reset = "time 0, traces cleared";
    const char* circles = " Circles of radius";
    const char* vectors_later = "; the vectors show again at the next step.";
    const char* amplitude = "amplitude ";
    const char* traced_from = "traced from 0 to ";
    const char* traced_at_start = "traced at 0 s only";
    const char* sine = "sine curve, amplitude ";
    const char* rising = ", starting at 0 and rising";
    const char* now_at = "now at ";
    std::array<const char*, 11> numbers{"no", "one", "two", "three", "four", "five",
                                        "six", "seven", "eight", "nine", "ten"};
} kSay;

// Controls whose captions say too little: name (empty keeps the caption) and description.
struct ControlEntry {
    std::string_view control;
    const char* name;
    const char* description;
};
constexpr ControlEntry kControls[] = {
    {"control_panel", "controls", ""},
    {"wave_panel_1", "wave of vector 1", ""},
    {"wave_panel_2", "wave of vector 2", ""},
    {"circle_view", "circle view", ""},
    {"wave_view_1", "wave view of vector 1", ""},
    {"wave_view_2", "wave view of vector 2", ""},
    {"range_label", "", "the largest radius: each view reaches this far from its centre line"},
    {"axis_label_1", "", "the time axis of one second"},
    {"axis_label_2", "", "the time axis of one second"},
    {"wave_caption_1", "S", "the wave of vector 1: its height against time"},
    {"wave_caption_2", "C", "the wave of vector 2: its height against time"},
    // Spin controls are named by their reading, after start-up and each change.
    {"time_spin", "", "Up and Down step the time on show"},
    {"r1_spin", "", "Up and Down change the length of vector 1"},
    {"r2_spin", "", "Up and Down change the length of vector 2"},
    {"omega1_spin", "", "Up and Down change the angular frequency of vector 1"},
    {"omega2_spin", "", "Up and Down change the angular frequency of vector 2"},
    {"run_button", "ANIM", "runs one second of simulated time from zero"},
    {"reset_button", "RESET", "returns to time zero and clears the traces"},
};

double seconds(const State& s) { return s.time_ms / s.ms_per_second; }

// Turns of vector i in the wave views' time span, which are also the periods
// its trace shows: at n pi per second (as its label reads) a vector turns
// n / 2 times a second, one turn being 2 pi.
double turns_in_span(const State& s, int i) {
    const double omega_over_pi = s.frequency.at(i) / static_cast<float>(s.counts_per_unit);
    return omega_over_pi / 2 * s.span_seconds;
}

// Whole numbers up to ten read as words: "one period", "2.5 periods".
std::string count_text(double n, const char* one, const char* many) {
    const bool whole = n >= 0 && n <= 10 && n == std::floor(n);
    const std::string number = whole ? kSay.numbers[static_cast<std::size_t>(n)] : plain_text(n);
    return number + " " + (n == 1 ? one : many);
}

std::string times_text(double n) {
    if (n == 1) return "once";
    if (n == 2) return "twice";
    return count_text(n, "time", "times");
}

// Rounded to one decimal, as a listener needs it; never "-0".
std::string tenths(double x) { return plain_text(std::round(x * 10) / 10); }

std::string vector_name(int i) { return "vector " + std::to_string(i + 1); }

std::string marker_text(const State& s, int vector) {
    return kSay.now_at + plain_text(seconds(s)) + " s, height " + tenths(vector_tip(s, vector).y);
}

std::string sine_text(const State& s, int vector) {
    return kSay.sine + plain_text(s.length.at(vector)) + ", " +
           count_text(turns_in_span(s, vector), "period", "periods") + " in " +
           count_text(s.span_seconds, "second", "seconds") + kSay.rising;
}

}  // namespace

SpinReading spin_reading(const State& s, StepTarget target) {
    const StepRule rule = step_rule(s, target);
    const double unit = units_per_shown(s, target.quantity);
    SpinReading reading{"",
                        "",
                        rule.value / unit,
                        reach(rule, Direction::Down) / unit,
                        reach(rule, Direction::Up) / unit,
                        rule.step / unit};
    const std::string number = plain_text(reading.value);
    const std::string index = std::to_string(target.vector + 1);
    switch (target.quantity) {
    case Quantity::Time:
        reading.name = kSay.time_name;
        reading.text = number + (reading.value == 1 ? kSay.second_unit : kSay.seconds_unit);
        break;
    case Quantity::Length:
        reading.name = "r" + index;
        reading.text = number;
        break;
    case Quantity::AngularFrequency:
        reading.name = "ω" + index;
        reading.text = number + kSay.frequency_unit;
        break;
    }
    return reading;
}

std::string bound_text(const State& s, StepTarget target, Direction direction) {
    const double unit = units_per_shown(s, target.quantity);
    std::string text = plain_text(step_rule(s, target).value / unit);
    if (target.quantity == Quantity::AngularFrequency) text += kSay.pi;
    return text + (direction == Direction::Up ? kSay.maximum : kSay.minimum);
}

ControlSpeech control_speech(std::string_view control) {
    for (const ControlEntry& e : kControls) {
        if (e.control == control) return {e.name, e.description};
    }
    // An option says its group and unit: "step t, 0.005 seconds".
    const ControlSpec* c = layout_control(control);
    if (!c || c->kind != ControlKind::OptionButton || !c->act) return {};
    const ControlSpec* group = layout_control(c->parent);
    if (!group) return {};
    const bool time = c->act->kind == Act::Kind::ChooseTimeStep;
    return {std::string(group->caption) + ", " + std::string(c->caption) +
                (time ? kSay.seconds_unit : kSay.frequency_unit),
            ""};
}

std::string circle_description(const State& s) {
    std::string text = "t " + plain_text(seconds(s)) + " s.";
    if (s.static_layer_due) {
        // A run ends with the moving layer taken off: only the circles are left.
        text += kSay.circles;
        for (int i = 0; i <= s.last_vector; ++i) {
            text += (i == 0 ? " " : " and ") + plain_text(s.length.at(i));
        }
        return text + kSay.vectors_later;
    }
    for (int i = 0; i <= s.last_vector; ++i) {
        double degrees = std::fmod(vector_angle(s, i) * 180.0 / std::numbers::pi, 360.0);
        degrees = std::round(degrees);
        if (degrees >= 360) degrees -= 360;
        text += " Vector " + std::to_string(i + 1) + ": length " + plain_text(s.length.at(i)) + ", at " +
                plain_text(degrees) + " degrees, height " + tenths(vector_tip(s, i).y) + ".";
    }
    return text;
}

std::string wave_description(const State& s, int vector, TraceReach trace) {
    const float span_ms = static_cast<float>(s.span_seconds) * s.ms_per_second;
    std::string text;
    if (trace.whole_run) {
        text = sine_text(s, vector);
    } else {
        text = kSay.amplitude + plain_text(s.length.at(vector)) + "; ";
        // Dots past the view's right edge are not on it.
        const float latest = std::min(trace.latest_ms, span_ms);
        text += latest > 0 ? kSay.traced_from + plain_text(latest / s.ms_per_second) + " s" : kSay.traced_at_start;
    }
    // After a run the marker is off until the next step.
    if (!s.static_layer_due) text += "; " + marker_text(s, vector);
    return text;
}

std::string run_start_text(const State& s) {
    return kSay.run_start + count_text(s.span_seconds, "second", "seconds") + " of time";
}

std::string run_end_text(const State& s) {
    std::string text = kSay.run_end;
    for (int i = 0; i <= s.last_vector; ++i) {
        text += (i == 0 ? " " : ", ") + vector_name(i) + (i == 0 ? " turned " : " ") + times_text(turns_in_span(s, i));
    }
    return text + "; " + kSay.time_back;
}

std::string reset_text() { return kSay.reset; }

std::string restart_text(bool time_was_on, bool traces_were_on) {
    std::string said = time_was_on ? kSay.time_back : "";
    if (traces_were_on) said = value_then(said, kSay.traces_cleared);
    return said;
}

std::string picture_copied_text() { return "picture copied"; }

std::string picture_saved_text() { return "picture saved"; }

std::string value_then(const std::string& value, const std::string& said) {
    if (value.empty()) return said;
    return said.empty() ? value : value + ", " + said;
}

}  // namespace af
