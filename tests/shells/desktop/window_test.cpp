#include <QAbstractButton>
#include <QAccessible>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <memory>

#include "core/model/layout.h"
#include "core/pixels/twips.h"
#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"
#include "shells/desktop/qt_text.h"
#include "shells/desktop/spin_button.h"
#include "support/fake_host.h"
#include "core/acts/apply.h"

using af::desktop::MainWindow;
using af::desktop::qstring;
using af::desktop::SpinButton;

namespace {

QString label_text(MainWindow& w, const char* name) {
    auto* label = w.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

void click_arrow(QWidget* spin, bool up) {
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, up ? 3 : spin->height() - 3));
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> open() {
        auto w = std::make_unique<MainWindow>();
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) qWarning("window not exposed");
        QTest::qWait(50);  // the window system's answer to the start-up size and place
        return w;
    }

private slots:
    void initTestCase() { af::desktop::prepare_application(); }

    void every_control_at_its_place() {
        auto w = open();
        QCOMPARE(w->windowTitle(), QString("Angular Frequency"));
        QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(48, 48)));
        // The laid-out size where the screen has room for it; scaled down to fit where not.
        const QRect room = w->screen()->availableGeometry();
        const af::Size outer = af::outer_size_at_start();
        if (room.width() >= outer.width && room.height() >= outer.height) {
            QCOMPARE(w->zoom(), 1.0);
        } else {
            QVERIFY2(w->zoom() < 1.0, qPrintable(QString::number(w->zoom())));
            QVERIFY(room.contains(w->frameGeometry()));
        }
        const double z = w->zoom();
        for (const af::ControlSpec& c : af::window_layout()) {
            auto* widget = w->findChild<QWidget*>(qstring(c.name));
            QVERIFY2(widget, c.name.data());
            QCOMPARE(widget->parentWidget()->objectName(), qstring(c.parent));
            QRect expected(af::twips_to_px(c.twips.left, z), af::twips_to_px(c.twips.top, z),
                           af::twips_to_px(c.twips.width, z), af::twips_to_px(c.twips.height, z));
            if (c.parent == af::kWindowName) expected.translate(w->layout_origin());
            QCOMPARE(widget->geometry(), expected);
        }
        // The views draw at the screen's resolution, whatever its scale factor.
        const double ratio = w->devicePixelRatioF() * z;
        const int circle = af::twips_to_px(af::layout_control("circle_view")->twips.width);
        const int wave = af::twips_to_px(af::layout_control("wave_view_2")->twips.height);
        QCOMPARE(w->model().circle_view.width(), static_cast<int>(std::lround(circle * ratio)));
        QCOMPARE(w->model().wave_views[1].height(), static_cast<int>(std::lround(wave * ratio)));
        QVERIFY(qobject_cast<SpinButton*>(w->findChild<QWidget*>("omega2_spin")));
        QCOMPARE(w->findChild<QGroupBox*>("omega_step_group")->title(), QString("step ω"));
        QCOMPARE(w->findChild<QAbstractButton*>("reset_button")->text(), QString("RESET"));
    }

    void start_up_captions_and_options() {
        auto w = open();
        QCOMPARE(label_text(*w, "time_value"), QString("0"));
        QCOMPARE(label_text(*w, "r1_value"), QString("10"));
        QCOMPARE(label_text(*w, "r2_value"), QString("10"));
        QCOMPARE(label_text(*w, "omega1_value"), QString("2"));
        QCOMPARE(label_text(*w, "omega2_value"), QString("4"));
        QCOMPARE(label_text(*w, "range_label"), QString("15"));
        QCOMPARE(label_text(*w, "axis_label_1"), QString(" 1sec"));
        QCOMPARE(label_text(*w, "axis_label_2"), QString(" 1sec"));
        QCOMPARE(label_text(*w, "wave_caption_1"), QString("【S】"));

        auto option = [&](const char* name) { return w->findChild<QRadioButton*>(name); };
        QVERIFY(option("time_step_0.01")->isChecked());
        QVERIFY(option("omega_step_1")->isChecked());
        QVERIFY(!option("time_step_0.005")->isChecked());
        QTest::mouseClick(option("time_step_0.002"), Qt::LeftButton);
        QVERIFY(option("time_step_0.002")->isChecked());
        QVERIFY(!option("time_step_0.01")->isChecked());
        QVERIFY(option("omega_step_1")->isChecked());  // the other group keeps its choice
        QCOMPARE(w->model().state.time_step_ms, std::int16_t{2});
        QCOMPARE(w->model().state.frequency_step, std::int16_t{10});
    }

    void fonts_resolve_to_the_stand_ins() {
        // AF_FONTS_HIDDEN: the test runs with a font configuration that shows
        // only DejaVu, so every caption must fall back to a font of its kind.
        const bool hidden = qEnvironmentVariableIsSet("AF_FONTS_HIDDEN");
        auto w = open();
        const std::pair<const char*, QString> expected[] = {
            {"time_caption", hidden ? "DejaVu Serif" : "Liberation Serif"},
            {"omega1_caption", hidden ? "DejaVu Serif" : "IPAPMincho"},
            {"omega1_pi", hidden ? "DejaVu Serif" : "IPAMincho"},
            {"run_button", hidden ? "DejaVu Sans" : "IPAPGothic"},
            {"wave_caption_1", hidden ? "DejaVu Sans" : "IPAPGothic"},
        };
        for (const auto& [name, family] : expected) {
            auto* widget = w->findChild<QWidget*>(name);
            QCOMPARE(QFontInfo(widget->font()).family(), family);
        }
        QVERIFY(QFontInfo(w->findChild<QWidget*>("time_caption")->font()).italic());
        // ω, π and the brackets have glyphs in the fonts that show them; DejaVu has no brackets.
        const std::pair<const char*, QChar> glyphs[] = {
            {"omega1_caption", QChar(0x03C9)}, {"omega1_pi", QChar(0x03C0)}, {"wave_caption_1", QChar(0x3010)}};
        for (const auto& [name, glyph] : glyphs) {
            if (hidden && glyph == QChar(0x3010)) continue;
            QVERIFY2(QFontMetrics(w->findChild<QWidget*>(name)->font()).inFont(glyph), name);
        }
    }

    void focus_follows_the_tab_order() {
        auto w = open();
        const QStringList order{"circle_view",  "wave_view_1", "run_button",    "reset_button",    "time_step_0.005",
                                "time_step_0.01", "wave_view_2", "time_step_0.002",     "omega_step_1",  "omega_step_0.5",
                                "omega_step_0.1", "time_spin", "r1_spin", "r2_spin", "omega1_spin",
                                "omega2_spin"};
        QWidget* widget = w->findChild<QWidget*>(order.front());
        for (qsizetype k = 1; k < order.size(); ++k) {
            do widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus));
            QCOMPARE(widget->objectName(), order[k]);
        }
        QCOMPARE(w->findChild<QWidget*>("r1_spin")->accessibleName(), QString("r1"));
    }

    void spins_answer_clicks_keys_and_holding() {
        auto w = open();
        auto* r1 = w->findChild<QWidget*>("r1_spin");
        click_arrow(r1, true);
        QCOMPARE(label_text(*w, "r1_value"), QString("11"));
        click_arrow(r1, false);
        click_arrow(r1, false);
        QCOMPARE(label_text(*w, "r1_value"), QString("9"));

        auto* w1 = w->findChild<QWidget*>("omega1_spin");
        w1->setFocus();
        QTest::keyClick(w1, Qt::Key_Up);
        QCOMPARE(label_text(*w, "omega1_value"), QString("3"));
        QTest::keyClick(w1, Qt::Key_Down);
        QCOMPARE(label_text(*w, "omega1_value"), QString("2"));

        // Holding the time arrow repeats after a pause; releasing stops it.
        auto* t = w->findChild<QWidget*>("time_spin");
        QTest::mousePress(t, Qt::LeftButton, {}, QPoint(8, 3));
        QTest::qWait(800);
        QTest::mouseRelease(t, Qt::LeftButton, {}, QPoint(8, 3));
        const float held = w->model().state.time_ms;
        QVERIFY2(held >= 30.0f, qPrintable(QString::number(held)));
        QTest::qWait(300);
        QCOMPARE(w->model().state.time_ms, held);
        QCOMPARE(label_text(*w, "time_value"), QString::fromStdString(w->model().time_value.caption));
    }

    void every_arrow_and_option_makes_its_act() {
        auto w = open();
        struct Spin {
            const char* spin;
            const char* label;
            const char* after_up;
        };
        const Spin spins[] = {{"time_spin", "time_value", "0.01"}, {"r1_spin", "r1_value", "11"},
                              {"r2_spin", "r2_value", "11"},   {"omega1_spin", "omega1_value", "3"},
                              {"omega2_spin", "omega2_value", "5"}};
        for (const Spin& s : spins) {
            auto* spin = w->findChild<QWidget*>(s.spin);
            const QString before = label_text(*w, s.label);
            click_arrow(spin, true);
            QCOMPARE(label_text(*w, s.label), QString(s.after_up));
            click_arrow(spin, false);
            QCOMPARE(label_text(*w, s.label), before);
        }
        const std::pair<const char*, int> time_steps[] = {{"time_step_0.005", 5}, {"time_step_0.002", 2}, {"time_step_0.01", 10}};
        for (const auto& [name, step] : time_steps) {
            QTest::mouseClick(w->findChild<QAbstractButton*>(name), Qt::LeftButton);
            QCOMPARE(int{w->model().state.time_step_ms}, step);
        }
        const std::pair<const char*, int> frequency_steps[] = {{"omega_step_0.5", 5}, {"omega_step_0.1", 1}, {"omega_step_1", 10}};
        for (const auto& [name, step] : frequency_steps) {
            QTest::mouseClick(w->findChild<QAbstractButton*>(name), Qt::LeftButton);
            QCOMPARE(int{w->model().state.frequency_step}, step);
        }
        QTest::mouseClick(w->findChild<QAbstractButton*>("reset_button"), Qt::LeftButton);
        QCOMPARE(label_text(*w, "time_value"), QString("0"));
    }

    void keyboard_alone_works_every_control() {
        auto w = open();
        auto* time = w->findChild<QWidget*>("time_spin");
        time->setFocus();
        QTest::keyClick(time, Qt::Key_Up);
        QTest::keyClick(time, Qt::Key_Up);
        QCOMPARE(label_text(*w, "time_value"), QString("0.02"));
        auto* reset = w->findChild<QWidget*>("reset_button");
        reset->setFocus();
        QTest::keyClick(reset, Qt::Key_Return);
        QCOMPARE(label_text(*w, "time_value"), QString("0"));
        QTest::keyClick(time, Qt::Key_Up);
        QTest::keyClick(reset, Qt::Key_Space);
        QCOMPARE(label_text(*w, "time_value"), QString("0"));

        // Arrow keys move through one group's options, choosing as they go.
        auto* first = w->findChild<QRadioButton*>("time_step_0.01");
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Down);
        QVERIFY(w->findChild<QRadioButton*>("time_step_0.005")->isChecked());
        QCOMPARE(int{w->model().state.time_step_ms}, 5);
        QVERIFY(w->findChild<QRadioButton*>("omega_step_1")->isChecked());
    }

    void screen_readers_hear_every_control() {
        auto w = open();
        for (const af::ControlSpec& c : af::window_layout()) {
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(w->findChild<QWidget*>(qstring(c.name)));
            QVERIFY2(spoken, c.name.data());
            QVERIFY2(!spoken->text(QAccessible::Name).isEmpty(), c.name.data());
        }
        auto said = [&](const char* name, QAccessible::Text what = QAccessible::Name) {
            return QAccessible::queryAccessibleInterface(w->findChild<QWidget*>(name))->text(what);
        };
        QCOMPARE(said("omega1_spin"), QString("ω1"));
        QVERIFY(said("omega1_spin", QAccessible::Description).contains("angular frequency"));
        QVERIFY(said("circle_view", QAccessible::Description).startsWith("Time 0 seconds. Vector 1: length 10"));
        QCOMPARE(said("time_step_0.002"), QString("step t, 0.002 seconds"));
        // Value labels say what they show now.
        QCOMPARE(said("r1_value"), QString("10"));
        click_arrow(w->findChild<QWidget*>("r1_spin"), true);
        QCOMPARE(said("r1_value"), QString("11"));
    }

    void a_run_is_paced_and_input_waits_for_its_end() {
        auto w = open();
        auto* anim = w->findChild<QAbstractButton*>("run_button");
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(anim, Qt::LeftButton);
        // The run goes on from the event loop; the click has returned at once.
        QVERIFY(w->busy());
        QVERIFY(w->presented_frames() <= 1);
        QTest::qWait(400);
        const QString caption_seen = label_text(*w, "time_value");
        const long frames_before = w->presented_frames();
        QTest::mouseClick(anim, Qt::LeftButton);  // a second click, in the middle of the run
        click_arrow(w->findChild<QWidget*>("r1_spin"), true);  // then r1 up
        QCOMPARE(w->presented_frames(), frames_before);  // not run inside the first
        QVERIFY(frames_before > 0 && frames_before < 101);
        QVERIFY(caption_seen != "0" && caption_seen != "1");  // the label shows the run's time
        QCOMPARE(label_text(*w, "r1_value"), QString("10"));
        // Then handled, after the first run and in order: the second run, then r1,
        // whose frame at t = 0 leaves the static layer drawn, as a run would not.
        QTRY_COMPARE_WITH_TIMEOUT(label_text(*w, "r1_value"), QString("11"), 10000);
        const double elapsed = static_cast<double>(clock.elapsed());
        QVERIFY(!w->busy());
        QCOMPARE(w->presented_frames(), 202L);
        QCOMPARE(w->model().state.on_show, af::OnShow::Vectors);
        QCOMPARE(label_text(*w, "time_value"), QString("0"));
        // Two paced runs of 101 frames; generous bounds for a shared machine.
        const double paced = 202 * w->frame_interval_ms();
        QVERIFY2(elapsed > 0.9 * paced && elapsed < 3 * paced, qPrintable(QString::number(elapsed)));
    }

    void a_storm_of_runs_leaves_the_window_idle_after_two() {
        auto w = open();
        auto* anim = w->findChild<QAbstractButton*>("run_button");
        QTest::mouseClick(anim, Qt::LeftButton);
        QTest::qWait(100);
        // Twenty presses during the run and a step of r2 between them: only
        // the last run waited for is shown; the others change nothing it leaves.
        for (int k = 0; k < 20; ++k) {
            QTest::mouseClick(anim, Qt::LeftButton);
            if (k == 10) click_arrow(w->findChild<QWidget*>("r2_spin"), false);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!w->busy(), 10000);
        QCOMPARE(w->presented_frames(), 202L);
        QCOMPARE(label_text(*w, "r2_value"), QString("9"));
        // The same picture as the acts applied one by one.
        af::testing::Started alone(w->devicePixelRatioF() * w->zoom());
        for (int k = 0; k < 12; ++k) af::apply(alone.model, af::run_act());
        af::apply(alone.model, af::length_step_act(1, af::Direction::Down));
        for (int k = 0; k < 9; ++k) af::apply(alone.model, af::run_act());
        QCOMPARE(w->model().state, alone.model.state);
        QVERIFY(w->model().wave_views[1].screen() == alone.model.wave_views[1].screen());
        QVERIFY(w->model().circle_view.screen() == alone.model.circle_view.screen());
    }

    void a_held_key_is_one_press_of_a_button() {
        auto w = open();
        auto* anim = w->findChild<QWidget*>("run_button");
        anim->setFocus();
        QWindow* handle = w->windowHandle();
        // Enter held for a second: the window system repeats it as pairs of
        // release and press flagged as repeats, here every 33 ms, all during the run.
        for (int k = 1; k <= 30; ++k) {
            QTimer::singleShot(k * 33, w.get(), [handle] {
                QTest::simulateEvent(handle, false, Qt::Key_Return, {}, "\r", true);
                QTest::simulateEvent(handle, true, Qt::Key_Return, {}, "\r", true);
            });
        }
        QTimer::singleShot(31 * 33, w.get(),
                           [handle] { QTest::simulateEvent(handle, false, Qt::Key_Return, {}, "\r", false); });
        QTest::simulateEvent(handle, true, Qt::Key_Return, {}, "\r", false);
        QTRY_VERIFY_WITH_TIMEOUT(!w->busy(), 10000);
        QCOMPARE(w->presented_frames(), 101L);
        QTest::qWait(300);  // what waited for the run's end has been handed on
        QCOMPARE(w->presented_frames(), 101L);
        // A spin control keeps its repeat: one step per repeated Up.
        auto* time = w->findChild<QWidget*>("time_spin");
        time->setFocus();
        QTest::simulateEvent(handle, true, Qt::Key_Up, {}, QString(), false);
        for (int k = 0; k < 4; ++k) QTest::simulateEvent(handle, true, Qt::Key_Up, {}, QString(), true);
        QCOMPARE(label_text(*w, "time_value"), QString("0.05"));
    }

    void repaint_keeps_a_finished_run() {
        auto w = open();
        QTest::mouseClick(w->findChild<QAbstractButton*>("run_button"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w->busy(), 10000);
        auto* wave = w->findChild<QWidget*>("wave_view_1");
        const QImage shown = wave->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const af::Surface& surface = w->model().wave_views[0];
        QCOMPARE(shown.width(), surface.width());
        int differing = 0, black = 0;
        for (int y = 0; y < surface.height(); ++y) {
            for (int x = 0; x < surface.width(); ++x) {
                const QRgb pixel = shown.pixel(x, y) & 0xFFFFFF;
                differing += pixel != (surface.screen()[y * surface.width() + x] & 0xFFFFFF);
                black += pixel == 0;
            }
        }
        // The trace stays; only the label over the view is drawn on top.
        QVERIFY2(black > 150, qPrintable(QString::number(black)));
        QVERIFY2(differing < 600, qPrintable(QString::number(differing)));
    }

    void closing_during_a_run_ends_it_cleanly() {
        auto w = open();
        QTimer::singleShot(300, w.get(), [&] { w->close(); });
        QTest::mouseClick(w->findChild<QAbstractButton*>("run_button"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 5000);
        QVERIFY(!w->busy());
        QVERIFY(w->presented_frames() > 0 && w->presented_frames() < 101);
        // Ended as any run ends: time 0, no moving layer on show.
        QCOMPARE(w->model().time_value.caption, std::string("0"));
        QCOMPARE(w->model().state.on_show, af::OnShow::RunsEnd);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
