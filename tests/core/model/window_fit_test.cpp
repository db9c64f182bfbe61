#include "core/model/window_fit.h"

#include <gtest/gtest.h>

namespace af {
namespace {

// The layout at zoom 1: 615 x 346 logical pixels.
constexpr Size kBase{615, 346};

TEST(WindowFit, ZoomFitsTheRoomWithinItsLimits) {
    struct Case {
        Size client;
        double ratio, asked, zoom;
    } cases[] = {
        {{615, 346}, 1, 1, 1.0},
        {{1230, 692}, 1, 1, 2.0},
        {{1230, 346}, 1, 1, 1.0},              // the narrower side decides
        {{50, 30}, 1, 1, 0.25},                // never below a quarter
        {{8000, 8000}, 1, 1, 8.0},             // at most 8 pixels a layout pixel
        {{8000, 8000}, 2, 1, 4.0},             // counted in device pixels
        {{677, 381}, 1, 1.1, 1.1},             // the step the keys asked for, not 1.1008
        {{677, 381}, 1, 1.0, 677.0 / 615.0},  // the same size, dragged by hand
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(fit_zoom(c.client, kBase, c.ratio, c.asked), c.zoom) << c.client.width;
    }
    EXPECT_EQ(client_at(kBase, 1.1), (Size{677, 381}));
    EXPECT_EQ(layout_offset({1000, 346}, kBase, 1.0), (Point{193, 0}));  // (1000 - 615) / 2, rounded
    EXPECT_EQ(layout_offset({100, 100}, kBase, 0.25), (Point{0, 7}));   // never off the left edge
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
    const ControlSpec panel{"control_panel", ControlKind::Group, kWindowName, "", 120, 0, 2775, 4695, {}, {}, {}};
    const ControlSpec view{"circle_view", ControlKind::Picture, "control_panel", "", 360, 240, 2052, 2052, {}, {}, {}};
    EXPECT_EQ(control_box(panel, 1.0, {0, 0}), (Rect{8, 0, 185, 313}));
    EXPECT_EQ(control_box(panel, 2.0, {10, 20}), (Rect{26, 20, 370, 626}));
    EXPECT_EQ(control_box(view, 2.0, {10, 20}), (Rect{48, 32, 274, 274}));
}

}  // namespace
}  // namespace af
