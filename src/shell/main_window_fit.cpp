// The window on real desktops: its laid-out outer size once the window
// manager's frame is known, always on screen, and a layout that scales to
// whatever room the window is given, with the views drawn afresh at the new
// resolution.
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <cmath>

#include "app/twips.h"
#include "shell/fonts.h"
#include "shell/main_window.h"
#include "shell/surface_view.h"
#include "shell/window_fit.h"

namespace af::shell {

namespace {

// How long to wait for the window manager to say how large its frame is;
// without one the frame stays empty.
constexpr int kFramePollMs = 10;
constexpr int kFramePolls = 50;

}  // namespace

bool MainWindow::places_windows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QMargins MainWindow::frame_margins() const {
    const QRect inner = geometry(), outer = frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (showing_started_) return;
    showing_started_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { fit_layout(); });
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        settle_frame();  // no window manager: the frame is known to be empty
        return;
    }
    auto* poll = new QTimer(this);
    poll->setInterval(kFramePollMs);
    connect(poll, &QTimer::timeout, this, [this, poll, polls = 0]() mutable {
        if (frame_margins().isNull() && ++polls < kFramePolls) return;
        poll->stop();
        poll->deleteLater();
        settle_frame();
    });
    poll->start();
}

QSize MainWindow::client_at(double zoom) const {
    return {static_cast<int>(std::lround(base_client_.width() * zoom)),
            static_cast<int>(std::lround(base_client_.height() * zoom))};
}

void MainWindow::place_client(QSize client) {
    const QMargins margins = frame_margins();
    const QRect available = screen() ? screen()->availableGeometry() : QRect();
    const QRect frame = place_on_screen(QRect(frameGeometry().topLeft(), client.grownBy(margins)), margins, available);
    resize(frame.size().shrunkBy(margins));
    if (places_windows()) move(frame.topLeft());
}

void MainWindow::settle_frame() {
    if (settled_) return;
    settled_ = true;
    if (outer_px_.isValid()) base_client_ = outer_px_.shrunkBy(frame_margins());
    // Start-up centred the outer size it asked for; that frame, kept on screen.
    place_client(base_client_);
    fit_layout();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit_layout();
}

void MainWindow::fit_layout() {
    if (busy_) {
        fit_pending_ = true;  // a run is under way: after it
        return;
    }
    fit_pending_ = false;
    const double device_pixel_ratio = devicePixelRatioF();
    zoom_ = fit_zoom(size(), base_client_, device_pixel_ratio);
    // A size the zoom keys asked for shows exactly their step, not the
    // step as the rounded window size gives it back.
    if (size() == client_at(asked_zoom_) && std::abs(zoom_ - asked_zoom_) < 0.01) zoom_ = asked_zoom_;
    offset_ = layout_offset(size(), base_client_, zoom_);
    place_controls();
    const double ratio = device_pixel_ratio * zoom_;
    if (ratio == form_.device_pixel_ratio()) return;
    log_.redraw(form_, ratio);
    for (const auto& [view, surface] : views_) {
        surface->take_dirty();
        view->update();
    }
}

void MainWindow::place_controls() {
    for (const auto& [c, widget] : placed_) {
        QPoint at(twips_to_px(c->left, zoom_), twips_to_px(c->top, zoom_));
        if (c->parent == "Form1") at += offset_;
        widget->setGeometry(QRect(at, QSize(twips_to_px(c->width, zoom_), twips_to_px(c->height, zoom_))));
        if (c->font) {
            QFont font = layout_font(*c->font);
            font.setPointSizeF(c->font->points * zoom_);
            widget->setFont(font);
        }
    }
}

void MainWindow::add_shortcuts() {
    const auto add = [this](const QKeySequence& keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    add(QKeySequence(Qt::Key_F11), [this] { isFullScreen() ? showNormal() : showFullScreen(); });
    add(QKeySequence(Qt::Key_Escape), [this] {
        if (isFullScreen()) showNormal();
    });
    add(QKeySequence::ZoomIn, [this] { zoom_by(1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoom_by(1); });
    add(QKeySequence::ZoomOut, [this] { zoom_by(-1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoom_by(0); });
}

void MainWindow::zoom_by(int direction) {
    if (isFullScreen() || isMaximized()) showNormal();
    asked_zoom_ = direction == 0 ? 1.0 : zoom_step(zoom_, direction);
    place_client(client_at(asked_zoom_));
}

}  // namespace af::shell
