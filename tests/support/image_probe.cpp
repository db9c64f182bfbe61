// Prints the hashes of the three views after a fixed random act sequence, at
// device pixel ratios 1, 1.75 and 2, and of the sound of a fixed sequence of
// presses, so that two builds (with and without sanitizers, native and
// WebAssembly) can be compared.
#include <cstdio>
#include <cstdlib>

#include "core/session/session.h"
#include "support/images.h"
#include "support/soak.h"

namespace {

// FNV-1a over the samples' bytes, low byte first.
struct SoundHash {
    std::uint64_t h = 1469598103934665603ull;
    long samples = 0;
    void add(const std::vector<std::int16_t>& sound) {
        for (const std::int16_t sample : sound) {
            const auto bits = static_cast<std::uint16_t>(sample);
            for (const int shift : {0, 8}) {
                h ^= (bits >> shift) & 0xFFu;
                h *= 1099511628211ull;
            }
        }
        samples += static_cast<long>(sound.size());
    }
};

// A run at each time step on displays of 60 and 75 Hz, a step by hand, a
// tick at a bound, a reset and a new length, at two sample rates.
void print_sound_hash(int rate) {
    const af::Size laid_out = af::laid_out_client();
    af::Setup with_sound;
    with_sound.switches = {{"sound", true}};
    af::Session s({laid_out, laid_out, 1.0, 1.0}, with_sound);
    s.set_sample_rate(rate);
    SoundHash hash;
    const auto press = [&](const char* control, af::ControlPart part = af::ControlPart::Whole) {
        s.press(control, part);
        hash.add(s.take_changes().sound);
        while (s.busy()) {
            s.frame_due();
            hash.add(s.take_changes().sound);
        }
    };
    for (const double hz : {60.0, 75.0}) {
        s.set_frame_seconds(1 / hz);
        for (const char* step : {"time_step_0.01", "time_step_0.005", "time_step_0.002"}) {
            press(step);
            press("run_button");
        }
    }
    press("time_spin", af::ControlPart::Up);
    press("time_spin", af::ControlPart::Up);
    press("reset_button");
    press("time_spin", af::ControlPart::Down);
    press("r2_spin", af::ControlPart::Down);
    std::printf("sound at %d Hz: %ld samples, %016llx\n", rate, hash.samples,
                static_cast<unsigned long long>(hash.h));
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto seed = static_cast<std::uint32_t>(argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 4242);
    const int count = argc > 2 ? std::atoi(argv[2]) : 20000;
    for (const double ratio : {1.0, 1.75, 2.0}) {
        af::testing::Started w(ratio);
        for (const int e : af::testing::random_events(seed, count)) {
            af::testing::all_events()[static_cast<std::size_t>(e)].handle(w.model);
        }
        std::printf("seed %u, %d acts, ratio %g: circle %016llx wave 1 %016llx wave 2 %016llx\n", seed, count,
                    ratio, static_cast<unsigned long long>(af::testing::screen_hash(w.model.circle_view)),
                    static_cast<unsigned long long>(af::testing::screen_hash(w.model.wave_views[0])),
                    static_cast<unsigned long long>(af::testing::screen_hash(w.model.wave_views[1])));
    }
    for (const int rate : {48000, 44100}) print_sound_hash(rate);
    return 0;
}
