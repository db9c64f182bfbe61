#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace af::shell {

// How the laid-out window fits the room it is given. The whole layout scales
// by one zoom factor, as if the screen's pixels per twip had changed.

// The zoom at which the layout, laid out for `base` (the client area at the
// laid-out outer size), fits into `client`, limited so that the views stay
// within a sane number of pixels at that device pixel ratio.
double fit_zoom(QSize client, QSize base, double device_pixel_ratio);

// Where the layout goes in the client area: spare room shared evenly on both
// sides, the top-left corner never off the client area.
QPoint layout_offset(QSize client, QSize base, double zoom);

// The frame rectangle moved (and, where it does not fit, shrunk keeping the
// client area's shape) so that it lies wholly inside `available`: title bar
// and every control reachable.
QRect place_on_screen(QRect frame, QMargins frame_margins, QRect available);

// The next zoom step up or down from `zoom`, as Ctrl++ and Ctrl+- take it.
double zoom_step(double zoom, int direction);

}  // namespace af::shell
