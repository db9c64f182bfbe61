#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/pixels/surface.h"

namespace af::page {

// A view's pixels as a canvas takes them (red, green, blue, alpha bytes, row
// by row) and the rectangle of them that changed.
struct CanvasPixels {
    const std::uint8_t* rgba = nullptr;
    int width = 0, height = 0;
    PixelRect changed{};
};

// Image words 0xFFRRGGBB into a canvas's red, green, blue, alpha bytes.
void to_canvas_order(const std::uint32_t* words, std::size_t count, std::uint32_t* out);

// Keeps a canvas-ordered copy of each view, brought up to date rectangle by
// rectangle.
class CanvasCopies {
public:
    CanvasPixels copy(std::size_t view, const Surface& surface, PixelRect changed);

private:
    std::array<std::vector<std::uint32_t>, 3> rgba_;
};

}  // namespace af::page
