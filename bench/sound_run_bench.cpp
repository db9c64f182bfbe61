// A paced run of 501 frames (the 0.002 time step) with the sound on: how long
// it took against 501 refresh intervals, and how often the sound device ran
// dry during it. Run it with a sound server (bench/with_sound_server.sh) on a
// display (or under xvfb-run). Argument: runs (3).
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    af::desktop::prepare_application();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    af::Setup setup;
    setup.switches = {{"sound", true}};
    af::desktop::MainWindow window(setup);
    window.show();
    auto* anim = window.findChild<QAbstractButton*>("run_button");
    int run = 0;
    QElapsedTimer clock;
    long underruns_before = 0;
    const auto start_run = [&] {
        underruns_before = window.sound_underruns();
        clock.start();
        anim->click();
    };
    QObject::connect(&window, &af::desktop::MainWindow::idle, &window, [&] {
        if (!clock.isValid()) return;
        const double ratio = static_cast<double>(clock.nsecsElapsed()) / 1e6 / (501 * window.frame_interval_ms());
        clock.invalidate();
        // The device's last samples are still playing: counted once they are done.
        QTimer::singleShot(500, &window, [&, ratio] {
            std::printf("run %d: 501 frames in %.4f x 501 intervals, %ld underruns\n", run + 1, ratio,
                        window.sound_underruns() - underruns_before);
            std::fflush(stdout);
            if (++run < runs) return start_run();
            app.quit();
        });
    });
    QTimer::singleShot(500, &window, [&] {
        window.findChild<QAbstractButton*>("time_step_0.002")->click();
        QTimer::singleShot(300, &window, start_run);
    });
    return QApplication::exec();
}
