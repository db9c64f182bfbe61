#include "shells/desktop/press_button.h"

#include <QKeyEvent>

#include "core/model/control_input.h"

namespace af::desktop {

namespace {

bool is_press_key(const QKeyEvent& key) {
    const int k = key.key();
    return (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) &&
           !(key.modifiers() & ~Qt::KeypadModifier);
}

}  // namespace

PressButton::PressButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(true);  // drawn as the style draws a button Enter presses
}

void PressButton::keyPressEvent(QKeyEvent* event) {
    if (!is_press_key(*event)) return QPushButton::keyPressEvent(event);
    // The toolkit flags most repeats; a repeat read before the server's
    // matching press had arrived is known by its time (0: no time known).
    const bool repeat = event->isAutoRepeat() || (event->key() == released_key_ && event->timestamp() != 0 &&
                                                  event->timestamp() == released_at_);
    if (!repeat || held_press(ControlKind::PushButton).key_repeats) click();
    event->accept();
}

void PressButton::keyReleaseEvent(QKeyEvent* event) {
    if (!is_press_key(*event)) return QPushButton::keyReleaseEvent(event);
    if (!event->isAutoRepeat()) {
        released_key_ = event->key();
        released_at_ = event->timestamp();
    }
    event->accept();
}

}  // namespace af::desktop
