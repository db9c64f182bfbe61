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
    std::string said = narrator_.end(before, form_.state, act);
    // The new values first, so that what is said after them is the last word.
    if (const SpinButton* stepped = update_accessible()) {
        // Orca keeps one last value for all controls and drops a change to
        // that same value, as when r2 reaches 11 just after r1 did: then the
        // value is said here.
        const SpinReading& now = stepped->reading();
        if (now.value == last_value_said_) said = now.text + (said.empty() ? "" : ", ") + said;
        last_value_said_ = now.value;
    }
    announce(said);
}

SpinButton* MainWindow::update_accessible() {
    SpinButton* stepped = nullptr;
    for (const auto& [spin, spinner] : spins_) {
        if (spin->set_reading(spin_reading(form_.state, spinner)) && spin->hasFocus()) stepped = spin;
    }
    set_description(control<SurfaceView>("b_circ"), circle_description(form_.state));
    for (int i = 0; i < kWaveViews; ++i) {
        const std::string name = "wave_s(" + std::to_string(i) + ")";
        set_description(control<SurfaceView>(name), narrator_.wave_description(form_.state, i));
    }
    return stepped;
}

void MainWindow::announce(const std::string& text) {
    if (text.empty() || !QAccessible::isActive()) return;
    announcer_->say(QString::fromStdString(text));
}

void MainWindow::watch_focus() {
    connect(qApp, &QApplication::focusChanged, this, [this] { narrator_.focus_moved(); });
}

}  // namespace af::shell
