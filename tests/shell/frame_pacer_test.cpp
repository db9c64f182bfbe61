// The pacing of animation frames, alone: deadlines from the run's first
// frame, and a stop that ends a wait under way and every later one.
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include "shell/frame_pacer.h"

using af::shell::FramePacer;

class FramePacerTest : public QObject {
    Q_OBJECT

private slots:
    void frames_keep_their_interval_without_drifting() {
        QWidget window;
        FramePacer pacer(window);
        pacer.begin_run();
        QElapsedTimer clock;
        clock.start();
        for (int k = 0; k < 12; ++k) pacer.frame_shown();
        const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        QCOMPARE(pacer.frames(), 12L);
        // Twelve intervals at the least; a loose upper bound for a shared machine.
        QVERIFY2(elapsed >= 11.9 * pacer.interval_ms() && elapsed < 40 * pacer.interval_ms(),
                 qPrintable(QString::number(elapsed)));
    }

    void stop_ends_the_wait_under_way_and_every_later_one() {
        QWidget window;
        FramePacer pacer(window);
        pacer.begin_run();
        pacer.frame_shown();  // the first frame's deadline starts the clock
        // A frame far behind its deadline would wait; stop() from the event loop cuts it short.
        QTimer::singleShot(0, [&] { pacer.stop(); });
        QElapsedTimer clock;
        clock.start();
        pacer.frame_shown();
        QVERIFY(pacer.stopped());
        // Well before the frame's own deadline, one interval away.
        const double waited = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        QVERIFY2(waited < 0.75 * pacer.interval_ms(), qPrintable(QString::number(waited)));
        const long shown = pacer.frames();
        for (int k = 0; k < 100; ++k) pacer.frame_shown();
        QCOMPARE(pacer.frames(), shown);
    }
};

QTEST_MAIN(FramePacerTest)
#include "frame_pacer_test.moc"
