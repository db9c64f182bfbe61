#pragma once

#include <QPushButton>

namespace af::desktop {

// A push button that Enter, Return and Space press when they go down, once a
// hold: their repeats and releases never reach it, so a key held on it is one
// press. The mouse works it as any push button.
class PressButton : public QPushButton {
    Q_OBJECT
public:
    PressButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // The last release of a press key, to tell the X server's repeats (a
    // release and a press at the very same time) from a new press.
    int released_key_ = 0;
    unsigned long released_at_ = 0;
};

}  // namespace af::desktop
