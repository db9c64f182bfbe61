// Random clicks and key presses delivered to the window at the controls'
// places, as the window system would deliver them, with the core's invariants
// and the widgets' texts checked after every event.
#include <QAbstractButton>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>
#include <random>

#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"
#include "shells/desktop/qt_text.h"
#include "support/soak.h"

using af::desktop::MainWindow;
using af::desktop::qstring;

namespace {

QString text_of(MainWindow& w, std::string_view label) { return w.findChild<QLabel*>(qstring(label))->text(); }

}  // namespace

class WindowSoak : public QObject {
    Q_OBJECT

    // Clicks at a point of a control, given in the control's own coordinates.
    static void click(MainWindow& w, QWidget* control, QPoint at) {
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, control->mapTo(&w, at));
    }

    static QString broken(MainWindow& w, af::testing::Reference& reference) {
        // A copy: the check takes the moving layer off and puts it back.
        af::Model model = w.model();
        if (const std::string what = af::testing::broken_invariant(model, reference); !what.empty()) {
            return QString::fromStdString(what);
        }
        for (const auto& [name, label] : af::named_captions(model)) {
            if (text_of(w, name) != QString::fromStdString(label->caption)) return "label " + qstring(name);
        }
        const std::pair<const char*, bool> options[] = {
            {"time_step_0.01", model.state.time_step_ms == 10}, {"time_step_0.005", model.state.time_step_ms == 5}, {"time_step_0.002", model.state.time_step_ms == 2},
            {"omega_step_1", model.state.frequency_step == 10}, {"omega_step_0.5", model.state.frequency_step == 5},
            {"omega_step_0.1", model.state.frequency_step == 1}};
        for (const auto& [name, selected] : options) {
            if (w.findChild<QRadioButton*>(name)->isChecked() != selected) return QString("option ") + name;
        }
        return {};
    }

private slots:
    void initTestCase() { af::desktop::prepare_application(); }

    void random_clicks_and_keys() {
        const std::uint32_t seed = af::testing::env_number("AF_WINDOW_SOAK_SEED", 1208);
        const auto count = static_cast<int>(af::testing::env_number("AF_WINDOW_SOAK_EVENTS", 2000));
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        af::testing::Reference reference(w.model().device_pixel_ratio());

        const QStringList spins{"time_spin", "r1_spin", "r2_spin", "omega1_spin", "omega2_spin"};
        const QStringList buttons{"time_step_0.01", "time_step_0.005", "time_step_0.002", "omega_step_1", "omega_step_0.5", "omega_step_0.1", "reset_button"};
        const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space};
        std::mt19937 random(seed);
        auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

        QStringList log;
        int runs = 0;
        for (int k = 0; k < count; ++k) {
            const int kind = below(100);
            if (kind < 55) {
                QWidget* spin = w.findChild<QWidget*>(spins[below(5)]);
                const bool up = below(2) == 0;
                // Anywhere on the arrow's half, the middle row excepted.
                const int half = spin->height() / 2;
                const QPoint at(below(spin->width()), up ? below(half) : half + 1 + below(spin->height() - half - 1));
                click(w, spin, at);
                log << spin->objectName() + (up ? " up" : " down");
            } else if (kind < 75) {
                QWidget* button = w.findChild<QWidget*>(buttons[below(static_cast<int>(buttons.size()))]);
                click(w, button, QPoint(6, button->height() / 2));
                log << button->objectName();
            } else if (kind < 99 || runs >= 4) {
                const Qt::Key key = keys[below(5)];
                // Space on ANIM would start a paced run; those are counted below.
                QWidget* focus = QApplication::focusWidget();
                if (key == Qt::Key_Space && focus && focus->objectName() == "run_button") continue;
                QTest::keyClick(w.windowHandle(), key);
                log << QKeySequence(key).toString();
            } else {
                ++runs;
                click(w, w.findChild<QWidget*>("run_button"), QPoint(10, 10));
                log << "run_button";
                // A run of 501 frames takes 8.4 s at 60 Hz; a loaded machine takes longer.
                if (!QTest::qWaitFor([&] { return !w.busy(); }, 30000)) QFAIL("the run did not end");
            }
            const QString what = broken(w, reference);
            if (!what.isEmpty()) {
                QFAIL(qPrintable(QString("%1 after event %2 of seed %3; last events: %4")
                                     .arg(what).arg(k).arg(seed).arg(log.mid(std::max<qsizetype>(0, log.size() - 12)).join(", "))));
            }
        }
        qInfo("window soak: %d events, %d paced runs, seed %u", count, runs, seed);
        QVERIFY(runs > 0);
    }
};

QTEST_MAIN(WindowSoak)
#include "window_soak_test.moc"
