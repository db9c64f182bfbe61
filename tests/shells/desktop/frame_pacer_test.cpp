// The pacing of a run's frames, alone: deadlines from the run's first frame,
// kept from the event loop without ever blocking it, and a stop.
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include "shells/desktop/frame_pacer.h"

using af::desktop::FramePacer;

class FramePacerTest : public QObject {
    Q_OBJECT

private slots:
    void frames_keep_their_interval_without_drifting() {
        QWidget window;
        int due = 0;
        FramePacer* pacer = nullptr;
        FramePacer paced(window, [&] {
            if (++due < 12) pacer->frame_shown();
        });
        pacer = &paced;
        paced.begin_run();
        QElapsedTimer clock;
        clock.start();
        paced.frame_shown();
        // The event loop runs meanwhile: the pacer hands back control at once.
        QVERIFY(clock.elapsed() < paced.interval_ms() / 2);
        QTRY_COMPARE_WITH_TIMEOUT(due, 12, 5000);
        const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        QCOMPARE(paced.frames(), 12L);
        // Twelve intervals at the least; a loose upper bound for a shared machine.
        QVERIFY2(elapsed >= 11.9 * paced.interval_ms() && elapsed < 40 * paced.interval_ms(),
                 qPrintable(QString::number(elapsed)));
    }

    void stop_cancels_the_frame_due() {
        QWidget window;
        int due = 0;
        FramePacer pacer(window, [&] { ++due; });
        pacer.begin_run();
        pacer.frame_shown();
        pacer.stop();
        QTest::qWait(static_cast<int>(3 * pacer.interval_ms()));
        QCOMPARE(due, 0);
    }
};

QTEST_MAIN(FramePacerTest)
#include "frame_pacer_test.moc"
