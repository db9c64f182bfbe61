#include "core/pixels/surface.h"

#include <algorithm>
#include <cmath>

#include "core/pixels/colour.h"
#include "core/pixels/twips.h"

namespace af {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::uint32_t kBackground = kOpaque | 0xFFFFFFu;  // every view is white


}  // namespace

Surface::Surface(int width_px, int height_px, double device_pixel_ratio)
    : device_pixel_ratio_(device_pixel_ratio > 0 ? device_pixel_ratio : 1.0) {
    resize(width_px, height_px);
    // Until a user scale is set, the view measures in twips.
    scale_x2_ = static_cast<float>(px_to_twips(width_ / device_pixel_ratio_));
    scale_y2_ = static_cast<float>(px_to_twips(height_ / device_pixel_ratio_));
}

void Surface::resize(int width_px, int height_px) {
    width_px = std::max(width_px, 1);
    height_px = std::max(height_px, 1);
    // Only the same shape may keep its pixels: the same count in another
    // shape would read the old rows with a new stride.
    if (width_px == width_ && height_px == height_ && !screen_.empty()) return;
    width_ = width_px;
    height_ = height_px;
    const auto count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    screen_.assign(count, kBackground);
    screen_blank_ = true;
    persistent_ = {};
    persistent_blank_ = false;
    retained_apart_ = false;
    marked_.assign(count, 0);
    marks_.clear();
    marks_.reserve(4096);
    add_dirty({0, 0, width_, height_});
}

void Surface::set_scale(float x1, float y1, float x2, float y2) {
    if (x1 == x2 || y1 == y2) return;  // a scale with no extent maps nothing
    scale_x1_ = x1;
    scale_y1_ = y1;
    scale_x2_ = x2;
    scale_y2_ = y2;
}

double Surface::device_x(double x) const {
    return (x - scale_x1_) / (static_cast<double>(scale_x2_) - scale_x1_) * width_;
}

double Surface::device_y(double y) const {
    return (y - scale_y1_) / (static_cast<double>(scale_y2_) - scale_y1_) * height_;
}

void Surface::clear() {
    if (retained_drawing) {
        std::fill(screen_.begin(), screen_.end(), kBackground);
        screen_blank_ = true;
        retained_apart_ = false;  // both images are the cleared view again
        persistent_blank_ = false;
        ++full_clears_;
    } else if (retained_apart_) {
        // With retained drawing off, clearing returns the screen to what was retained.
        if (persistent_blank_) {
            std::fill(screen_.begin(), screen_.end(), kBackground);
        } else {
            screen_ = persistent_;
        }
        screen_blank_ = persistent_blank_;
        retained_apart_ = false;
        persistent_blank_ = false;
    }
    add_dirty({0, 0, width_, height_});
}

int Surface::pen_width_px() const {
    const long w = std::lround(std::max(pen.width, 1) * device_pixel_ratio_);
    return static_cast<int>(std::clamp<long>(w, 1, 255));
}

void Surface::line(float x1, float y1, float x2, float y2) {
    const double a = device_x(x1), b = device_y(y1), c = device_x(x2), d = device_y(y2);
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c) || !std::isfinite(d)) return;
    const int w = pen_width_px();
    if (pen.style == LineStyle::Dot) {
        mark_thin_line(a, b, c, d, true, w);
    } else if (w <= 1) {
        mark_thin_line(a, b, c, d, false, 1);
    } else {
        mark_capsule(a, b, c, d, w);
    }
    apply_pen();
}

void Surface::circle(float x, float y, float radius) {
    const double cx = device_x(x), cy = device_y(y);
    // The radius is measured in horizontal user units.
    const double r = std::abs(radius / (static_cast<double>(scale_x2_) - scale_x1_) * width_);
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r)) return;
    const int w = pen_width_px();
    if (w <= 1) {
        mark_thin_circle(cx, cy, r);
    } else {
        mark_ring(cx, cy, r, w);
    }
    apply_pen();
}

void Surface::point(float x, float y) {
    const double px = device_x(x), py = device_y(y);
    if (!std::isfinite(px) || !std::isfinite(py)) return;
    const int w = pen_width_px();
    if (w <= 1) {
        if (px >= 0 && py >= 0 && px < width_ && py < height_) {
            mark(static_cast<int>(px), static_cast<int>(py));
        }
    } else {
        mark_disk(px, py, w);
    }
    apply_pen();
}

void Surface::mark(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const auto i = static_cast<std::uint32_t>(y) * static_cast<std::uint32_t>(width_) +
                   static_cast<std::uint32_t>(x);
    if (marked_[i]) return;
    marked_[i] = 1;
    marks_.push_back(i);
    if (marks_.size() == 1) {
        mark_box_ = {x, y, x + 1, y + 1};
    } else {
        mark_box_.x0 = std::min(mark_box_.x0, x);
        mark_box_.y0 = std::min(mark_box_.y0, y);
        mark_box_.x1 = std::max(mark_box_.x1, x + 1);
        mark_box_.y1 = std::max(mark_box_.y1, y + 1);
    }
}

void Surface::add_span(int y, int x0, int x1) {
    if (y < 0 || y >= height_) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width_ - 1);
    if (x0 > x1) return;
    spans_.push_back({y, x0, x1});
    add_dirty({x0, y, x1 + 1, y + 1});
}

void Surface::keep_persistent_apart() {
    if (retained_apart_) return;
    retained_apart_ = true;
    persistent_blank_ = screen_blank_;
    if (persistent_blank_) {
        persistent_ = {};  // the memory goes back: a full-screen view is tens of megabytes
    } else {
        persistent_ = screen_;
    }
}

void Surface::fill_blank_persistent() const {
    if (!persistent_blank_) return;
    persistent_.assign(screen_.size(), kBackground);
    persistent_blank_ = false;
}

const std::vector<std::uint32_t>& Surface::persistent() const {
    if (!retained_apart_) return screen_;
    fill_blank_persistent();
    return persistent_;
}

void Surface::apply_pen() {
    if (marks_.empty() && spans_.empty()) return;
    if (!retained_drawing) keep_persistent_apart();
    const std::uint32_t rgb = opaque_rgb_word(rgb_of(pen.colour)) & 0xFFFFFFu;
    const bool exclusive_or = pen.mode == PenMode::Xor;
    // While the images are one, drawing on the screen draws on both.
    const bool both = retained_drawing && retained_apart_;
    if (both) fill_blank_persistent();
    screen_blank_ = false;
    std::uint32_t* const images[2] = {screen_.data(), both ? persistent_.data() : nullptr};
    for (std::uint32_t* image : images) {
        if (!image) continue;
        for (const Span& span : spans_) {
            std::uint32_t* p = image + static_cast<std::ptrdiff_t>(span.y) * width_ + span.x0;
            const int n = span.x1 - span.x0 + 1;
            if (exclusive_or) {
                for (int k = 0; k < n; ++k) p[k] ^= rgb;
            } else {
                std::fill_n(p, n, kOpaque | rgb);
            }
        }
    }
    spans_.clear();
    for (const std::uint32_t i : marks_) {
        if (exclusive_or) {
            screen_[i] ^= rgb;
            if (both) persistent_[i] ^= rgb;
        } else {
            screen_[i] = kOpaque | rgb;
            if (both) persistent_[i] = kOpaque | rgb;
        }
        marked_[i] = 0;
    }
    if (!marks_.empty()) add_dirty(mark_box_);
    marks_.clear();
}

std::uint32_t Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kWhite;
    return bgr_of_rgb_word(screen_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFFu);
}

std::uint32_t Surface::persistent_pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kWhite;
    return bgr_of_rgb_word(persistent()[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFFu);
}

void Surface::add_dirty(const PixelRect& rect) {
    if (rect.empty()) return;
    if (dirty_.empty()) {
        dirty_ = rect;
        return;
    }
    dirty_.x0 = std::min(dirty_.x0, rect.x0);
    dirty_.y0 = std::min(dirty_.y0, rect.y0);
    dirty_.x1 = std::max(dirty_.x1, rect.x1);
    dirty_.y1 = std::max(dirty_.y1, rect.y1);
}

PixelRect Surface::take_dirty() {
    const PixelRect rect = dirty_;
    dirty_ = {};
    return rect;
}

}  // namespace af
