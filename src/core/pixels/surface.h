#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace af {

// Colours as the window names them: 24-bit values in blue-green-red order.
inline constexpr std::uint32_t kBlue = 0xFF0000;
inline constexpr std::uint32_t kRed = 0x0000FF;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlack = 0x000000;

// How the pen meets the pixels under it: Copy sets them to its colour, Xor
// flips the bits of its colour in them, so that the same drawing made twice
// restores them.
enum class PenMode { Copy, Xor };
enum class LineStyle { Solid, Dot };

// What the next drawing operations draw with. The width is in device-
// independent pixels; below 1 it draws as 1.
struct Pen {
    PenMode mode = PenMode::Copy;
    std::uint32_t colour = kBlack;
    int width = 1;
    LineStyle style = LineStyle::Solid;
};

// A pixel rectangle, x0/y0 inclusive and x1/y1 exclusive.
struct PixelRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x0 >= x1 || y0 >= y1; }
};

// One picture control's drawing: a user coordinate system, a pen, a persistent
// image and the image on screen. Every operation first marks the pixels it
// covers, each once, and then applies the pen to those pixels, so an
// exclusive-or drawing made twice restores the view exactly.
class Surface {
public:
    // width and height in device pixels; the device pixel ratio multiplies pen
    // widths so that lines keep their look on a denser screen.
    Surface(int width_px, int height_px, double device_pixel_ratio = 1.0);

    Pen pen;
    // On, drawing acts on both the screen and the persistent image; off, on
    // the screen alone, and clear() returns the screen to the persistent image.
    bool retained_drawing = true;

    // The user coordinate system: (x1, y1) is the upper-left and (x2, y2) the
    // lower-right corner.
    void set_scale(float x1, float y1, float x2, float y2);
    // With retained drawing on, both images white; off, the screen as the
    // persistent image holds it.
    void clear();
    void line(float x1, float y1, float x2, float y2);
    void circle(float x, float y, float radius);
    void point(float x, float y);

    // Changes the pixel size; the user corners keep their coordinates.
    void resize(int width_px, int height_px);

    int width() const { return width_; }
    int height() const { return height_; }
    double device_pixel_ratio() const { return device_pixel_ratio_; }

    // Pixels as 0xFFRRGGBB words, row by row: ready for a toolkit image.
    const std::vector<std::uint32_t>& screen() const { return screen_; }
    const std::vector<std::uint32_t>& persistent() const;
    // One on-screen pixel as a blue-green-red colour.
    std::uint32_t pixel(int x, int y) const;
    std::uint32_t persistent_pixel(int x, int y) const;

    // Device position of a user point (continuous; pixel i spans [i, i+1)).
    double device_x(double x) const;
    double device_y(double y) const;

    // What changed on screen since the last call, so a view repaints only that.
    PixelRect take_dirty();

    // Times clear() has cleared both images (retained drawing on).
    std::uint64_t full_clears() const { return full_clears_; }

private:
    void mark(int x, int y);
    // A row run of a shape that meets each row in one interval: no pixel of
    // it can be covered twice, so it skips the per-pixel bookkeeping.
    void add_span(int y, int x0, int x1);
    void mark_disk(double cx, double cy, int diameter);
    void mark_capsule(double x0, double y0, double x1, double y1, int width);
    void mark_thin_line(double x0, double y0, double x1, double y1, bool dotted, int width);
    void mark_thin_circle(double cx, double cy, double r);
    void mark_ring(double cx, double cy, double r, int width);
    void apply_pen();
    void keep_persistent_apart();
    // A persistent image kept as the blank flag, filled in as pixels.
    void fill_blank_persistent() const;
    int pen_width_px() const;
    void add_dirty(const PixelRect& rect);

    int width_ = 0;
    int height_ = 0;
    double device_pixel_ratio_ = 1.0;
    float scale_x1_ = 0, scale_y1_ = 0, scale_x2_ = 1, scale_y2_ = 1;
    // The persistent image is kept apart only once the screen has been drawn
    // on with retained drawing off; until then it is the screen image itself.
    bool retained_apart_ = false;
    // Nothing drawn on the screen since it was last cleared.
    bool screen_blank_ = true;
    // Kept apart, the persistent image is often the cleared view (an
    // animation run leaves it so); then it is held as this flag alone and
    // filled in only when something reads or draws on it.
    mutable bool persistent_blank_ = false;
    std::uint64_t full_clears_ = 0;
    mutable std::vector<std::uint32_t> persistent_;
    std::vector<std::uint32_t> screen_;
    // Pixels covered by the operation under way, each listed once.
    std::vector<std::uint8_t> marked_;
    std::vector<std::uint32_t> marks_;
    struct Span {
        int y, x0, x1;  // x1 inclusive
    };
    std::vector<Span> spans_;
    std::vector<std::pair<int, int>> row_runs_;  // scratch of the line rasteriser
    PixelRect mark_box_{};
    PixelRect dirty_{};
};

}  // namespace af
