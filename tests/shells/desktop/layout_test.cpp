// The window as laid out, checked against a transcription of the layout
// written out here, not read from the table the window is built from: a
// mistyped number there does not check itself.
#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>
#include <cmath>

#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

using af::desktop::MainWindow;

namespace {

struct Laid {
    const char* name;
    const char* parent;
    const char* caption;  // as shown once the window is up
    int left, top, width, height;  // twips
    const char* family;   // the free font that stands in; "" for none set
    double points;
    bool italic;
    const char* fore;     // "blue", "red" or "" for the style's colour
    const char* align;    // "right", "centre" or "" for left
};

// clang-format off
const Laid kLaidOut[] = {
    {"control_panel", "window", "", 120, 0, 2775, 4695, "", 0, false, "", ""},
    {"wave_panel_1", "window", "", 2880, 0, 6375, 2415, "", 0, false, "", ""},
    {"wave_panel_2", "window", "", 2880, 2280, 6375, 2415, "", 0, false, "", ""},
    {"circle_view", "control_panel", "", 360, 240, 2052, 2052, "", 0, false, "", ""},
    {"time_caption", "control_panel", "t=", 120, 2400, 252, 252, "Liberation Serif", 9.0, true, "", ""},
    {"time_value", "control_panel", "0", 360, 2400, 492, 252, "Liberation Serif", 9.0, false, "blue", "right"},
    {"time_spin", "control_panel", "", 960, 2400, 255, 255, "", 0, false, "", ""},
    {"r1_caption", "control_panel", "r1=", 120, 2760, 252, 252, "Liberation Serif", 9.0, true, "", ""},
    {"r1_value", "control_panel", "10", 600, 2760, 252, 252, "Liberation Serif", 9.0, false, "blue", "right"},
    {"r1_spin", "control_panel", "", 960, 2760, 255, 255, "", 0, false, "", ""},
    {"omega1_caption", "control_panel", "ω1=", 1320, 2760, 375, 255, "IPAPMincho", 9.0, false, "", ""},
    {"omega1_value", "control_panel", "2", 1680, 2760, 255, 255, "Liberation Serif", 9.0, false, "blue", "right"},
    {"omega1_pi", "control_panel", "π", 2040, 2760, 255, 255, "IPAMincho", 9.0, false, "blue", ""},
    {"omega1_spin", "control_panel", "", 2400, 2760, 255, 255, "", 0, false, "", ""},
    {"r2_caption", "control_panel", "r2=", 120, 3120, 252, 252, "Liberation Serif", 9.0, true, "", ""},
    {"r2_value", "control_panel", "10", 600, 3120, 252, 252, "Liberation Serif", 9.0, false, "blue", "right"},
    {"r2_spin", "control_panel", "", 960, 3120, 255, 255, "", 0, false, "", ""},
    {"omega2_caption", "control_panel", "ω2=", 1320, 3120, 375, 255, "IPAPMincho", 9.0, false, "", ""},
    {"omega2_value", "control_panel", "4", 1680, 3120, 255, 255, "Liberation Serif", 9.0, false, "blue", "right"},
    {"omega2_pi", "control_panel", "π", 2040, 3120, 255, 255, "IPAMincho", 9.0, false, "blue", ""},
    {"omega2_spin", "control_panel", "", 2400, 3120, 255, 255, "", 0, false, "", ""},
    {"run_button", "control_panel", "ANIM", 120, 3720, 735, 375, "IPAPGothic", 9.75, false, "", ""},
    {"reset_button", "control_panel", "RESET", 120, 4200, 732, 372, "IPAPGothic", 9.75, false, "", ""},
    {"time_step_group", "control_panel", "step t", 900, 3600, 915, 975, "IPAMincho", 9.0, false, "", ""},
    {"omega_step_group", "control_panel", "step ω", 1830, 3600, 915, 975, "IPAMincho", 9.0, false, "", ""},
    {"range_label", "circle_view", "15", 480, 0, 375, 255, "Liberation Serif", 9.75, false, "red", "right"},
    {"wave_view_1", "wave_panel_1", "", 360, 240, 5892, 2052, "", 0, false, "", ""},
    {"wave_view_2", "wave_panel_2", "", 360, 240, 5892, 2052, "", 0, false, "", ""},
    {"wave_caption_1", "wave_panel_1", "【S】", 0, 1200, 375, 255, "IPAPGothic", 9.75, false, "", "centre"},
    {"wave_caption_2", "wave_panel_2", "【C】", 0, 1200, 375, 255, "IPAPGothic", 9.75, false, "", "centre"},
    {"axis_label_1", "wave_view_1", " 1sec", 5160, 720, 612, 252, "IPAMincho", 9.75, false, "red", "right"},
    {"axis_label_2", "wave_view_2", " 1sec", 5160, 720, 612, 252, "IPAMincho", 9.75, false, "red", "right"},
    {"time_step_0.01", "time_step_group", "0.01", 120, 240, 735, 210, "Liberation Serif", 8.25, false, "", ""},
    {"time_step_0.005", "time_step_group", "0.005", 120, 480, 735, 210, "Liberation Serif", 8.25, false, "", ""},
    {"time_step_0.002", "time_step_group", "0.002", 120, 720, 735, 210, "Liberation Serif", 8.25, false, "", ""},
    {"omega_step_1", "omega_step_group", "1", 120, 240, 735, 210, "Liberation Serif", 8.25, false, "", ""},
    {"omega_step_0.5", "omega_step_group", "0.5", 120, 480, 735, 210, "Liberation Serif", 8.25, false, "", ""},
    {"omega_step_0.1", "omega_step_group", "0.1", 120, 720, 735, 210, "Liberation Serif", 8.25, false, "", ""},
};
// clang-format on

int px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QString caption_of(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
    return {};
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { af::desktop::prepare_application(); }

    void every_control_as_laid_out() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.zoom(), 1.0);
        QCOMPARE(w.windowTitle(), QString("Angular Frequency"));
        int widgets = 0;
        for (const Laid& c : kLaidOut) {
            QWidget* widget = w.findChild<QWidget*>(c.name);
            QVERIFY2(widget, c.name);
            ++widgets;
            QCOMPARE(widget->parentWidget()->objectName(), QString(c.parent));
            QRect expected(px(c.left), px(c.top), px(c.width), px(c.height));
            if (QString(c.parent) == "window") expected.translate(w.layout_origin());
            QCOMPARE(widget->geometry(), expected);
            QCOMPARE(caption_of(widget), QString::fromUtf8(c.caption));
            if (*c.family) {
                const QFontInfo font(widget->font());
                QCOMPARE(font.family(), QString(c.family));
                QCOMPARE(widget->font().pointSizeF(), c.points);
                QCOMPARE(font.italic(), c.italic);
                QCOMPARE(widget->font().weight(), QFont::Normal);
            }
            const QColor fore = widget->palette().color(QPalette::WindowText);
            if (QString(c.fore) == "blue") QCOMPARE(fore, QColor(0, 0, 255));
            // A red dark enough for small text on white (4.8 : 1, not pure red's 4.0 : 1).
            if (QString(c.fore) == "red") QCOMPARE(fore, QColor(0xE6, 0, 0));
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                // Absolute or not: a caption set right to left keeps its side.
                const Qt::Alignment h = label->alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
                const QString align(c.align);
                QCOMPARE(h, align == "right" ? Qt::AlignRight : align == "centre" ? Qt::AlignHCenter : Qt::AlignLeft);
            }
        }
        QCOMPARE(widgets, 38);
        const QStringList chosen{"time_step_0.01", "omega_step_1"};
        for (QRadioButton* option : w.findChildren<QRadioButton*>()) {
            QCOMPARE(option->isChecked(), chosen.contains(option->objectName()));
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
