#include "core/acts/spoken_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "core/model/frame.h"
#include "core/model/layout.h"
#include "core/model/number_text.h"
#include "core/model/shown_caption.h"
#include "core/model/step_rule.h"

namespace af {

namespace {

// Whole numbers up to ten are read as words: "one period", "two periods".
constexpr std::array<std::string_view, 11> kNumberWords{
    // TRANSLATORS: whole counts from 0 to 10 as they are read out before a
    // noun: "no periods", "one period", "two periods", "one second". Pick the
    // form that suits "period", "second" and "time" (as in "three times")
    // alike, or write the digit where no word would.
    NC_("number word", "no"),
    // TRANSLATORS: 1 before a noun: "one period", "one second".
    NC_("number word", "one"),
    // TRANSLATORS: 2 before a noun: "two periods"; the same goes for the numbers up to ten.
    NC_("number word", "two"),
    // TRANSLATORS: 3 before a noun: "three periods", "three times".
    NC_("number word", "three"),
    // TRANSLATORS: 4 before a noun.
    NC_("number word", "four"),
    // TRANSLATORS: 5 before a noun.
    NC_("number word", "five"),
    // TRANSLATORS: 6 before a noun.
    NC_("number word", "six"),
    // TRANSLATORS: 7 before a noun.
    NC_("number word", "seven"),
    // TRANSLATORS: 8 before a noun.
    NC_("number word", "eight"),
    // TRANSLATORS: 9 before a noun.
    NC_("number word", "nine"),
    // TRANSLATORS: 10 before a noun.
    NC_("number word", "ten"),
};

double seconds(const State& s) { return s.time_ms / kMsPerSecond; }

// A number as a screen reader says it, in the language's digits.
std::string spoken_number(double value, const Language& l) { return l.spoken_numeral(plain_text(value)); }

// Turns of vector i in the wave views' time span, which are also the periods
// its trace shows: at n pi per second (as its label reads) a vector turns
// n / 2 times a second, one turn being 2 pi.
double turns_in_span(const State& s, int i) {
    const double omega_over_pi = s.frequency.at(i) / static_cast<float>(kCountsPerUnit);
    return omega_over_pi / 2 * kSpanSeconds;
}

bool whole(double n) { return n >= 0 && n == std::floor(n); }

// The count a plural form is chosen by: a whole count itself; for a count
// with a fraction, which has messages of its own, its whole part.
unsigned long plural_count(double n) { return n > 0 ? static_cast<unsigned long>(std::floor(std::min(n, 1e9))) : 0; }

// A count as read out: whole numbers up to ten in words where `words`.
std::string count_number(double n, bool words, const Language& l) {
    if (words && whole(n) && n <= 10) return std::string(translate(l, "number word", kNumberWords[static_cast<std::size_t>(n)]));
    return spoken_number(n, l);
}

std::string periods_text(double n, const Language& l) {
    const std::string count = count_number(n, true, l);
    if (whole(n)) {
        // TRANSLATORS: a whole count of periods of a wave, {count} a word or digits: "one period", "two periods".
        return fill(translate_plural(l, "{count} period", "{count} periods", plural_count(n)), {{"count", count}});
    }
    // TRANSLATORS: a count of periods with a fraction: "2.5 periods", "0.25 periods". The form is chosen by
    // its whole part (2 and 0 here), so that a language that says "1,5 période" can.
    return fill(translate_plural(l, "count with a fraction", "{count} periods", "{count} periods", plural_count(n)),
                {{"count", count}});
}

std::string seconds_text(double n, bool words, const Language& l) {
    const std::string count = count_number(n, words, l);
    if (whole(n)) {
        // TRANSLATORS: a whole number of seconds, {count} a word or digits: "one second", "1 second", "0 seconds".
        return fill(translate_plural(l, "{count} second", "{count} seconds", plural_count(n)), {{"count", count}});
    }
    // TRANSLATORS: seconds with a fraction: "0.02 seconds", "1.5 seconds"; the form is chosen by the whole part.
    return fill(translate_plural(l, "count with a fraction", "{count} seconds", "{count} seconds", plural_count(n)),
                {{"count", count}});
}

// How often a vector turned in a run.
std::string times_text(double n, const Language& l) {
    // TRANSLATORS: a vector turned once in a run, as in "vector 1 turned once".
    if (n == 1) return std::string(translate(l, "once"));
    // TRANSLATORS: a vector turned twice in a run, as in "vector 2 turned twice".
    if (n == 2) return std::string(translate(l, "twice"));
    const std::string count = count_number(n, true, l);
    if (whole(n)) {
        // TRANSLATORS: how often a vector turned, {count} a word or digits: "three times", "12 times".
        return fill(translate_plural(l, "{count} time", "{count} times", plural_count(n)), {{"count", count}});
    }
    // TRANSLATORS: how often a vector turned, with a fraction: "1.5 times", "0.05 times".
    return fill(translate_plural(l, "count with a fraction", "{count} times", "{count} times", plural_count(n)),
                {{"count", count}});
}

// Rounded to one decimal, as a listener needs it; never "-0".
std::string tenths(double x, const Language& l) { return spoken_number(std::round(x * 10) / 10, l); }

std::string frequency_text(std::string number, const Language& l) {
    // A number as a caption writes it is said with the spoken separator.
    if (const std::size_t at = number.find(l.decimal_separator()); at != std::string::npos && !l.decimal_separator().empty()) {
        number.replace(at, l.decimal_separator().size(), l.spoken_decimal_separator());
    }
    // TRANSLATORS: an angular frequency with its unit, {value} a number of π: "3 π radians per second".
    return fill(translate(l, "{value} π radians per second"), {{"value", number}});
}

std::string marker_text(const State& s, int vector, const Language& l) {
    // TRANSLATORS: where the marker of a wave view is: the time on show, {time} as in "0.02 seconds",
    // and the vector's height (its displacement).
    return fill(translate(l, "now at {time}, height {height}"),
                {{"time", seconds_text(seconds(s), false, l)}, {"height", tenths(vector_tip(s, vector).y, l)}});
}

std::string sine_text(const State& s, int vector, const Language& l) {
    // TRANSLATORS: a wave view after a run: {periods} as in "two periods", {span} as in "one second".
    return fill(translate(l, "sine curve, amplitude {amplitude}, {periods} in {span}, starting at 0 and rising"),
                {{"amplitude", spoken_number(s.length.at(vector), l)},
                 {"periods", periods_text(turns_in_span(s, vector), l)},
                 {"span", seconds_text(kSpanSeconds, true, l)}});
}

}  // namespace

SpinReading spin_reading(const State& s, StepTarget target, const Language& language) {
    const StepRule rule = step_rule(s, target);
    const double unit = units_per_shown(target.quantity);
    SpinReading reading{"",
                        "",
                        rule.value / unit,
                        reach(rule, Direction::Down) / unit,
                        reach(rule, Direction::Up) / unit,
                        rule.step / unit};
    const std::string index = std::to_string(target.vector + 1);
    switch (target.quantity) {
    case Quantity::Time:
        // TRANSLATORS: a screen reader's name for the spin button that steps the time.
        reading.name = translate(language, "time");
        reading.text = seconds_text(reading.value, false, language);
        break;
    case Quantity::Length:
        reading.name = "r" + index;
        reading.text = spoken_number(reading.value, language);
        break;
    case Quantity::AngularFrequency:
        reading.name = "ω" + index;
        reading.text = frequency_text(spoken_number(reading.value, language), language);
        break;
    }
    return reading;
}

std::string bound_text(const State& s, StepTarget target, Direction direction, const Language& language) {
    const double unit = units_per_shown(target.quantity);
    std::string value = spoken_number(step_rule(s, target).value / unit, language);
    if (target.quantity == Quantity::AngularFrequency) {
        // TRANSLATORS: an angular frequency at its bound, a number of π: "10 π".
        value = fill(translate(language, "{value} π"), {{"value", value}});
    }
    // TRANSLATORS: said when a spin button cannot go higher: "15, maximum".
    if (direction == Direction::Up) return fill(translate(language, "{value}, maximum"), {{"value", value}});
    // TRANSLATORS: said when a spin button cannot go lower: "0, minimum".
    return fill(translate(language, "{value}, minimum"), {{"value", value}});
}

ControlSpeech control_speech(std::string_view control, const Language& language) {
    const ControlSpec* c = layout_control(control);
    if (!c) return {};
    if (c->kind == ControlKind::OptionButton && c->act) {
        // An option says its group and unit: "step t, 0.005 seconds".
        const ControlSpec* group = layout_control(c->parent);
        if (!group) return {};
        const bool time = chosen_quantity(*c->act) == Quantity::Time;
        const std::string value = time ? seconds_text(chosen_step(*c->act), false, language)
                                       : frequency_text(shown_caption(*c, language), language);
        // TRANSLATORS: a screen reader's name for an option: its group's caption and the option's value with its
        // unit: "step t, 0.005 seconds".
        return {fill(translate(language, "{group}, {value}"), {{"group", shown_caption(*group, language)}, {"value", value}}),
                ""};
    }
    const std::string vector = std::to_string(c->vector + 1);
    ControlSpeech speech;
    if (c->named_by_caption) {
        speech.name = shown_caption(*c, language);
    } else if (!c->spoken_name.empty()) {
        speech.name = fill(translate(language, "accessible name", c->spoken_name), {{"vector", vector}});
    }
    if (!c->description.empty()) {
        speech.description = fill(translate(language, "accessible description", c->description), {{"vector", vector}});
    }
    return speech;
}

std::string circle_description(const State& s, const Language& language) {
    // TRANSLATORS: the first sentence of the circle view's description: the time on show, {time} as
    // in "0.02 seconds".
    std::string text = fill(translate(language, "Time {time}."), {{"time", seconds_text(seconds(s), false, language)}});
    if (s.on_show == OnShow::RunsEnd) {
        // A run ends with the moving layer taken off: only the circles are left.
        const std::string first = spoken_number(s.length.at(0), language);
        const std::string_view circles =
            // TRANSLATORS: the circle view after a run: only the two circles are drawn; the sentence
            // follows "Time 0 seconds.".
            translate(language, "Circles of radius {radius_1} and {radius_2}; the vectors show again at the next step.");
        return text + " " + fill(circles, {{"radius_1", first}, {"radius_2", spoken_number(s.length.at(1), language)}});
    }
    for (int i = 0; i < kVectors; ++i) {
        double degrees = std::fmod(vector_angle(s, i) * 180.0 / std::numbers::pi, 360.0);
        degrees = std::round(degrees);
        if (degrees >= 360) degrees -= 360;
        const std::string_view sentence =
            // TRANSLATORS: a sentence of the circle view's description for each vector, after "Time 0.02 seconds.";
            // its form follows {angle}, a whole number of degrees from 0 to 359. English says "degrees"
            // in both forms.
            translate_plural(language, "Vector {index}: length {length}, at {angle} degrees, height {height}.",
                             "Vector {index}: length {length}, at {angle} degrees, height {height}.",
                             plural_count(degrees));
        text += " " + fill(sentence, {{"index", spoken_number(i + 1, language)},
                                      {"length", spoken_number(s.length.at(i), language)},
                                      {"angle", spoken_number(degrees, language)},
                                      {"height", tenths(vector_tip(s, i).y, language)}});
    }
    return text;
}

std::string wave_description(const State& s, int vector, TraceReach trace, const Language& language) {
    const float span_ms = static_cast<float>(kSpanSeconds) * kMsPerSecond;
    const std::string amplitude = spoken_number(s.length.at(vector), language);
    std::string text;
    // Dots past the view's right edge are not on it.
    const float latest = std::min(trace.latest_ms, span_ms);
    if (trace.whole_run) {
        text = sine_text(s, vector, language);
    } else if (latest > 0) {
        // TRANSLATORS: a wave view after steps by hand: how far the dots reach, {time} as in "0.5 seconds".
        text = fill(translate(language, "amplitude {amplitude}; traced from 0 to {time}"),
                    {{"amplitude", amplitude}, {"time", seconds_text(latest / kMsPerSecond, false, language)}});
    } else {
        // TRANSLATORS: a wave view with its one dot at time 0.
        text = fill(translate(language, "amplitude {amplitude}; traced at time 0 only"), {{"amplitude", amplitude}});
    }
    // After a run the marker is off until the next step.
    if (s.on_show == OnShow::RunsEnd) return text;
    // TRANSLATORS: a wave view's description: what it has traced, then where its marker is.
    return fill(translate(language, "{trace}; {marker}"), {{"trace", text}, {"marker", marker_text(s, vector, language)}});
}

std::string run_start_text(const State&, const Language& language) {
    // TRANSLATORS: said as ANIM starts a run; {span} as in "one second".
    return fill(translate(language, "running {span} of time"), {{"span", seconds_text(kSpanSeconds, true, language)}});
}

std::string run_end_text(const State& s, const Language& language) {
    const std::string first = times_text(turns_in_span(s, 0), language);
    // TRANSLATORS: said at the end of a run: how often each vector turned, as in "once", "twice", "1.5 times";
    // each half has its verb, so that the two numbers are never heard side by side.
    return fill(translate(language, "run ended: vector 1 turned {turns_1}, vector 2 turned {turns_2}; time back to 0"),
                {{"turns_1", first}, {"turns_2", times_text(turns_in_span(s, 1), language)}});
}

std::string reset_text(const Language& language) {
    // TRANSLATORS: said when RESET is pressed.
    return std::string(translate(language, "time 0, traces cleared"));
}

std::string picture_copied_text(const Language& language) {
    // TRANSLATORS: said when Ctrl+C has put a picture of the three views on the clipboard.
    return std::string(translate(language, "picture copied"));
}

std::string picture_saved_text(const Language& language) {
    // TRANSLATORS: said when a picture of the three views has been saved as a file.
    return std::string(translate(language, "picture saved"));
}

std::string restart_text(bool time_was_on, bool traces_were_on, const Language& language) {
    // A new length or angular frequency starts the picture again.
    if (time_was_on && traces_were_on) {
        // TRANSLATORS: said when a new length or angular frequency sets the time to 0 and clears the traces.
        return std::string(translate(language, "time back to 0, traces cleared"));
    }
    // TRANSLATORS: said when a new length or angular frequency sets the time back to 0.
    if (time_was_on) return std::string(translate(language, "time back to 0"));
    // TRANSLATORS: said when a new length or angular frequency clears the traces.
    if (traces_were_on) return std::string(translate(language, "traces cleared"));
    return {};
}

std::string value_then(const std::string& value, const std::string& said, const Language& language) {
    if (value.empty()) return said;
    if (said.empty()) return value;
    // TRANSLATORS: a new value said ahead of what a press says besides: "14, time back to 0".
    return fill(translate(language, "{value}, {said}"), {{"value", value}, {"said", said}});
}

}  // namespace af
