#include <benchmark/benchmark.h>

#include "app/form1.h"
#include "controls/handlers.h"
#include "draw/get_circ.h"

namespace {

// A window that presents nothing: the run goes as fast as the drawing.
class NullHost : public af::WindowHost {
public:
    void set_outer_width(float) override {}
    void set_outer_height(float) override {}
    float outer_width() const override { return 9225; }
    float outer_height() const override { return 5184; }
    void set_top(float) override {}
    void set_left(float) override {}
    float screen_width() const override { return 19200; }
    float screen_height() const override { return 10800; }
    void present_frame() override {}
};

// One frame with its erasing call, as an animation step draws it.
void BM_MovingLayer(benchmark::State& state) {
    NullHost host;
    af::Form1 f(host, static_cast<double>(state.range(0)) / 100.0);
    af::Form_Load(f);
    float t = 0;
    for (auto _ : state) {
        f.state.t_ms = t;
        af::get_circ(f);
        af::get_circ(f);
        t = t >= 1000 ? 0 : t + 10;
    }
    state.SetLabel("dpr x100");
}
BENCHMARK(BM_MovingLayer)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

// A frame that rebuilds the static layer first, as start-up and the spinners do.
void BM_FrameWithStaticLayer(benchmark::State& state) {
    NullHost host;
    af::Form1 f(host, static_cast<double>(state.range(0)) / 100.0);
    af::Form_Load(f);
    for (auto _ : state) {
        f.state.need_base = true;
        af::get_circ(f);
    }
}
BENCHMARK(BM_FrameWithStaticLayer)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

// A whole animation run without pacing, for each time step (10, 5 and 2 ms).
void BM_UnpacedRun(benchmark::State& state) {
    NullHost host;
    af::Form1 f(host, 1.0);
    af::Form_Load(f);
    f.state.t_step = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) af::Command1_Click(f);
    state.counters["steps"] = 1000.0 / static_cast<double>(state.range(0)) + 1;
}
BENCHMARK(BM_UnpacedRun)->Arg(10)->Arg(5)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
