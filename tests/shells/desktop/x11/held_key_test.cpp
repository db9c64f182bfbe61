// The window on a real X display under a window manager, with keys pressed
// through the X server (xdotool), so the server's own auto-repeat is met.
#include <QAbstractButton>
#include <QProcess>
#include <QTimer>
#include <QtTest>

#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

using af::desktop::MainWindow;

class HeldKeyTest : public QObject {
    Q_OBJECT

    static void xdotool(const QStringList& arguments) {
        QCOMPARE(QProcess::execute("xdotool", arguments), 0);
    }

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
        af::desktop::prepare_application();
    }

    void a_key_held_for_a_second_is_one_run_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("Enter") << "Return";
        QTest::newRow("Space") << "space";
    }

    void a_key_held_for_a_second_is_one_run() {
        QFETCH(QString, key);
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.findChild<QAbstractButton*>("run_button")->setFocus();
        // Released a second later, from inside the run that the press starts.
        QTimer::singleShot(1000, &w, [key] { QProcess::startDetached("xdotool", {"keyup", key}); });
        xdotool({"keydown", key});
        QTRY_COMPARE_WITH_TIMEOUT(w.presented_frames(), 101L, 10000);
        QTest::qWait(1500);  // a second run would have begun by now
        QCOMPARE(w.presented_frames(), 101L);
        QCOMPARE(w.model().time_value.caption, std::string("0"));
    }
};

QTEST_MAIN(HeldKeyTest)
#include "held_key_test.moc"
