#include "core/sound/cues.h"

namespace af {

namespace {

// Each cue is over before a held arrow presses again (about every 83 ms), so
// that held arrows never pile sounds up; RESET is never held.
constexpr CueNote kStep[] = {{0, 0.070, Timbre::Pure, 0.005, 0.030}};
// Below the lowest pitch a height can have, and short: a tick, not a tone.
constexpr CueNote kBound[] = {{110, 0.030, Timbre::Pure, 0.002, 0.026}};
constexpr CueNote kReset[] = {{660, 0.060, Timbre::Bright, 0.004, 0.030}, {330, 0.060, Timbre::Bright, 0.004, 0.040}};
constexpr CueNote kRestart[] = {{330, 0.040, Timbre::Pure, 0.004, 0.020}, {494, 0.040, Timbre::Pure, 0.004, 0.025}};

}  // namespace

std::span<const CueNote> cue_notes(Cue cue) {
    switch (cue) {
    case Cue::Step:
        return kStep;
    case Cue::Bound:
        return kBound;
    case Cue::Reset:
        return kReset;
    case Cue::Restart:
        break;
    }
    return kRestart;
}

}  // namespace af
