#include <benchmark/benchmark.h>

#include "core/acts/replay_log.h"
#include "core/acts/apply.h"
#include "support/fake_host.h"

namespace {

// Drawing the views afresh for a new window size: full screen at 3840 x 2160
// (the layout about 6.24 times its own size), after a finished run at the
// 0.002 step and 200 manual time steps.
void BM_RedrawAtNewSize(benchmark::State& state) {
    af::testing::Started started;
    af::Model& model = started.model;
    af::ReplayLog log;
    auto run = [&](const af::Act& act) {
        const af::State before = model.state;
        log.record(before, act, af::apply(model, act));
    };
    run(af::choose_time_step_act(2));
    run(af::run_act());
    for (int k = 0; k < 200; ++k) run(af::time_step_act(af::Direction::Up));
    const double ratio = static_cast<double>(state.range(0)) / 100.0;
    for (auto _ : state) log.redraw(model, ratio);
    state.SetLabel("ratio x100");
}
BENCHMARK(BM_RedrawAtNewSize)->Arg(100)->Arg(624)->Unit(benchmark::kMillisecond);

}  // namespace
