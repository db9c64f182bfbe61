#include <benchmark/benchmark.h>

#include <cmath>

#include "core/session/session.h"
#include "core/sound/soundtrack.h"

namespace {

// One frame's samples on a display of 60 Hz, at 48000 samples a second:
// what the core makes for each frame of a run with the sound on.
void BM_SoundOfOneFrame(benchmark::State& state) {
    af::Soundtrack track(48000);
    double t = 0;
    for (auto _ : state) {
        track.frame({std::sin(t), std::sin(2 * t)}, 1.0 / 60);
        benchmark::DoNotOptimize(track.take());
        t += 0.06;
    }
}
BENCHMARK(BM_SoundOfOneFrame)->Unit(benchmark::kMicrosecond);

// A frame of a run through the session, as a shell drives it, with the sound
// off and on: what the sound adds to a frame.
void BM_SessionFrame(benchmark::State& state) {
    const af::Size laid_out = af::laid_out_client();
    af::Setup setup;
    setup.switches = {{"sound", state.range(0) != 0}};
    af::Session session({laid_out, laid_out, 1.0, 1.0}, setup);
    session.press("time_step_0.002");
    for (auto _ : state) {
        if (!session.busy()) session.press("run_button");
        session.frame_due();
        benchmark::DoNotOptimize(session.take_changes());
    }
    state.SetLabel(state.range(0) != 0 ? "sound on" : "sound off");
}
BENCHMARK(BM_SessionFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
