#include "core/sound/soundtrack.h"

#include <algorithm>
#include <cmath>

#include "core/sound/pitch.h"

namespace af {

namespace {

constexpr std::array<Timbre, 2> kSideTimbre{Timbre::Pure, Timbre::Bright};
constexpr double kFadeInSeconds = 0.010;
constexpr double kFadeOutSeconds = 0.020;
// A frame longer than this is a shell's mistake, not a frame.
constexpr double kLongestFrameSeconds = 1.0;

int samples_in(double seconds, int rate) { return static_cast<int>(std::floor(seconds * rate + 0.5)); }

std::int16_t sample_of(double value) {
    const double scaled = std::floor(value * 32767.0 + 0.5);
    return static_cast<std::int16_t>(std::clamp(scaled, -32767.0, 32767.0));
}

}  // namespace

Soundtrack::Soundtrack(int sample_rate) : rate_(kDefaultSampleRate) { set_sample_rate(sample_rate); }

void Soundtrack::set_sample_rate(int rate) { rate_ = std::clamp(rate, 8000, 192000); }

void Soundtrack::put(double left, double right) {
    samples_.push_back(sample_of(left));
    samples_.push_back(sample_of(right));
    if (sounding_) ++tone_samples_;
}

double Soundtrack::advance(Oscillator& o, double hz, Timbre timbre) const {
    const double value = timbre_wave(timbre, o.turns);
    o.turns = o.turns + hz / rate_;
    o.turns = o.turns - std::floor(o.turns);
    return value;
}

void Soundtrack::frame(const HeightShares& heights, double seconds) {
    const double frame_seconds = std::isfinite(seconds) ? std::clamp(seconds, 0.0, kLongestFrameSeconds) : 0.0;
    const double exact = frame_seconds * rate_ + owed_samples_;
    const int n = static_cast<int>(std::floor(exact));
    owed_samples_ = exact - n;
    std::array<double, 2> to{pitch_of_height(heights[0]), pitch_of_height(heights[1])};
    if (!sounding_) {
        // A new tone starts at its pitch, from silence.
        tone_ = {Oscillator{0, to[0]}, Oscillator{0, to[1]}};
        level_ = 0;
        tone_samples_ = 0;
        sounding_ = true;
    }
    const std::array<double, 2> from{tone_[0].hz, tone_[1].hz};
    const double rise = 1.0 / std::max(1, samples_in(kFadeInSeconds, rate_));
    for (int k = 0; k < n; ++k) {
        std::array<double, 2> value{};
        for (std::size_t s = 0; s < 2; ++s) {
            const double hz = from[s] + (to[s] - from[s]) * (k + 1) / n;
            value[s] = level_ * kPeakLevel * advance(tone_[s], hz, kSideTimbre[s]);
        }
        put(value[0], value[1]);
        level_ = std::min(1.0, level_ + rise);
    }
    tone_[0].hz = to[0];
    tone_[1].hz = to[1];
}

void Soundtrack::keep_up_with(double seconds) {
    if (!sounding_ || !std::isfinite(seconds)) return;
    const double behind = seconds * rate_ - static_cast<double>(tone_samples_);
    const int n = static_cast<int>(std::floor(std::min(behind, kLongestFrameSeconds * rate_)));
    const double rise = 1.0 / std::max(1, samples_in(kFadeInSeconds, rate_));
    for (int k = 0; k < n; ++k) {
        const double left = level_ * kPeakLevel * advance(tone_[0], tone_[0].hz, kSideTimbre[0]);
        const double right = level_ * kPeakLevel * advance(tone_[1], tone_[1].hz, kSideTimbre[1]);
        put(left, right);
        level_ = std::min(1.0, level_ + rise);
    }
}

void Soundtrack::end_tone() {
    if (!sounding_) return;
    const int n = std::max(1, samples_in(kFadeOutSeconds, rate_));
    const double start = level_;
    for (int k = 1; k <= n; ++k) {
        const double level = start * (n - k) / n;  // the last sample is silent
        const double left = level * kPeakLevel * advance(tone_[0], tone_[0].hz, kSideTimbre[0]);
        const double right = level * kPeakLevel * advance(tone_[1], tone_[1].hz, kSideTimbre[1]);
        put(left, right);
    }
    sounding_ = false;
    level_ = 0;
    owed_samples_ = 0;
}

void Soundtrack::cue(Cue cue, const HeightShares& heights) {
    end_tone();
    for (const CueNote& note : cue_notes(cue)) {
        const int n = std::max(1, samples_in(note.seconds, rate_));
        const double attack = std::max(1, samples_in(note.attack_seconds, rate_));
        const double release = std::max(1, samples_in(note.release_seconds, rate_));
        // Each vector's own pitch and timbre on its own side, or the note's on both.
        std::array<Oscillator, 2> notes{};
        for (std::size_t s = 0; s < 2; ++s) notes[s].hz = note.hz > 0 ? note.hz : pitch_of_height(heights[s]);
        for (int k = 0; k < n; ++k) {
            // Silent at its first and last sample.
            const double envelope = std::min({1.0, k / attack, (n - 1 - k) / release});
            std::array<double, 2> value{};
            for (std::size_t s = 0; s < 2; ++s) {
                const Timbre timbre = note.hz > 0 ? note.timbre : kSideTimbre[s];
                value[s] = envelope * kPeakLevel * advance(notes[s], notes[s].hz, timbre);
            }
            put(value[0], value[1]);
        }
    }
}

std::vector<std::int16_t> Soundtrack::take() {
    std::vector<std::int16_t> taken;
    taken.swap(samples_);
    return taken;
}

}  // namespace af
