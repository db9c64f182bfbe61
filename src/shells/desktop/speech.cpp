#include "shells/desktop/speech.h"

#include <QAccessible>
#include <QApplication>

#include "shells/desktop/announcer.h"
#include "shells/desktop/spin_button.h"
#include "shells/desktop/surface_view.h"
#include "shells/desktop/window_controls.h"

namespace af::desktop {

namespace {

void set_description(QWidget* widget, const std::string& text) {
    const QString description = QString::fromStdString(text);
    if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}

}  // namespace

Speech::Speech(QWidget& window, const Model& model, const WindowControls& controls)
    : model_(model), controls_(controls), announcer_(new Announcer(&window)) {
    // A refused step is said again once the focus has moved.
    focus_watch_ = QObject::connect(qApp, &QApplication::focusChanged, [this] { narrator_.focus_moved(); });
}

// The window's widgets outlive this part of it, and their focus may still move.
Speech::~Speech() { QObject::disconnect(focus_watch_); }

void Speech::act_began(const Act& act) { announce(narrator_.begin(model_.state, act)); }

void Speech::act_applied(const State& before, const Act& act, const ActResult& result) {
    std::string said = narrator_.end(before, model_.state, act, result);
    // The new values first, so that what is said after them is the last word.
    if (const SpinReading* stepped = update_readings()) {
        // Orca keeps one last value for all controls and drops a change to
        // that same value, as when r2 reaches 11 just after r1 did: then the
        // value is said here.
        if (stepped->value == last_value_said_) said = value_then(stepped->text, said);
        last_value_said_ = stepped->value;
    }
    announce(said);
}

void Speech::refresh() { update_readings(); }

const SpinReading* Speech::update_readings() {
    const SpinReading* stepped = nullptr;
    for (const auto& [spin, target] : controls_.spins()) {
        if (spin->set_reading(spin_reading(model_.state, target)) && spin->hasFocus()) stepped = &spin->reading();
    }
    for (const auto& [name, text] : narrator_.view_descriptions(model_.state)) set_description(controls_.view(name), text);
    return stepped;
}

void Speech::announce(const std::string& text) {
    if (text.empty() || !QAccessible::isActive()) return;
    announcer_->say(QString::fromStdString(text));
}

}  // namespace af::desktop
