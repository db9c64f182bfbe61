#include "shells/page/canvas_pixels.h"

#include <bit>

namespace af::page {

namespace {

// The surface holds the words 0xFFRRGGBB; a canvas wants the bytes red,
// green, blue, alpha, which little-endian memory (WebAssembly's always)
// holds as the word 0xAABBGGRR.
constexpr std::uint32_t canvas_word(std::uint32_t word) {
    return (word & 0xFF00FF00u) | ((word >> 16) & 0xFFu) | ((word & 0xFFu) << 16);
}
static_assert(std::endian::native == std::endian::little);

}  // namespace

void to_canvas_order(const std::uint32_t* words, std::size_t count, std::uint32_t* out) {
    for (std::size_t k = 0; k < count; ++k) out[k] = canvas_word(words[k]);
}

CanvasPixels CanvasCopies::copy(std::size_t view, const Surface& surface, PixelRect changed) {
    std::vector<std::uint32_t>& rgba = rgba_.at(view);
    const std::size_t size = static_cast<std::size_t>(surface.width()) * surface.height();
    if (rgba.size() != size) {
        rgba.resize(size);
        changed = {0, 0, surface.width(), surface.height()};
    }
    for (int y = changed.y0; y < changed.y1; ++y) {
        const std::size_t at = static_cast<std::size_t>(y) * surface.width() + changed.x0;
        to_canvas_order(surface.screen().data() + at, static_cast<std::size_t>(changed.x1 - changed.x0), rgba.data() + at);
    }
    return {reinterpret_cast<const std::uint8_t*>(rgba.data()), surface.width(), surface.height(), changed};
}

}  // namespace af::page
