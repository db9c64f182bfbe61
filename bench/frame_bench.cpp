#include <benchmark/benchmark.h>

#include "core/acts/apply.h"
#include "core/model/frame.h"
#include "support/fake_host.h"

namespace {

// The started window model of the tests; a run applied as one act goes as
// fast as the drawing.
using af::testing::Started;

// One frame with its erasing call, as an animation step draws it.
void BM_MovingLayer(benchmark::State& state) {
    Started started(static_cast<double>(state.range(0)) / 100.0);
    af::Model& model = started.model;
    float t = 0;
    for (auto _ : state) {
        model.state.time_ms = t;
        af::draw_frame(model);
        af::draw_frame(model);
        t = t >= 1000 ? 0 : t + 10;
    }
    state.SetLabel("dpr x100");
}
BENCHMARK(BM_MovingLayer)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

// A frame that rebuilds the static layer first, as start-up and the spinners do.
void BM_FrameWithStaticLayer(benchmark::State& state) {
    Started started(static_cast<double>(state.range(0)) / 100.0);
    af::Model& model = started.model;
    for (auto _ : state) {
        model.state.on_show = af::OnShow::Cleared;
        af::draw_frame(model);
    }
}
BENCHMARK(BM_FrameWithStaticLayer)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

// A whole animation run without pacing, for each time step (10, 5 and 2 ms).
void BM_UnpacedRun(benchmark::State& state) {
    Started started;
    af::Model& model = started.model;
    model.state.time_step_ms = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) af::apply(model, af::run_act());
    state.counters["steps"] = 1000.0 / static_cast<double>(state.range(0)) + 1;
}
BENCHMARK(BM_UnpacedRun)->Arg(10)->Arg(5)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
