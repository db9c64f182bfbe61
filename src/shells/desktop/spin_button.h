#pragma once

#include <QTimer>
#include <QWidget>

#include "core/acts/spoken_text.h"

namespace af::desktop {

// Two arrows in one small square: the upper half raises spin_up, the lower
// spin_down. Holding an arrow repeats it; Up and Down do the same from the
// keyboard. It keeps no value or range: every press is one event. What it
// tells assistive technology (the value it steps, with its unit and bounds)
// is handed to it after each change.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    const SpinReading& reading() const { return reading_; }
    // Tells assistive technology of a new value; says whether there was one.
    bool set_reading(SpinReading reading);

signals:
    void spin_up();
    void spin_down();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    enum class Arrow { None, Up, Down };
    void fire(Arrow arrow);
    void release();

    Arrow held_ = Arrow::None;
    QTimer repeat_;
    SpinReading reading_;
};

}  // namespace af::desktop
