#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/sound/cues.h"

namespace af {

inline constexpr int kDefaultSampleRate = 48000;
// The loudest a sample gets: a quarter of full scale, 12 dB below it.
inline constexpr double kPeakLevel = 0.25;

// Each vector's height as a share of the view's extent: -1 at the bottom of
// the view, 0 on its centre line, 1 at its top.
using HeightShares = std::array<double, 2>;

// What the program sounds, as 16-bit stereo samples at the rate a shell
// plays: during a run, each vector's height as a continuous tone (vector 1
// on the left in a pure timbre, vector 2 on the right in a bright one),
// one frame's worth of samples for each frame as long as the frame is on
// show; outside a run, short cues. Tones keep their phase from frame to
// frame and fade in and out, so nothing clicks. The same calls make the
// same bytes in every build.
class Soundtrack {
public:
    explicit Soundtrack(int sample_rate = kDefaultSampleRate);

    int sample_rate() const { return rate_; }
    // From 8000 to 192000 samples a second; another rate is taken as the nearest of those.
    void set_sample_rate(int rate);

    // A frame of a run on show for `seconds`: each vector's tone glides
    // over the frame from the pitch of the frame before to the pitch of its
    // height, and reaches it as the frame ends. The first frame of a run
    // fades in. Frames of fractions
    // of a sample add up, so a run lasts as long as its frames are seen.
    void frame(const HeightShares& heights, double seconds);
    // The tone has been on show for `seconds` since its first frame: where
    // its samples so far last less (a frame stayed on show longer than the
    // frame said), it holds the pitch it reached until they last as long.
    void keep_up_with(double seconds);
    // The run's tone fades out; nothing where none sounds.
    void end_tone();
    bool sounding() const { return sounding_; }

    // A cue after a press; `heights` for the step's tone.
    void cue(Cue cue, const HeightShares& heights = {});

    // The samples made since the last take, left and right in turn.
    std::vector<std::int16_t> take();

private:
    struct Oscillator {
        double turns = 0;  // the phase, carried from sample to sample
        double hz = 0;
    };
    void put(double left, double right);
    // The wave at the oscillator's phase, which then moves on by one sample at `hz`.
    double advance(Oscillator& o, double hz, Timbre timbre) const;

    int rate_;
    bool sounding_ = false;
    std::array<Oscillator, 2> tone_{};
    double level_ = 0;         // the run tone's loudness, 0 to 1, as it fades in
    double owed_samples_ = 0;  // the fraction of a sample the frames so far have not made
    long tone_samples_ = 0;    // made since the tone began
    std::vector<std::int16_t> samples_;
};

}  // namespace af
