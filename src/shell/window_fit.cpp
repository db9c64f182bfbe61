#include "shell/window_fit.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace af::shell {

namespace {

// Beyond these the layout no longer grows or shrinks: a window dragged to a
// few pixels keeps a readable layout clipped at its edge, and a huge one
// does not make views of unbounded size.
constexpr double kMinZoom = 0.25;
constexpr double kMaxPixelsPerLayoutPixel = 8.0;

constexpr std::array kSteps{0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0};

}  // namespace

double fit_zoom(QSize client, QSize base, double device_pixel_ratio) {
    if (base.width() <= 0 || base.height() <= 0) return 1.0;
    const double fit = std::min(static_cast<double>(client.width()) / base.width(),
                                static_cast<double>(client.height()) / base.height());
    const double most = kMaxPixelsPerLayoutPixel / std::max(device_pixel_ratio, 0.1);
    return std::clamp(fit, kMinZoom, std::max(most, kMinZoom));
}

QPoint layout_offset(QSize client, QSize base, double zoom) {
    const auto spare = [&](int room, int laid_out) {
        return std::max(0, static_cast<int>(std::lround((room - laid_out * zoom) / 2.0)));
    };
    return {spare(client.width(), base.width()), spare(client.height(), base.height())};
}

QRect place_on_screen(QRect frame, QMargins m, QRect available) {
    if (available.isEmpty()) return frame;
    const QSize client = frame.size().shrunkBy(m);
    const QSize room = available.size().shrunkBy(m);
    if (frame.width() > available.width() || frame.height() > available.height()) {
        const double shrink = std::min(static_cast<double>(room.width()) / client.width(),
                                       static_cast<double>(room.height()) / client.height());
        const QSize shrunk(static_cast<int>(std::floor(client.width() * shrink)),
                           static_cast<int>(std::floor(client.height() * shrink)));
        frame.setSize(shrunk.grownBy(m));
        frame.moveCenter(available.center());
    }
    frame.moveLeft(std::clamp(frame.left(), available.left(),
                              std::max(available.left(), available.right() - frame.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), available.top(),
                             std::max(available.top(), available.bottom() - frame.height() + 1)));
    return frame;
}

double zoom_step(double zoom, int direction) {
    constexpr double kSame = 0.01;  // a zoom this close to a step is on it
    if (direction > 0) {
        for (const double step : kSteps) {
            if (step > zoom + kSame) return step;
        }
        return kSteps.back();
    }
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it) {
        if (*it < zoom - kSame) return *it;
    }
    return kSteps.front();
}

}  // namespace af::shell
