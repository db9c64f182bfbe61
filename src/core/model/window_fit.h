#pragma once

#include "core/model/layout.h"

namespace af {

// How the laid-out window fits the room it is given, in the platform's
// logical pixels. The whole layout scales by one zoom factor, as if the
// screen's pixels per twip had changed. Every shell uses these rules.

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size&) const = default;
};
struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};
// How far the window manager's decoration (title bar and borders) reaches
// beyond the client area on each side.
struct Margins {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The client area the layout was made for, in logical pixels.
Size laid_out_client();
// The outer size, decoration included, that start-up asks for, in logical pixels.
Size outer_size_at_start();

// The zoom at which the layout, laid out for `base` (the client area at the
// laid-out outer size), fits into `client`, limited so that the views stay
// within a sane number of pixels at that device pixel ratio. A size that the
// zoom keys asked for (`asked_zoom`) shows exactly their step, not the step
// as the rounded window size gives it back.
double fit_zoom(Size client, Size base, double device_pixel_ratio, double asked_zoom = 1.0);

// The client area at a zoom of `base`.
Size client_at(Size base, double zoom);

// Where the layout goes in the client area: spare room shared evenly on both
// sides, the top-left corner never off the client area.
Point layout_offset(Size client, Size base, double zoom);

// A control's box at a zoom; top-level controls moved by the layout's offset.
Rect control_box(const ControlSpec& control, double zoom, Point offset);

// The window's outer rectangle (client area and decoration) moved (and,
// where it does not fit, shrunk keeping the client area's shape) so that it
// lies wholly inside `available`: title bar and every control reachable. An
// empty `available` leaves it as it is.
Rect place_on_screen(Rect outer, Margins decoration, Rect available);

// The next zoom step up or down from `zoom`, as Ctrl++ and Ctrl+- take it.
double zoom_step(double zoom, int direction);

}  // namespace af
