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

Speech::Speech(QWidget& window, Session& session, const WindowControls& controls)
    : session_(session), controls_(controls), announcer_(new Announcer(&window)) {
    // A refused step is said again once the focus has moved.
    focus_watch_ = QObject::connect(qApp, &QApplication::focusChanged, [&session] { session.focus_moved(); });
}

// The window's widgets outlive this part of it, and their focus may still move.
Speech::~Speech() { QObject::disconnect(focus_watch_); }

std::vector<std::string> Speech::show(const SessionChanges& changes) {
    std::vector<std::string> said = changes.said;
    // The new values first, so that what is said after them is the last word.
    if (changes.readings) {
        if (const std::optional<SpinReading> stepped = update_readings()) {
            // Orca keeps one last value for all controls and drops a change to
            // that same value, as when r2 reaches 11 just after r1 did: then the
            // value is said here.
            if (stepped->value == last_value_said_) {
                if (said.empty()) said.emplace_back();
                said.back() = value_then(stepped->text, said.back(), session_.language());
            }
            last_value_said_ = stepped->value;
        }
    }
    for (const std::string& sentence : said) announce(sentence);
    return said;
}

void Speech::refresh() { update_readings(); }

std::optional<SpinReading> Speech::update_readings() {
    std::optional<SpinReading> stepped;
    for (auto& [name, reading] : session_.spin_readings()) {
        auto* spin = controls_.find<SpinButton>(name);
        if (spin->set_reading(std::move(reading)) && spin->hasFocus()) stepped = spin->reading();
    }
    for (const auto& [name, text] : session_.view_descriptions()) set_description(controls_.view(name), text);
    return stepped;
}

void Speech::announce(const std::string& text) {
    if (text.empty() || !QAccessible::isActive()) return;
    announcer_->say(QString::fromStdString(text));
}

}  // namespace af::desktop
