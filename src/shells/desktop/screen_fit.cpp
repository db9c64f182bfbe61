#include "shells/desktop/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "core/pixels/twips.h"

namespace af::desktop {

namespace {

// How long to wait for the window manager to say how large its decoration
// is; without one the decoration stays empty.
constexpr int kDecorationPollMs = 10;
constexpr int kDecorationPolls = 50;

Size size_of(const QSize& s) { return {s.width(), s.height()}; }

}  // namespace

ScreenFit::ScreenFit(QWidget& window, std::function<void()> refit) : window_(window), refit_(std::move(refit)) {}

bool ScreenFit::places_windows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QMargins ScreenFit::decoration_margins() const {
    const QRect inner = window_.geometry(), outer = window_.frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void ScreenFit::take_start_size() { base_client_ = size_of(window_.size()); }

void ScreenFit::first_shown() {
    if (showing_started_) return;
    showing_started_ = true;
    QObject::connect(window_.windowHandle(), &QWindow::screenChanged, &window_, [this] { refit_(); });
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        settle_decoration();  // no window manager: the decoration is known to be empty
        return;
    }
    auto* poll = new QTimer(&window_);
    poll->setInterval(kDecorationPollMs);
    QObject::connect(poll, &QTimer::timeout, &window_, [this, poll, polls = 0]() mutable {
        if (decoration_margins().isNull() && ++polls < kDecorationPolls) return;
        poll->stop();
        poll->deleteLater();
        settle_decoration();
    });
    poll->start();
}

void ScreenFit::place_client(Size client) {
    const QMargins m = decoration_margins();
    const QRect available = window_.screen() ? window_.screen()->availableGeometry() : QRect();
    const QPoint at = window_.frameGeometry().topLeft();
    const Rect outer = place_on_screen(
        {at.x(), at.y(), client.width + m.left() + m.right(), client.height + m.top() + m.bottom()},
        {m.left(), m.top(), m.right(), m.bottom()},
        {available.x(), available.y(), available.width(), available.height()});
    window_.resize(outer.width - m.left() - m.right(), outer.height - m.top() - m.bottom());
    if (places_windows()) window_.move(outer.x, outer.y);
}

void ScreenFit::settle_decoration() {
    if (settled_) return;
    settled_ = true;
    if (outer_px_.isValid()) base_client_ = size_of(outer_px_.shrunkBy(decoration_margins()));
    // Start-up centred the outer size it asked for; that outer rectangle, kept on screen.
    place_client(base_client_);
    refit_();
}

FitRequest ScreenFit::room() const {
    return {size_of(window_.size()), base_client_, window_.devicePixelRatioF(), asked_zoom_};
}

void ScreenFit::resize_to_zoom(double zoom) {
    if (window_.isFullScreen() || window_.isMaximized()) window_.showNormal();
    asked_zoom_ = zoom;
    place_client(client_at(base_client_, asked_zoom_));
}

void ScreenFit::set_outer_width(float twips) {
    outer_px_.setWidth(twips_to_px(twips));
    if (outer_px_.height() == 0) outer_px_.setHeight(window_.frameGeometry().height());
    window_.resize(outer_px_.width() - (window_.frameGeometry().width() - window_.width()), window_.height());
}

void ScreenFit::set_outer_height(float twips) {
    outer_px_.setHeight(twips_to_px(twips));
    window_.resize(window_.width(), outer_px_.height() - (window_.frameGeometry().height() - window_.height()));
}

float ScreenFit::outer_width() const { return static_cast<float>(px_to_twips(window_.frameGeometry().width())); }

float ScreenFit::outer_height() const { return static_cast<float>(px_to_twips(window_.frameGeometry().height())); }

void ScreenFit::set_top(float twips) {
    const QRect area = window_.screen() ? window_.screen()->geometry() : QRect();
    window_.move(window_.pos().x(), area.y() + twips_to_px(twips));
}

void ScreenFit::set_left(float twips) {
    const QRect area = window_.screen() ? window_.screen()->geometry() : QRect();
    window_.move(area.x() + twips_to_px(twips), window_.pos().y());
}

float ScreenFit::screen_width() const {
    return window_.screen() ? static_cast<float>(px_to_twips(window_.screen()->geometry().width())) : 0.0f;
}

float ScreenFit::screen_height() const {
    return window_.screen() ? static_cast<float>(px_to_twips(window_.screen()->geometry().height())) : 0.0f;
}

}  // namespace af::desktop
