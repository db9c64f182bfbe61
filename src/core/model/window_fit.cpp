#include "core/model/window_fit.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/pixels/twips.h"

namespace af {

namespace {

// Beyond these the layout no longer grows or shrinks: a window dragged to a
// few pixels keeps a readable layout clipped at its edge, and a huge one
// does not make views of unbounded size.
constexpr double kMinZoom = 0.25;
constexpr double kMaxPixelsPerLayoutPixel = 8.0;

constexpr std::array kSteps{0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0};

// A zoom this close to a step is on it.
constexpr double kSame = 0.01;

int right(const Rect& r) { return r.x + r.width - 1; }
int bottom(const Rect& r) { return r.y + r.height - 1; }

Size shrunk(Size s, const Margins& m) { return {s.width - m.left - m.right, s.height - m.top - m.bottom}; }
Size grown(Size s, const Margins& m) { return {s.width + m.left + m.right, s.height + m.top + m.bottom}; }

}  // namespace

Size laid_out_client() { return {twips_to_px(kClientTwips.width), twips_to_px(kClientTwips.height)}; }

Size outer_size_at_start() { return {twips_to_px(kOuterTwipsAtStart.width), twips_to_px(kOuterTwipsAtStart.height)}; }

double fit_zoom(Size client, Size base, double device_pixel_ratio, double asked_zoom) {
    if (base.width <= 0 || base.height <= 0) return 1.0;
    const double fit = std::min(static_cast<double>(client.width) / base.width,
                                static_cast<double>(client.height) / base.height);
    const double most = kMaxPixelsPerLayoutPixel / std::max(device_pixel_ratio, 0.1);
    const double zoom = std::clamp(fit, kMinZoom, std::max(most, kMinZoom));
    if (client == client_at(base, asked_zoom) && std::abs(zoom - asked_zoom) < kSame) return asked_zoom;
    return zoom;
}

Size client_at(Size base, double zoom) {
    return {static_cast<int>(std::lround(base.width * zoom)), static_cast<int>(std::lround(base.height * zoom))};
}

Point layout_offset(Size client, Size base, double zoom) {
    const auto spare = [&](int room, int laid_out) {
        return std::max(0, static_cast<int>(std::lround((room - laid_out * zoom) / 2.0)));
    };
    return {spare(client.width, base.width), spare(client.height, base.height)};
}

Rect control_box(const ControlSpec& c, double zoom, Point offset) {
    Rect box{twips_to_px(c.twips.left, zoom), twips_to_px(c.twips.top, zoom), twips_to_px(c.twips.width, zoom),
             twips_to_px(c.twips.height, zoom)};
    if (c.parent == kWindowName) {
        box.x += offset.x;
        box.y += offset.y;
    }
    return box;
}

Rect place_on_screen(Rect outer, Margins decoration, Rect available) {
    if (available.width <= 0 || available.height <= 0) return outer;
    const Size client = shrunk({outer.width, outer.height}, decoration);
    const Size room = shrunk({available.width, available.height}, decoration);
    if (outer.width > available.width || outer.height > available.height) {
        const double shrink = std::min(static_cast<double>(room.width) / client.width,
                                       static_cast<double>(room.height) / client.height);
        const Size size = grown({static_cast<int>(std::floor(client.width * shrink)),
                                 static_cast<int>(std::floor(client.height * shrink))},
                                decoration);
        // Centred on the available area, rounding as the toolkit's rectangles do.
        const int centre_x = (available.x + right(available)) / 2;
        const int centre_y = (available.y + bottom(available)) / 2;
        outer = {centre_x - (size.width - 1) / 2, centre_y - (size.height - 1) / 2, size.width, size.height};
    }
    outer.x = std::clamp(outer.x, available.x, std::max(available.x, right(available) - outer.width + 1));
    outer.y = std::clamp(outer.y, available.y, std::max(available.y, bottom(available) - outer.height + 1));
    return outer;
}

double zoom_step(double zoom, int direction) {
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

}  // namespace af
