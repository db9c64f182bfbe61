#include <benchmark/benchmark.h>

#include "core/acts/apply.h"
#include "core/acts/narrator.h"
#include "core/acts/spoken_text.h"
#include "support/fake_host.h"

namespace {

using af::testing::Started;

// A step of the time up and back, as a student presses Up and Down; with
// words, also everything the window computes for a screen reader after each:
// what to say, the five spin readings and the three view descriptions.
void BM_TimeSteps(benchmark::State& state) {
    const bool words = state.range(0) != 0;
    Started started;
    af::Model& model = started.model;
    af::Narrator narrator;
    std::size_t said = 0;
    auto step = [&](const af::Act& act) {
        const af::State before = model.state;
        const af::ActResult result = af::apply(model, act);
        if (!words) return;
        said += narrator.end(before, model.state, act, result).size();
        for (int i = 0; i < 5; ++i) {
            const af::StepTarget target{i == 0 ? af::Quantity::Time
                                        : i < 3 ? af::Quantity::Length
                                                : af::Quantity::AngularFrequency,
                                        (i + 1) % 2};
            said += af::spin_reading(model.state, target).text.size();
        }
        said += af::circle_description(model.state).size();
        for (int i = 0; i < af::kVectors; ++i) said += narrator.wave_description(model.state, i).size();
    };
    for (auto _ : state) {
        step(af::time_step_act(af::Direction::Up));
        step(af::time_step_act(af::Direction::Down));
    }
    benchmark::DoNotOptimize(said);
    state.SetLabel(words ? "acts and words" : "acts alone");
}
BENCHMARK(BM_TimeSteps)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
