#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

// Prints the wall-clock time (ns since the epoch) once the window's first
// paint has been flushed, then quits: the end point of a start-up measurement.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Runs after this paint event, once its pixels have gone to the display.
            QTimer::singleShot(0, this, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("%lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};
