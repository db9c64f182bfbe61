#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace af {

// A lesson prepared in advance: the values the program opens with, as a link
// or a command line gives them ("r2=5&omega2=6"). Each is in the state's own
// units; a field left unset keeps its start value.
struct Setup {
    std::array<std::optional<float>, 2> length;     // r1, r2
    std::array<std::optional<float>, 2> frequency;  // omega1, omega2: counts, 10 to one π per second
    std::optional<std::int16_t> time_step_ms;       // time_step
    std::optional<std::int16_t> frequency_step;     // omega_step: counts per press
    std::optional<float> time_ms;                   // t
    std::optional<std::string> lang;                // a language tag; only carried so far
    std::optional<bool> sound;                      // sound: on or off
    std::optional<bool> voice;                      // voice: on or off

    bool operator==(const Setup&) const = default;
};

// The switches a setup can turn on, as they stand.
struct Switches {
    bool sound = false;
    bool voice = false;
};

// A field left out of a setup, and why, in one sentence that names it. The
// field is empty where the whole setup was left out.
struct SetupRefusal {
    std::string field;
    std::string message;

    bool operator==(const SetupRefusal&) const = default;
};

struct ParsedSetup {
    Setup setup;
    std::vector<SetupRefusal> refused;  // in the order the query gives them
};

// A query longer than this is left out whole.
inline constexpr std::size_t kLongestSetup = 2000;

}  // namespace af
