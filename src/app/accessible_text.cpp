#include "app/accessible_text.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "app/layout.h"
#include "app/number_text.h"
#include "draw/get_circ.h"

namespace af {

namespace {

double seconds(const State& s) { return s.t_ms / s.t_unit; }

// Turns of vector i in the wave views' time span, which are also the periods
// its trace shows: at n pi per second (as its label reads) a vector turns
// n / 2 times a second, one turn being 2 pi.
double turns_in_span(const State& s, int i) {
    const double omega_over_pi = s.speed.at(i) / static_cast<float>(s.sp_unit);
    return omega_over_pi / 2 * s.t_span;
}

// Whole numbers up to ten read as words: "one period", "2.5 periods".
std::string count_text(double n, const char* one, const char* many) {
    static const std::array<const char*, 11> words{"no", "one", "two", "three", "four", "five",
                                                   "six", "seven", "eight", "nine", "ten"};
    const bool whole = n >= 0 && n <= 10 && n == std::floor(n);
    const std::string number = whole ? words[static_cast<std::size_t>(n)] : plain_text(n);
    return number + " " + (n == 1 ? one : many);
}

std::string times_text(double n) {
    if (n == 1) return "once";
    if (n == 2) return "twice";
    return count_text(n, "time", "times");
}

// Rounded to one decimal, as a listener needs it; never "-0".
std::string tenths(double x) { return plain_text(std::round(x * 10) / 10); }

struct Range {
    double value, minimum, maximum, step;
};

// What stepping by `step` counts from `value` counts can reach, kept above
// zero and at most `top`; counted in whole counts, shown in `unit`s.
Range reachable(double value, double step, double top, double unit) {
    if (step <= 0) return {value / unit, value / unit, value / unit, step / unit};
    const double down = std::max(0.0, std::ceil(value / step) - 1);
    const double up = std::max(0.0, std::floor((top - value) / step));
    return {value / unit, (value - down * step) / unit, (value + up * step) / unit, step / unit};
}

Range range_of(const State& s, Spinner spinner) {
    const int i = spinner.vector;
    switch (spinner.quantity) {
    case Quantity::Radius:
        return reachable(s.radius.at(i), s.r_step, s.y_range, 1);
    case Quantity::Speed:
        return reachable(s.speed.at(i), s.sp_step, s.sp_max, s.sp_unit);
    case Quantity::Time:
        break;
    }
    // The time goes down to zero itself, not to the first step above it, and up without end.
    const double step = s.t_step / static_cast<double>(s.t_unit);
    const double t = seconds(s);
    const double lowest = step > 0 ? t - std::floor(s.t_ms / s.t_step) * step : t;
    return {t, lowest, std::numeric_limits<double>::infinity(), step};
}

std::string vector_name(int i) { return "vector " + std::to_string(i + 1); }

}  // namespace

SpinReading spin_reading(const State& s, Spinner spinner) {
    const Range range = range_of(s, spinner);
    const std::string number = plain_text(range.value);
    const std::string index = std::to_string(spinner.vector + 1);
    SpinReading reading{"", "", range.value, range.minimum, range.maximum, range.step};
    switch (spinner.quantity) {
    case Quantity::Time:
        reading.name = "time";
        reading.text = number + (range.value == 1 ? " second" : " seconds");
        break;
    case Quantity::Radius:
        reading.name = "r" + index;
        reading.text = number;
        break;
    case Quantity::Speed:
        reading.name = "ω" + index;
        reading.text = number + " π radians per second";
        break;
    }
    return reading;
}

std::string bound_text(const State& s, Spinner spinner, Spin direction) {
    const Range range = range_of(s, spinner);
    std::string text = plain_text(range.value);
    if (spinner.quantity == Quantity::Speed) text += " π";
    return text + (direction == Spin::Up ? ", maximum" : ", minimum");
}

ControlSpeech control_speech(std::string_view control) {
    struct Entry {
        std::string_view control;
        const char* name;
        const char* description;
    };
    static constexpr Entry entries[] = {
        {"Frame1", "controls", ""},
        {"Frame2", "wave of vector 1", ""},
        {"Frame3", "wave of vector 2", ""},
        {"b_circ", "circle view", ""},
        {"wave_s(0)", "wave view of vector 1", ""},
        {"wave_s(1)", "wave view of vector 2", ""},
        {"max_range", "", "the largest radius: each view reaches this far from its centre line"},
        {"axis_s", "", "the time axis of one second"},
        {"axis_c", "", "the time axis of one second"},
        {"Label7(0)", "S", "the wave of vector 1: its height against time"},
        {"Label7(1)", "C", "the wave of vector 2: its height against time"},
        // Spin controls are named by their reading, after start-up and each change.
        {"SpinButton5", "", "Up and Down step the time on show"},
        {"SpinButton6", "", "Up and Down change the length of vector 1"},
        {"SpinButton7", "", "Up and Down change the length of vector 2"},
        {"SpinButton8", "", "Up and Down change the angular frequency of vector 1"},
        {"SpinButton9", "", "Up and Down change the angular frequency of vector 2"},
        {"Command1", "ANIM", "runs one second of simulated time from zero"},
        {"Command2", "RESET", "returns to time zero and clears the traces"},
    };
    for (const Entry& e : entries) {
        if (e.control == control) return {e.name, e.description};
    }
    // An option says its group and unit: "step t, 0.005 seconds".
    for (const ControlSpec& c : window_layout()) {
        if (c.name != control || c.kind != ControlKind::OptionButton) continue;
        for (const ControlSpec& group : window_layout()) {
            if (group.name != c.parent) continue;
            const char* unit = group.caption == "step t" ? " seconds" : " π radians per second";
            return {std::string(group.caption) + ", " + std::string(c.caption) + unit, ""};
        }
    }
    return {};
}

std::string circle_description(const State& s) {
    std::string text = "t " + plain_text(seconds(s)) + " s.";
    if (s.need_base) {
        // A run ends with the moving layer taken off: only the circles are left.
        text += " Circles of radius";
        for (int i = 0; i <= s.last_vec; ++i) {
            text += (i == 0 ? " " : " and ") + plain_text(s.radius.at(i));
        }
        return text + "; the vectors show again at the next step.";
    }
    for (int i = 0; i <= s.last_vec; ++i) {
        double degrees = std::fmod(vector_angle(s, i) * 180.0 / std::numbers::pi, 360.0);
        degrees = std::round(degrees);
        if (degrees >= 360) degrees -= 360;
        text += " Vector " + std::to_string(i + 1) + ": length " + plain_text(s.radius.at(i)) + ", at " +
                plain_text(degrees) + " degrees, height " + tenths(vector_tip(s, i).y) + ".";
    }
    return text;
}

std::string run_start_text(const State& s) {
    return "running " + count_text(s.t_span, "second", "seconds") + " of time";
}

std::string run_end_text(const State& s) {
    std::string text = "run ended:";
    for (int i = 0; i <= s.last_vec; ++i) {
        text += (i == 0 ? " " : ", ") + vector_name(i) + (i == 0 ? " turned " : " ") + times_text(turns_in_span(s, i));
    }
    return text + "; time back to 0";
}

std::string sine_text(const State& s, int vector) {
    return "sine curve, amplitude " + plain_text(s.radius.at(vector)) + ", " +
           count_text(turns_in_span(s, vector), "period", "periods") + " in " +
           count_text(s.t_span, "second", "seconds") + ", starting at 0 and rising";
}

std::string marker_text(const State& s, int vector) {
    return "now at " + plain_text(seconds(s)) + " s, height " + tenths(vector_tip(s, vector).y);
}

}  // namespace af
