#pragma once

#include <cstdint>

#include "core/model/vocabulary.h"

namespace af {

// Every act a user can make, as one value: run, reset, a step of the time or
// of a vector's length or angular frequency, and the choice of the time step
// and of the angular-frequency step. The layout names the act of each
// control; the window, the spoken texts, the replay, the soaks and the
// benchmarks all take their acts from here.
struct Act {
    enum class Kind : std::uint8_t { Run, Reset, Step, ChooseTimeStep, ChooseFrequencyStep };
    Kind kind = Kind::Reset;
    StepTarget target{};                  // Step: what it steps
    Direction direction = Direction::Up;  // Step: which way
    std::int16_t choice = 0;              // a choice: ms per time step, or counts per frequency step

    bool operator==(const Act&) const = default;
};

constexpr Act run_act() { return {Act::Kind::Run}; }
constexpr Act reset_act() { return {Act::Kind::Reset}; }
constexpr Act step_act(StepTarget target, Direction direction) { return {Act::Kind::Step, target, direction}; }
constexpr Act time_step_act(Direction direction) { return step_act({Quantity::Time, 0}, direction); }
constexpr Act length_step_act(int vector, Direction direction) {
    return step_act({Quantity::Length, vector}, direction);
}
constexpr Act frequency_step_act(int vector, Direction direction) {
    return step_act({Quantity::AngularFrequency, vector}, direction);
}
constexpr Act choose_time_step_act(std::int16_t ms) { return {Act::Kind::ChooseTimeStep, {}, Direction::Up, ms}; }
constexpr Act choose_frequency_step_act(std::int16_t counts) {
    return {Act::Kind::ChooseFrequencyStep, {}, Direction::Up, counts};
}

}  // namespace af
