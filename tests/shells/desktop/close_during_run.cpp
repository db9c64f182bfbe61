// The whole program, closed by the window system in the middle of an
// animation run: it must end at once with exit status 0.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    af::desktop::prepare_application();
    af::desktop::MainWindow window;
    window.show();

    QElapsedTimer clock;
    QTimer::singleShot(100, &window, [&] {
        QTimer::singleShot(400, &window, [&] { window.close(); });
        clock.start();
        window.findChild<QAbstractButton*>("run_button")->click();
    });
    const int status = QApplication::exec();

    // A run of 101 steps lasts 1.7 s at 60 Hz; closing cuts it short.
    const long frames = window.presented_frames();
    std::printf("closed after %lld ms, %ld frames presented, exit status %d\n",
                static_cast<long long>(clock.elapsed()), frames, status);
    if (window.isVisible() || frames <= 0 || frames >= 101) return 1;
    return status;
}
