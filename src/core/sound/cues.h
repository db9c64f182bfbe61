#pragma once

#include <cstdint>
#include <span>

#include "core/sound/waveform.h"

namespace af {

// The short sounds that answer a press outside a run.
enum class Cue : std::uint8_t {
    Step,     // a step of the time by hand: each vector's tone at its new height
    Bound,    // a press refused at a bound: a short low tick
    Reset,    // RESET: a falling pair of notes
    Restart,  // a new length or angular frequency: a rising pair
};

// One note of a cue, on both sides. A pitch of 0 stands for each vector's
// own pitch at its height, on its own side and in its own timbre.
struct CueNote {
    double hz = 0;
    double seconds = 0;
    Timbre timbre = Timbre::Pure;
    double attack_seconds = 0;
    double release_seconds = 0;  // the note fades to nothing over its last part
};

// The notes of a cue, played one after the other.
std::span<const CueNote> cue_notes(Cue cue);

}  // namespace af
