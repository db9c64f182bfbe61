#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

class QEvent;
class QWidget;

namespace af::shell {

// Decides what mouse and key input reaches one window's controls.
// - While held (an animation run has the thread), input for the controls
//   waits and is handed on, in order, once the run has ended; the window
//   system's own requests (close, expose, resize) pass at once, so a close
//   is never stuck behind a run.
// - A key held down is one press for a push button: Enter, Return and Space
//   press it when they go down, once a hold; their repeats and releases never
//   reach it.
class InputGate : public QObject {
public:
    explicit InputGate(QWidget& window);
    ~InputGate() override;

    void hold();
    // Hands on what waited, in the order it came.
    void release();
    // Forgets what waited: the window is going.
    void drop();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool for_this_window(QObject* receiver) const;
    // True when the event is a push button's key, handled here.
    bool press_key(QObject* receiver, QEvent* event);

    QWidget& window_;
    bool holding_ = false;
    // The last release of a press key, to tell the X server's repeats (a
    // release and a press at the very same time) from a new press.
    int released_key_ = 0;
    unsigned long released_at_ = 0;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> waiting_;
};

}  // namespace af::shell
