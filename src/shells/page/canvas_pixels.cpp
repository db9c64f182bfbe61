#include "shells/page/canvas_pixels.h"

#include <bit>

namespace af::page {

CanvasPixels CanvasCopies::copy(std::size_t view, const Surface& surface, PixelRect changed) {
    std::vector<std::uint32_t>& rgba = rgba_.at(view);
    const std::size_t size = static_cast<std::size_t>(surface.width()) * surface.height();
    if (rgba.size() != size) {
        rgba.resize(size);
        changed = {0, 0, surface.width(), surface.height()};
    }
    // The surface holds the words 0xFFRRGGBB; a canvas wants the bytes red,
    // green, blue, alpha, which little-endian memory (WebAssembly's always)
    // holds as the word 0xAABBGGRR.
    static_assert(std::endian::native == std::endian::little);
    const std::uint32_t* screen = surface.screen().data();
    std::uint32_t* out = rgba.data();
    for (int y = changed.y0; y < changed.y1; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * surface.width();
        for (std::size_t at = row + changed.x0; at < row + changed.x1; ++at) {
            const std::uint32_t word = screen[at];
            out[at] = (word & 0xFF00FF00u) | ((word >> 16) & 0xFFu) | ((word & 0xFFu) << 16);
        }
    }
    return {reinterpret_cast<const std::uint8_t*>(rgba.data()), surface.width(), surface.height(), changed};
}

}  // namespace af::page
