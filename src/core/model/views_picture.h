#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/model/model.h"
#include "core/model/window_fit.h"

namespace af {

// The three views as the window lays them out (the circle view, and the two
// wave views beside it), each at the pixels it has on screen, on white: a
// picture for a worksheet. Pixels are 0xFFRRGGBB words, row by row.
struct ViewsPicture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    // Where each view's top-left pixel stands in the picture (circle view first, as named_views gives them).
    std::array<Point, 3> corners{};
};

ViewsPicture views_picture(const Model& model);

}  // namespace af
