// The program as a teacher's shell script uses it: --help, --version and a
// bad value give their statuses and messages without a window; --picture
// writes the three views of a setup, equal to the reference images of that
// state; Ctrl+C in the window leaves the views on the clipboard.
#include <QClipboard>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QPushButton>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/language/choose_language.h"
#include "core/model/layout.h"
#include "core/setup/parse_setup.h"
#include "core/setup/usage_text.h"
#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

namespace {

struct Ran {
    int status;
    QString out, err;
};

// The program run as from a desktop whose environment asks for `language`, if any.
Ran run(const QStringList& arguments, const QString& language = {}) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) environment.remove(name);
    environment.insert("LANG", "en_US.UTF-8");
    if (!language.isEmpty()) environment.insert("LANGUAGE", language);
    program.setProcessEnvironment(environment);
    program.start(AF_PROGRAM, arguments);
    if (!program.waitForFinished(20000)) {
        program.kill();
        return {-1, {}, "did not end: a window opened?"};
    }
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

// The views' places in a picture at scale 1, in pixels: as the window lays
// them out (each corner its twips summed over its parents, 15 twips to a
// pixel), from the top-left view's corner.
struct Placed {
    QRect in_picture;
    int row_in_reference;  // the references stack the views, circle view on top
};
std::vector<Placed> laid_out_views() {
    const auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    std::vector<Placed> views;
    int row = 0;
    for (const char* name : {"circle_view", "wave_view_1", "wave_view_2"}) {
        const af::ControlSpec* view = af::layout_control(name);
        int x = 0, y = 0;
        for (const af::ControlSpec* c = view; c; c = af::layout_control(c->parent)) x += c->twips.left, y += c->twips.top;
        views.push_back({QRect(px(x), px(y), px(view->twips.width), px(view->twips.height)), row});
        row += px(view->twips.height);
    }
    const int left = std::min({views[0].in_picture.x(), views[1].in_picture.x(), views[2].in_picture.x()});
    const int top = std::min({views[0].in_picture.y(), views[1].in_picture.y(), views[2].in_picture.y()});
    for (Placed& v : views) v.in_picture.translate(-left, -top);
    return views;
}
const std::vector<Placed> kViews = laid_out_views();

QRect scaled(const QRect& r, int s) { return {r.x() * s, r.y() * s, r.width() * s, r.height() * s}; }

}  // namespace

class Picture : public QObject {
    Q_OBJECT

private slots:
    void help_version_and_usage_errors() {
        const Ran help = run({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith("Usage: angular-frequency [OPTION]... [ADDRESS]"));
        QVERIFY(help.out.contains("--time-step=SECONDS"));
        const Ran version = run({"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith("angular-frequency " AF_VERSION "\n"));
        for (const auto& [arguments, first] :
             {std::pair{QStringList{"--r1", "16"}, QString("angular-frequency: --r1: must be a whole number from 1 to 15")},
              {QStringList{"--bogus"}, QString("angular-frequency: unknown option '--bogus'")},
              {QStringList{"omega2=2.5"}, QString("angular-frequency: omega2: must be a whole number from 1 to 10")}}) {
            const Ran bad = run(arguments);
            QCOMPARE(bad.status, 2);
            QCOMPARE(bad.err, first + "\nTry 'angular-frequency --help' for more information.\n");
            QVERIFY(bad.out.isEmpty());
        }
        // In the language the environment or --lang asks for, with the same statuses.
        const af::Language de = af::choose_language(std::vector<std::string>{"de"});
        const std::string r1 = af::fill(af::translate(de, "{field}: {rule}"),
                                        {{"field", "--r1"},
                                         {"rule", af::fill(af::translate(de, "must be a whole number from {lowest} to {highest}"),
                                                           {{"lowest", "1"}, {"highest", "15"}})}});
        for (const auto& [arguments, language] : {std::pair{QStringList{"--r1=99"}, QString("de")},
                                                  {QStringList{"--lang=de", "--r1=99"}, QString()}}) {
            const Ran bad = run(arguments, language);
            QCOMPARE(bad.status, 2);
            QCOMPARE(bad.err, QString::fromStdString(af::usage_error_text(r1, de)));
        }
        const Ran german_help = run({"--help"}, "de");
        QCOMPARE(german_help.status, 0);
        QCOMPARE(german_help.out, QString::fromStdString(af::usage_text(de)));
        QVERIFY(german_help.out.contains(QString::fromStdString(std::string(af::translate(de, "display this help and exit")))));
        QVERIFY(!german_help.out.contains("display this help and exit"));
    }

    void pictures_equal_the_reference_images_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<int>("scale");
        for (const int s : {1, 2}) {
            const QString at = QString("@%1x").arg(s), scale = QString::number(s);
            QTest::newRow(qPrintable("start-up" + at)) << QStringList{"--scale", scale} << "start-up" + at << s;
            QTest::newRow(qPrintable("after a run" + at))
                << QStringList{"--run", "--scale=" + scale} << "after-run-0.01" + at << s;
            QTest::newRow(qPrintable("after a run at 0.002" + at))
                << QStringList{"--time-step", "0.002", "--run", "--scale", scale} << "after-run-0.002" + at << s;
            QTest::newRow(qPrintable("a length down, as a link" + at))
                << QStringList{"--scale", scale, "file:///x/angular-frequency.html?r1=9"} << "r1-down" + at << s;
        }
    }

    void pictures_equal_the_reference_images() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reference);
        QFETCH(int, scale);
        QTemporaryDir dir;
        const QString file = dir.filePath("picture.png");
        const Ran made = run(QStringList{"--picture", file} + arguments);
        QCOMPARE(made.status, 0);
        const QImage picture = QImage(file).convertToFormat(QImage::Format_RGB32);
        QImage expected = QImage(AF_GOLDEN_DIR "/" + reference + ".png").convertToFormat(QImage::Format_RGB32);
        expected.setDevicePixelRatio(1);  // some references carry their ratio; pixels are compared
        QRect whole;
        for (const Placed& view : kViews) whole |= view.in_picture;
        QCOMPARE(picture.size(), whole.size() * scale);
        for (const Placed& view : kViews) {
            const QRect in_picture = scaled(view.in_picture, scale);
            const QImage seen = picture.copy(in_picture);
            const QImage wanted = expected.copy(0, view.row_in_reference * scale, in_picture.width(), in_picture.height());
            QCOMPARE(seen, wanted);
        }
        // Between the views the picture is white.
        QCOMPARE(picture.pixel(150 * scale, 10 * scale), qRgb(255, 255, 255));
    }

    void a_window_opens_set_up() {
        af::desktop::prepare_application();
        af::desktop::MainWindow w(af::parse_setup("time_step=0.005&omega_step=0.5&omega2=2.5&r1=5").setup);
        QCOMPARE(w.findChild<QLabel*>("r1_value")->text(), QString("5"));
        QCOMPARE(w.findChild<QLabel*>("omega2_value")->text(), QString("2.5"));
        QVERIFY(w.findChild<QRadioButton*>("time_step_0.005")->isChecked());
        QVERIFY(!w.findChild<QRadioButton*>("time_step_0.01")->isChecked());
        QVERIFY(w.findChild<QRadioButton*>("omega_step_0.5")->isChecked());
    }

    void ctrl_c_copies_the_views_on_screen() {
        af::desktop::prepare_application();
        af::desktop::MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(w.findChild<QWidget*>("time_spin"), Qt::Key_Up);  // the vectors on show
        QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
        const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!copied.isNull());
        const auto views = af::named_views(w.model());
        for (std::size_t k = 0; k < views.size(); ++k) {
            const af::Surface& view = *views[k].second;
            const double ratio = view.device_pixel_ratio();
            const QRect at = scaled(kViews[k].in_picture, 1);
            const QImage shown(reinterpret_cast<const uchar*>(view.screen().data()), view.width(), view.height(),
                               QImage::Format_RGB32);
            QCOMPARE(copied.copy(qRound(at.x() * ratio), qRound(at.y() * ratio), view.width(), view.height()), shown);
        }
    }

    // Last: the toolkit's words stay German for the rest of the program.
    void ctrl_s_asks_in_the_windows_language() {
        if (QLibraryInfo::path(QLibraryInfo::TranslationsPath).isEmpty() ||
            !QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm")) {
            QSKIP("the toolkit's translations (qt6-translations-l10n) are not installed");
        }
        const af::Language de = af::choose_language(std::vector<std::string>{"de"});
        af::desktop::prepare_application(de);
        af::desktop::MainWindow w({}, de);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QFileDialog* dialog = nullptr;
        QTRY_VERIFY((dialog = w.findChild<QFileDialog*>()) != nullptr);
        QStringList buttons;
        for (const QPushButton* button : dialog->findChildren<QPushButton*>()) buttons << button->text().remove('&');
        // The program's own words from its catalogue, the toolkit's from the toolkit's (as it writes them).
        QCOMPARE(dialog->windowTitle(), QString::fromStdString(std::string(af::translate(de, "Save picture"))));
        QVERIFY2(buttons.contains("Speichern") && buttons.contains("Abbrechen"), qPrintable(buttons.join(", ")));
        dialog->reject();
    }
};

QTEST_MAIN(Picture)
#include "picture_test.moc"
