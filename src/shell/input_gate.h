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
// - A key held down is one press for a push button: the auto-repeated presses
//   of Enter, Return and Space never reach it.
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

    QWidget& window_;
    bool holding_ = false;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> waiting_;
};

}  // namespace af::shell
