#include <QAccessible>
#include <QApplication>

#include "app/accessible_text.h"
#include "shell/announcer.h"
#include "shell/main_window.h"
#include "shell/spin_button.h"
#include "shell/surface_view.h"

namespace af::shell {

namespace {

void set_description(QWidget* widget, const std::string& text) {
    const QString description = QString::fromStdString(text);
    if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}

}  // namespace

void MainWindow::tell(const State& before, const Act& act) {
    const std::string said = narrator_.end(before, form_.state, act);
    // The new values first, so that what is said after them is the last word.
    update_accessible();
    announce(said);
}

void MainWindow::update_accessible() {
    for (const auto& [spin, spinner] : spins_) spin->set_reading(spin_reading(form_.state, spinner));
    set_description(control<SurfaceView>("b_circ"), circle_description(form_.state));
    for (int i = 0; i < kWaveViews; ++i) {
        const std::string name = "wave_s(" + std::to_string(i) + ")";
        set_description(control<SurfaceView>(name), narrator_.wave_description(form_.state, i));
    }
}

void MainWindow::announce(const std::string& text) {
    if (text.empty() || !QAccessible::isActive()) return;
    announcer_->say(QString::fromStdString(text));
}

void MainWindow::watch_focus() {
    announcer_ = new Announcer(this);
    connect(qApp, &QApplication::focusChanged, this, [this] { narrator_.focus_moved(); });
}

}  // namespace af::shell
