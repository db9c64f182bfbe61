// The window under a real window manager (openbox on Xvfb): its outer size
// and place at start, and a layout that scales with the window while every
// view stays exactly what a window created at that size would show.
#include <QAbstractButton>
#include <QProcess>
#include <QScreen>
#include <QtTest>

#include "core/acts/apply.h"
#include "core/model/window_fit.h"
#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"
#include "support/fake_host.h"

using af::desktop::MainWindow;

namespace {

void wm(const QStringList& arguments) { QProcess::execute("wmctrl", arguments); }

QString window_id(const QWidget& w) { return QString::number(w.winId()); }

// The views hold what a window created at the window's present resolution
// (the screen's pixels per layout pixel, times the zoom) would hold after the
// same events.
bool views_as_if_created_so(MainWindow& w, void (*events)(af::Model&)) {
    af::testing::Started fresh(w.devicePixelRatioF() * w.zoom());
    events(fresh.model);
    const auto a = af::named_views(w.model());
    const auto b = af::named_views(fresh.model);
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k].second->screen() != b[k].second->screen()) return false;
        if (a[k].second->persistent() != b[k].second->persistent()) return false;
    }
    return true;
}

// Every pixel of a view as the screen shows it, its captions left out, is a
// pure colour: each channel off or full, nothing blended or smoothed.
int blended_pixels(MainWindow& w, const char* name) {
    QWidget* view = w.findChild<QWidget*>(name);
    const QImage shown = w.screen()->grabWindow(w.winId()).toImage();
    const double ratio = shown.devicePixelRatio();
    QRegion region(QRect(view->mapTo(&w, QPoint(0, 0)), view->size()));
    for (const QWidget* caption : view->findChildren<QWidget*>()) {
        region -= QRect(caption->mapTo(&w, QPoint(0, 0)), caption->size()).adjusted(-1, -1, 1, 1);
    }
    int blended = 0;
    for (const QRect& r : region) {
        for (int y = static_cast<int>(r.top() * ratio); y < static_cast<int>((r.bottom() + 1) * ratio); ++y) {
            for (int x = static_cast<int>(r.left() * ratio); x < static_cast<int>((r.right() + 1) * ratio); ++x) {
                const QRgb p = shown.pixel(x, y);
                for (const int c : {qRed(p), qGreen(p), qBlue(p)}) blended += c != 0 && c != 255;
            }
        }
    }
    return blended;
}

void run(af::Model& model) { af::apply(model, af::run_act()); }

}  // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> open() {
        auto w = std::make_unique<MainWindow>();
        w->show();
        if (!QTest::qWaitForWindowActive(w.get())) qWarning("window not active");
        QTest::qWait(300);  // the manager's decoration, and the window settled in it
        return w;
    }

    static bool screen_has_room(const MainWindow& w) {
        const QSize room = w.screen()->availableGeometry().size();
        const af::Size outer = af::outer_size_at_start();
        return room.width() >= outer.width && room.height() >= outer.height;
    }

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
        af::desktop::prepare_application();
    }

    void starts_at_its_outer_size_centred_and_on_screen() {
        auto w = open();
        QTRY_VERIFY2_WITH_TIMEOUT(w->screen()->availableGeometry().contains(w->frameGeometry()),
                                  "the window does not lie wholly on screen", 3000);
        if (!screen_has_room(*w)) {
            QVERIFY(w->zoom() < 1.0);
            return;
        }
        QCOMPARE(w->zoom(), 1.0);
        // The manager may take a moment to report its decoration; then the outer size is the laid-out size.
        const auto laid_out = [&] {
            const QSize size = w->frameGeometry().size();
            const af::Size outer = af::outer_size_at_start();
            return std::abs(size.width() - outer.width) <= 2 && std::abs(size.height() - outer.height) <= 2;
        };
        QTRY_VERIFY2_WITH_TIMEOUT(laid_out(), qPrintable(QString("%1x%2").arg(w->frameGeometry().width())
                                                             .arg(w->frameGeometry().height())), 3000);
        const QRect outer = w->frameGeometry();
        const QPoint off = outer.center() - w->screen()->geometry().center();
        QVERIFY2(std::abs(off.x()) <= 3 && std::abs(off.y()) <= 3, qPrintable(QString("%1,%2").arg(off.x()).arg(off.y())));
    }

    void maximised_full_screen_and_restored_keep_the_pictures_exact() {
        auto w = open();
        if (!screen_has_room(*w)) QSKIP("needs a screen larger than the window");
        wm({"-i", "-r", window_id(*w), "-b", "add,maximized_vert,maximized_horz"});
        QTRY_VERIFY_WITH_TIMEOUT(w->zoom() >= 2.5, 5000);
        QTest::mouseClick(w->findChild<QAbstractButton*>("run_button"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w->busy(), 10000);
        QVERIFY(views_as_if_created_so(*w, run));
        QTest::qWait(100);
        QCOMPARE(blended_pixels(*w, "circle_view"), 0);
        QCOMPARE(blended_pixels(*w, "wave_view_1"), 0);

        wm({"-i", "-r", window_id(*w), "-b", "remove,maximized_vert,maximized_horz"});
        QTRY_COMPARE_WITH_TIMEOUT(w->zoom(), 1.0, 5000);
        QVERIFY(views_as_if_created_so(*w, run));

        QTest::keyClick(w->windowHandle(), Qt::Key_F11);
        QTRY_COMPARE_WITH_TIMEOUT(w->frameGeometry(), w->screen()->geometry(), 5000);
        QVERIFY(views_as_if_created_so(*w, run));
        QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
        QTRY_COMPARE_WITH_TIMEOUT(w->zoom(), 1.0, 5000);
        QVERIFY(views_as_if_created_so(*w, run));
    }

    void zoom_keys_step_and_return_to_the_laid_out_size() {
        auto w = open();
        if (!screen_has_room(*w)) QSKIP("needs a screen larger than the window");
        QTest::keyClick(w->windowHandle(), Qt::Key_Plus, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(w->zoom(), 1.1, 5000);
        QVERIFY(w->screen()->availableGeometry().contains(w->frameGeometry()));
        QTest::keyClick(w->windowHandle(), Qt::Key_0, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(w->zoom(), 1.0, 5000);
        QVERIFY(views_as_if_created_so(*w, [](af::Model&) {}));
    }
};

QTEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"
