#include "core/model/views_picture.h"

#include <algorithm>

#include "core/model/layout.h"
#include "core/pixels/twips.h"

namespace af {

namespace {

// A control's corner in the window, in twips: its own place plus each parent's.
Point corner_twips(const ControlSpec& control) {
    Point at{control.twips.left, control.twips.top};
    for (const ControlSpec* parent = layout_control(control.parent); parent; parent = layout_control(parent->parent)) {
        at.x += parent->twips.left;
        at.y += parent->twips.top;
    }
    return at;
}

}  // namespace

ViewsPicture views_picture(const Model& model) {
    const double ratio = model.device_pixel_ratio();
    const auto views = named_views(model);
    // Each corner in device pixels, rounded as the views' sizes are.
    std::array<Point, 3> at{};
    for (std::size_t k = 0; k < views.size(); ++k) {
        const Point twips = corner_twips(view_control(static_cast<int>(k)));
        at[k] = {twips_to_px(twips.x, ratio), twips_to_px(twips.y, ratio)};
    }
    const int left = std::min({at[0].x, at[1].x, at[2].x});
    const int top = std::min({at[0].y, at[1].y, at[2].y});
    ViewsPicture picture;
    for (std::size_t k = 0; k < views.size(); ++k) {
        at[k] = {at[k].x - left, at[k].y - top};
        picture.width = std::max(picture.width, at[k].x + views[k].second->width());
        picture.height = std::max(picture.height, at[k].y + views[k].second->height());
    }
    picture.corners = at;
    picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, 0xFFFFFFFFu);
    for (std::size_t k = 0; k < views.size(); ++k) {
        const Surface& view = *views[k].second;
        for (int y = 0; y < view.height(); ++y) {
            const auto row = view.screen().begin() + static_cast<std::ptrdiff_t>(y) * view.width();
            std::copy(row, row + view.width(),
                      picture.pixels.begin() + static_cast<std::ptrdiff_t>(at[k].y + y) * picture.width + at[k].x);
        }
    }
    return picture;
}

}  // namespace af
