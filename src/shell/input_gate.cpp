#include "shell/input_gate.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace af::shell {

namespace {

bool is_user_input(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

bool is_press_key(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space; }

}  // namespace

InputGate::InputGate(QWidget& window) : window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputGate::~InputGate() { QCoreApplication::instance()->removeEventFilter(this); }

bool InputGate::for_this_window(QObject* receiver) const {
    // Widgets only: the window's own handle gets its input first and passes
    // it on to a widget, where it is held, so mouse grabs stay as they were.
    if (!receiver->isWidgetType()) return false;
    return static_cast<QWidget*>(receiver)->window() == &window_;
}

bool InputGate::eventFilter(QObject* receiver, QEvent* event) {
    if (!is_user_input(event->type()) || !for_this_window(receiver)) return false;
    if (holding_) {
        waiting_.emplace_back(receiver, std::unique_ptr<QEvent>(event->clone()));
        return true;
    }
    return press_key(receiver, event);
}

bool InputGate::press_key(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    auto* button = qobject_cast<QPushButton*>(receiver);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!button || !is_press_key(key->key()) || (key->modifiers() & ~Qt::KeypadModifier)) return false;
    if (event->type() == QEvent::KeyRelease) {
        if (!key->isAutoRepeat()) {
            released_key_ = key->key();
            released_at_ = key->timestamp();
        }
        return true;
    }
    // The toolkit flags most repeats; a repeat read before the server's
    // matching press had arrived is known by its time (0: no time known).
    const bool repeat = key->isAutoRepeat() ||
                        (key->key() == released_key_ && key->timestamp() != 0 && key->timestamp() == released_at_);
    if (!repeat) button->click();
    return true;
}

void InputGate::hold() { holding_ = true; }

void InputGate::release() {
    holding_ = false;
    // Posted, not sent: each is handled from the event loop, after this run's
    // handler has returned, and one that starts a new run holds the rest again.
    for (auto& [receiver, event] : std::exchange(waiting_, {})) {
        if (receiver) QCoreApplication::postEvent(receiver, event.release());
    }
}

void InputGate::drop() {
    holding_ = false;
    waiting_.clear();
}

}  // namespace af::shell
