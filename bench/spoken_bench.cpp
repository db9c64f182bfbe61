#include <benchmark/benchmark.h>

#include "acts/spoken_text.h"
#include "acts/narrator.h"
#include "acts/apply.h"
#include "support/fake_host.h"

namespace {

using af::testing::Started;

// A step of the time up and back, as a student presses Up and Down; with
// words, also everything the window computes for a screen reader after each:
// what to say, the five spin readings and the three view descriptions.
void BM_TimeSteps(benchmark::State& state) {
    const bool words = state.range(0) != 0;
    Started started;
    af::Model& f = started.model;
    af::Narrator narrator;
    std::size_t said = 0;
    auto step = [&](void (*handler)(af::Model&), af::Spin direction) {
        const af::State before = f.state;
        handler(f);
        if (!words) return;
        said += narrator.end(before, f.state, {af::Act::Kind::Step, {af::Quantity::Time, 0}, direction}).size();
        for (int i = 0; i < 5; ++i) {
            const af::StepTarget spinner{i == 0 ? af::Quantity::Time : i < 3 ? af::Quantity::Length : af::Quantity::AngularFrequency,
                                      (i + 1) % 2};
            said += af::spin_reading(f.state, spinner).text.size();
        }
        said += af::circle_description(f.state).size();
        for (int i = 0; i < af::kWaveViews; ++i) said += narrator.wave_description(f.state, i).size();
    };
    for (auto _ : state) {
        step(af::time_step_act(Direction::Up), af::Direction::Up);
        step(af::time_step_act(Direction::Down), af::Direction::Down);
    }
    benchmark::DoNotOptimize(said);
    state.SetLabel(words ? "handlers and words" : "handlers alone");
}
BENCHMARK(BM_TimeSteps)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
