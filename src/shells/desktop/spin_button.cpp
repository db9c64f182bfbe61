#include "shells/desktop/spin_button.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "core/model/control_input.h"
#include "shells/desktop/focus_mark.h"
#include "shells/desktop/zoom_style.h"

namespace af::desktop {

namespace {
// How a held arrow repeats, as in every shell.
const HeldPress kHeld = held_press(ControlKind::SpinControl);
}  // namespace

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    repeat_.setSingleShot(false);
    connect(&repeat_, &QTimer::timeout, this, [this] {
        repeat_.setInterval(kHeld.repeat_ms);
        fire(held_);
    });
}

QSize SpinButton::sizeHint() const { return {17, 17}; }

bool SpinButton::set_reading(SpinReading reading) {
    const bool changed = reading.text != reading_.text || reading.value != reading_.value;
    const bool named = reading.name != reading_.name;
    reading_ = std::move(reading);
    if (named) setAccessibleName(QString::fromStdString(reading_.name));
    if (changed) {
        QAccessibleValueChangeEvent event(this, reading_.value);
        QAccessible::updateAccessibility(&event);
    }
    return changed;
}

void SpinButton::fire(Arrow arrow) {
    if (arrow == Arrow::Up) emit spin_up();
    if (arrow == Arrow::Down) emit spin_down();
}

void SpinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Laid out at the layout's size and scaled, so its parts keep their shares at every zoom.
    const QRect whole = laid_out_rect(*this);
    const int half = whole.height() / 2;
    const QRect halves[2] = {QRect(0, 0, whole.width(), half), QRect(0, half, whole.width(), whole.height() - half)};
    for (int k = 0; k < 2; ++k) {
        const Arrow arrow = k == 0 ? Arrow::Up : Arrow::Down;
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = zoomed(*this, halves[k]);
        button.state |= held_ == arrow ? QStyle::State_Sunken : QStyle::State_Raised;
        button.state &= ~QStyle::State_HasFocus;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
        QStyleOption indicator;
        indicator.initFrom(this);
        indicator.rect = zoomed(*this, halves[k].adjusted(3, 1, -3, -1));
        style()->drawPrimitive(k == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                               &indicator, &painter, this);
    }
    draw_focus_mark(painter, *this, zoomed(*this, 1));
}

void SpinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    held_ = event->position().y() < height() / 2.0 ? Arrow::Up : Arrow::Down;
    update();
    repeat_.start(kHeld.first_repeat_ms);
    fire(held_);
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) release();
    QWidget::mouseReleaseEvent(event);
}

void SpinButton::release() {
    repeat_.stop();
    held_ = Arrow::None;
    update();
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!event->isAutoRepeat() || kHeld.key_repeats) fire(event->key() == Qt::Key_Up ? Arrow::Up : Arrow::Down);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SpinButton::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void SpinButton::focusOutEvent(QFocusEvent* event) {
    release();  // a press never outlives the focus
    QWidget::focusOutEvent(event);
}

void SpinButton::hideEvent(QHideEvent* event) {
    release();
    QWidget::hideEvent(event);
}

}  // namespace af::desktop
