// Pixel coverage of the drawing primitives. Each routine only marks pixels;
// Surface::apply_pen() then sets every marked pixel exactly once.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "core/pixels/surface.h"

namespace af {

namespace {

// floor(v) as an index clamped to [lo, hi], safe for any finite double.
int floor_index(double v, int lo, int hi) {
    if (!(v > lo)) return lo;
    if (!(v < hi)) return hi;
    return static_cast<int>(std::floor(v));
}

int ceil_index(double v, int lo, int hi) {
    if (!(v > lo)) return lo;
    if (!(v < hi)) return hi;
    return static_cast<int>(std::ceil(v));
}

// An odd pen centres on a pixel, an even one on a pixel corner, so a pen of
// width w covers exactly w pixels across wherever the point falls.
double snap(double v, int width) {
    return (width % 2 != 0) ? std::floor(v) + 0.5 : std::floor(v + 0.5);
}

// Liang-Barsky: trims the segment to the box; false when nothing is left.
bool clip_segment(double& x0, double& y0, double& x1, double& y1, double xmin, double ymin,
                  double xmax, double ymax) {
    const double dx = x1 - x0, dy = y1 - y0;
    double t0 = 0.0, t1 = 1.0;
    auto edge = [&](double p, double q) {
        if (p == 0.0) return q >= 0.0;
        const double r = q / p;
        if (p < 0.0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    if (!edge(-dx, x0 - xmin) || !edge(dx, xmax - x0) || !edge(-dy, y0 - ymin) ||
        !edge(dy, ymax - y0)) {
        return false;
    }
    const double sx = x0, sy = y0;
    x1 = sx + t1 * dx;
    y1 = sy + t1 * dy;
    x0 = sx + t0 * dx;
    y0 = sy + t0 * dy;
    return true;
}

struct Interval {
    double lo = INFINITY, hi = -INFINITY;
    bool empty() const { return lo > hi; }
    void add(double a, double b) {
        lo = std::min(lo, a);
        hi = std::max(hi, b);
    }
};

// Values of x for which a*x lies in [lo, hi]; all of them when a is 0 and 0 is
// inside. inv_a is 1/a, worked out once per shape rather than once per row.
Interval solve_linear(double a, double inv_a, double lo, double hi) {
    if (a == 0.0) {
        if (lo <= 0.0 && 0.0 <= hi) return {-INFINITY, INFINITY};
        return {};
    }
    const double p = lo * inv_a, q = hi * inv_a;
    return {std::min(p, q), std::max(p, q)};
}

}  // namespace

void Surface::mark_disk(double cx, double cy, int diameter) {
    cx = snap(cx, diameter);
    cy = snap(cy, diameter);
    const double r = diameter / 2.0;
    const int j0 = floor_index(cy - r, 0, height_), j1 = ceil_index(cy + r, -1, height_ - 1);
    for (int j = j0; j <= j1; ++j) {
        const double dy = j + 0.5 - cy;
        if (dy * dy > r * r) continue;
        const double h = std::sqrt(r * r - dy * dy);
        add_span(j, ceil_index(cx - h - 0.5, -1, width_), floor_index(cx + h - 0.5, -1, width_));
    }
}

void Surface::mark_capsule(double x0, double y0, double x1, double y1, int width) {
    const double r = width / 2.0;
    if (!clip_segment(x0, y0, x1, y1, -r - 2, -r - 2, width_ + r + 2, height_ + r + 2)) return;
    x0 = snap(x0, width);
    y0 = snap(y0, width);
    x1 = snap(x1, width);
    y1 = snap(y1, width);
    const double dx = x1 - x0, dy = y1 - y0;
    const double length2 = dx * dx + dy * dy;
    const double reach = r * std::sqrt(length2);
    const double inv_dx = dx != 0.0 ? 1.0 / dx : 0.0, inv_dy = dy != 0.0 ? 1.0 / dy : 0.0;
    const int j0 = floor_index(std::min(y0, y1) - r, 0, height_);
    const int j1 = ceil_index(std::max(y0, y1) + r, -1, height_ - 1);
    // A vertical bar, as every bar of the picture is, is one column band
    // between its end disks; its rows there need no geometry at all.
    const double band_lo = std::min(y0, y1) + r, band_hi = std::max(y0, y1) - r;
    const int band_x0 = ceil_index(x0 - r - 0.5, -1, width_), band_x1 = floor_index(x0 + r - 0.5, -1, width_);
    for (int j = j0; j <= j1; ++j) {
        const double yc = j + 0.5;
        if (dx == 0.0 && yc > band_lo && yc < band_hi) {
            add_span(j, band_x0, band_x1);
            continue;
        }
        // The row meets the capsule in one interval: the union of what it
        // meets of the two end disks and of the band between them.
        Interval row;
        for (const auto& [ex, ey] : {std::pair{x0, y0}, std::pair{x1, y1}}) {
            const double d = yc - ey;
            if (d * d <= r * r) {
                const double h = std::sqrt(r * r - d * d);
                row.add(ex - h, ex + h);
            }
        }
        if (length2 > 0.0) {
            const double k = (yc - y0) * dy;  // projection onto the segment
            const double m = dx * (yc - y0);  // cross product term
            const Interval along = solve_linear(dx, inv_dx, -k, length2 - k);
            const Interval across = solve_linear(dy, inv_dy, m - reach, m + reach);
            const double lo = std::max(along.lo, across.lo), hi = std::min(along.hi, across.hi);
            if (lo <= hi) row.add(x0 + lo, x0 + hi);
        }
        if (row.empty()) continue;
        add_span(j, ceil_index(row.lo - 0.5, -1, width_), floor_index(row.hi - 0.5, -1, width_));
    }
}

void Surface::mark_thin_line(double x0, double y0, double x1, double y1, bool dotted, int width) {
    if (!clip_segment(x0, y0, x1, y1, -width - 1, -width - 1, width_ + width + 1,
                      height_ + width + 1)) {
        return;
    }
    int x = floor_index(x0, -width - 2, width_ + width + 2);
    int y = floor_index(y0, -width - 2, height_ + width + 2);
    const int xe = floor_index(x1, -width - 2, width_ + width + 2);
    const int ye = floor_index(y1, -width - 2, height_ + width + 2);
    const int dx = std::abs(xe - x), sx = x < xe ? 1 : -1;
    const int dy = -std::abs(ye - y), sy = y < ye ? 1 : -1;
    const int dash = 2 * width;  // dots and gaps grow with the pen
    const int first = -((width - 1) / 2);

    // A Bresenham path moves one pixel at a time and never turns back, so the
    // square pen stamps of one dash meet each row in a single run. Dashes lie
    // more than a pen width apart, so their runs never overlap either.
    const int row_base = std::min(y, ye) + first;
    row_runs_.assign(static_cast<std::size_t>(std::abs(ye - y) + width), {INT_MAX, INT_MIN});
    int rows_lo = INT_MAX, rows_hi = INT_MIN;
    auto flush = [&] {
        for (int k = rows_lo; k <= rows_hi; ++k) {
            auto& run = row_runs_[static_cast<std::size_t>(k)];
            if (run.first <= run.second) add_span(row_base + k, run.first, run.second);
            run = {INT_MAX, INT_MIN};
        }
        rows_lo = INT_MAX;
        rows_hi = INT_MIN;
    };

    int err = dx + dy;
    for (int step = 0;; ++step) {
        const bool on = !dotted || (step / dash) % 2 == 0;
        if (on) {
            const int k0 = y + first - row_base;
            for (int k = k0; k < k0 + width; ++k) {
                auto& run = row_runs_[static_cast<std::size_t>(k)];
                run.first = std::min(run.first, x + first);
                run.second = std::max(run.second, x + first + width - 1);
            }
            rows_lo = std::min(rows_lo, k0);
            rows_hi = std::max(rows_hi, k0 + width - 1);
        } else if (rows_lo <= rows_hi) {
            flush();
        }
        if (x == xe && y == ye) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    flush();
}

void Surface::mark_thin_circle(double cx, double cy, double r) {
    if (r < 0.5) {
        mark(floor_index(cx, -1, width_), floor_index(cy, -1, height_));
        return;
    }
    // One crossing per row and one per column: a closed outline with no gaps.
    const int j0 = floor_index(cy - r, 0, height_), j1 = ceil_index(cy + r, -1, height_ - 1);
    for (int j = j0; j <= j1; ++j) {
        const double d = j + 0.5 - cy;
        if (std::abs(d) > r) continue;
        const double h = std::sqrt(r * r - d * d);
        mark(floor_index(cx - h, -1, width_), j);
        mark(floor_index(cx + h, -1, width_), j);
    }
    const int i0 = floor_index(cx - r, 0, width_), i1 = ceil_index(cx + r, -1, width_ - 1);
    for (int i = i0; i <= i1; ++i) {
        const double d = i + 0.5 - cx;
        if (std::abs(d) > r) continue;
        const double h = std::sqrt(r * r - d * d);
        mark(i, floor_index(cy - h, -1, height_));
        mark(i, floor_index(cy + h, -1, height_));
    }
}

void Surface::mark_ring(double cx, double cy, double r, int width) {
    const double outer = r + width / 2.0, inner = std::max(r - width / 2.0, 0.0);
    const int j0 = floor_index(cy - outer, 0, height_);
    const int j1 = ceil_index(cy + outer, -1, height_ - 1);
    for (int j = j0; j <= j1; ++j) {
        const double d = j + 0.5 - cy;
        if (d * d > outer * outer) continue;
        const double h = std::sqrt(outer * outer - d * d);
        const int i0 = ceil_index(cx - h - 0.5, -1, width_), i1 = floor_index(cx + h - 0.5, -1, width_);
        for (int i = std::max(i0, 0); i <= std::min(i1, width_ - 1); ++i) {
            const double e = i + 0.5 - cx;
            if (e * e + d * d > inner * inner) mark(i, j);
        }
    }
}

}  // namespace af
