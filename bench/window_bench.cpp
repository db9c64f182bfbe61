// Paced animation runs in the real window: how long a run of N steps takes
// compared with N refresh intervals. Run it on a display (or under xvfb-run).
// Arguments: runs per step (3), pause before the first run in ms (500) and
// time to linger after a last run at the 0.01 step (0).
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

namespace {

struct StepChoice {
    const char* option;
    int steps;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 != 0 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    af::desktop::prepare_application();
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int pause_ms = argc > 2 ? std::max(0, std::atoi(argv[2])) : 500;
    const int linger_ms = argc > 3 ? std::max(0, std::atoi(argv[3])) : 0;  // time for a last look

    af::desktop::MainWindow window;
    window.show();
    // Each run is timed from its click to the moment the window is idle again.
    const StepChoice choices[] = {{"time_step_0.01", 101}, {"time_step_0.005", 201}, {"time_step_0.002", 501}};
    auto* anim = window.findChild<QAbstractButton*>("run_button");
    std::size_t choice = 0;
    int run = 0;
    bool lingering = false;
    std::vector<double> ratios;
    QElapsedTimer clock;
    const auto start_run = [&] {
        if (run == 0) window.findChild<QAbstractButton*>(choices[choice].option)->click();
        clock.start();
        anim->click();
    };
    QObject::connect(&window, &af::desktop::MainWindow::idle, &window, [&] {
        if (lingering) {
            QTimer::singleShot(linger_ms, &app, &QApplication::quit);
            return;
        }
        if (!clock.isValid()) return;
        const StepChoice c = choices[choice];
        ratios.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6 / (c.steps * window.frame_interval_ms()));
        clock.invalidate();
        if (++run < repeats) return start_run();
        std::printf("%-16s %3d steps: median %.4f  min %.4f  max %.4f (duration / steps x interval)\n", c.option,
                    c.steps, median(ratios), *std::min_element(ratios.begin(), ratios.end()),
                    *std::max_element(ratios.begin(), ratios.end()));
        std::fflush(stdout);
        ratios.clear();
        run = 0;
        if (++choice < std::size(choices)) return start_run();
        // A last run at the 0.01 step, for a look, then out.
        lingering = true;
        window.findChild<QAbstractButton*>("time_step_0.01")->click();
        anim->click();
    });
    QTimer::singleShot(pause_ms, &window, [&] {
        std::printf("refresh interval %.3f ms, %d runs per step\n", window.frame_interval_ms(), repeats);
        start_run();
    });
    return QApplication::exec();
}
