#include "core/model/window_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace af {
namespace {

// The client area at zoom 1, as the shells give it.
const Size kBase = laid_out_client();

Size scaled(Size s, double by) {
    return {static_cast<int>(std::lround(s.width * by)), static_cast<int>(std::lround(s.height * by))};
}

TEST(WindowFit, ZoomFitsTheRoomWithinItsLimits) {
    const Size dragged = scaled(kBase, 1.1);  // a size the keys ask for, rounded to whole pixels
    const double dragged_fit = std::min(static_cast<double>(dragged.width) / kBase.width,
                                        static_cast<double>(dragged.height) / kBase.height);
    ASSERT_NE(dragged_fit, 1.1);
    struct Case {
        Size client;
        double ratio, asked, zoom;
    } cases[] = {
        {kBase, 1, 1, 1.0},
        {scaled(kBase, 2), 1, 1, 2.0},
        {{kBase.width * 2, kBase.height}, 1, 1, 1.0},  // the narrower side decides
        {{50, 30}, 1, 1, 0.25},                        // never below a quarter
        {{8000, 8000}, 1, 1, 8.0},                     // at most 8 pixels a layout pixel
        {{8000, 8000}, 2, 1, 4.0},                     // counted in device pixels
        {dragged, 1, 1.1, 1.1},                        // the step the keys asked for, not its rounding
        {dragged, 1, 1.0, dragged_fit},                // the same size, dragged by hand
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(fit_zoom(c.client, kBase, c.ratio, c.asked), c.zoom) << c.client.width;
    }
    EXPECT_EQ(client_at(kBase, 1.1), dragged);
    // The spare room shared on both sides, rounded; never off the left edge.
    EXPECT_EQ(layout_offset({1000, kBase.height}, kBase, 1.0), (Point{static_cast<int>(std::lround((1000 - kBase.width) / 2.0)), 0}));
    EXPECT_EQ(layout_offset({100, 100}, kBase, 0.25), (Point{0, static_cast<int>(std::lround((100 - kBase.height * 0.25) / 2))}));
}

TEST(WindowFit, ZoomStepsUpAndDown) {
    EXPECT_DOUBLE_EQ(zoom_step(1.0, 1), 1.1);
    EXPECT_DOUBLE_EQ(zoom_step(1.0, -1), 0.9);
    EXPECT_DOUBLE_EQ(zoom_step(1.005, 1), 1.1);  // on a step already
    EXPECT_DOUBLE_EQ(zoom_step(1.3, -1), 1.25);
    EXPECT_DOUBLE_EQ(zoom_step(8.0, 1), 8.0);
    EXPECT_DOUBLE_EQ(zoom_step(0.5, -1), 0.5);
}

TEST(WindowFit, WindowsAreMovedAndShrunkOntoTheScreen) {
    const Margins decoration{2, 20, 2, 2};
    const Rect screen{0, 0, 800, 600};
    struct Case {
        Rect outer, placed;
    } cases[] = {
        {{100, 100, 619, 368}, {100, 100, 619, 368}},  // fits where it is
        {{-50, -10, 619, 368}, {0, 0, 619, 368}},       // pulled in at the top left
        {{500, 400, 619, 368}, {181, 232, 619, 368}},   // and at the bottom right
        // Too large: the client area 1230 x 692 shrinks by 796 / 1230 (the room
        // is 796 x 578) to 795 x 447, whole pixels down, and is centred.
        {{0, 0, 1234, 714}, {0, 65, 799, 469}},
    };
    for (const Case& c : cases) EXPECT_EQ(place_on_screen(c.outer, decoration, screen), c.placed) << c.outer.x;
    EXPECT_EQ(place_on_screen({5, 5, 10, 10}, decoration, {}), (Rect{5, 5, 10, 10}));  // no screen known
}

TEST(WindowFit, ControlBoxesScaleAndTopLevelOnesMove) {
    // Whole layout pixels (15 twips each), then scaled; the offset moves top-level controls alone.
    const auto px = [](int twips, double zoom) { return static_cast<int>(std::lround(static_cast<double>(std::lround(twips / 15.0)) * zoom)); };
    const auto expected = [&](const TwipsBox& t, double zoom, Point offset) {
        return Rect{px(t.left, zoom) + offset.x, px(t.top, zoom) + offset.y, px(t.width, zoom), px(t.height, zoom)};
    };
    const ControlSpec& panel = *layout_control("control_panel");
    const ControlSpec& view = *layout_control("circle_view");
    EXPECT_EQ(control_box(panel, 1.0, {0, 0}), expected(panel.twips, 1.0, {0, 0}));
    EXPECT_EQ(control_box(panel, 2.0, {10, 20}), expected(panel.twips, 2.0, {10, 20}));
    EXPECT_EQ(control_box(view, 2.0, {10, 20}), expected(view.twips, 2.0, {0, 0}));
    EXPECT_EQ(control_box(view, 1.5, {10, 20}), expected(view.twips, 1.5, {0, 0}));
}

}  // namespace
}  // namespace af
