#include "shells/desktop/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "shells/desktop/accessibility.h"
#include "shells/desktop/qt_text.h"

namespace af::desktop {

namespace {

double start_ratio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

// Before the first widget: the accessible factory must see every one made.
QWidget* with_accessibility(QWidget* parent) {
    install_accessibility();
    return parent;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(with_accessibility(parent)),
      fit_(*this, [this] { fit_layout(); }),
      model_(fit_, start_ratio()),
      controls_(*this, model_),
      runner_(model_, {[this](const Act& act) { began(act); },
                       [this](const State& before, const Act& act, const ActResult& result, bool seen) {
                           applied(before, act, result, seen);
                       },
                       [this] {
                           controls_.show_model(true);
                           pacer_.frame_shown();
                       },
                       [this] {
                           if (fit_pending_) fit_layout();
                           emit idle();
                       }}),
      pacer_(*this, [this] { runner_.frame_due(); }),
      speech_(*this, model_, controls_) {
    setWindowTitle(qstring(kWindowCaption));
    const Size laid_out = laid_out_client();
    resize(laid_out.width, laid_out.height);
    controls_.place(1.0, {});
    controls_.wire([this](const Act& act) { runner_.act(act); });
    fit_.add_shortcuts();
    start_up(model_);
    fit_.take_start_size();
    controls_.show_model(false);
    speech_.refresh();
}

MainWindow::~MainWindow() = default;

void MainWindow::began(const Act& act) {
    if (act.kind == Act::Kind::Run) pacer_.begin_run();
    speech_.act_began(act);
}

void MainWindow::applied(const State& before, const Act& act, const ActResult& result, bool seen) {
    log_.record(before, act, result);
    controls_.show_model(false);
    if (seen) speech_.act_applied(before, act, result);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A run under way ends at once; what waited for it is dropped.
    runner_.stop();
    pacer_.stop();
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fit_.first_shown();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit_layout();
}

void MainWindow::fit_layout() {
    if (runner_.busy()) {
        fit_pending_ = true;  // a run is under way: after it
        return;
    }
    fit_pending_ = false;
    fit_.fit();
    controls_.place(fit_.zoom(), fit_.offset());
    const double ratio = devicePixelRatioF() * fit_.zoom();
    if (ratio == model_.device_pixel_ratio()) return;
    log_.redraw(model_, ratio);
    controls_.show_new_views();
}

}  // namespace af::desktop
