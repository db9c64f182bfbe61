#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/vocabulary.h"

namespace af {

// A lesson prepared in advance: the values the program opens with, as a link
// or a command line gives them ("r2=5&omega2=6"), each in the state's own
// units; a field left unset keeps its start value. Kept by what each field
// sets (a spin control's quantity, the step of a quantity; a switch by its
// field's name), so that a new field of the settings table needs no place of
// its own here.
struct Setup {
    std::vector<std::pair<StepTarget, float>> values;      // spin controls: lengths, counts, ms
    std::vector<std::pair<Quantity, std::int16_t>> steps;  // the step chosen for a quantity: ms, counts per press
    std::optional<std::string> lang;                       // a language tag
    std::vector<std::pair<std::string, bool>> switches;    // a switch's field name: on or off

    std::optional<float> value(StepTarget target) const {
        for (const auto& [t, v] : values) {
            if (t == target) return v;
        }
        return std::nullopt;
    }
    std::optional<std::int16_t> step(Quantity quantity) const {
        for (const auto& [q, s] : steps) {
            if (q == quantity) return s;
        }
        return std::nullopt;
    }
    std::optional<bool> switched(std::string_view field) const {
        for (const auto& [f, on] : switches) {
            if (f == field) return on;
        }
        return std::nullopt;
    }

    bool operator==(const Setup&) const = default;
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
