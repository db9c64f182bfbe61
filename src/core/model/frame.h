#pragma once

#include "core/model/model.h"

namespace af {

struct Tip {
    double x = 0;
    double y = 0;
};

// Angle of vector i at the time on show, in the single precision the
// drawing uses: ((t / ms_per_second) * (frequency / counts_per_unit)) * pi,
// left to right: the angular frequency is shown in units of pi per second.
float vector_angle(const State& s, int i);

// Tip of vector i in the circle view's user coordinates (double precision).
Tip vector_tip(const State& s, int i);

// Draws one frame: the static layer when it is due, then the exclusive-or
// moving layer and one trace dot per wave view. A second call at the same
// state takes the moving layer off again.
void draw_frame(Model& m);

// What two calls of draw_frame in a row at the same state leave on the
// views, without drawing the moving layer only to take it off again: the
// static layer when it is due, and the trace dots.
void draw_frame_settled(Model& m);

}  // namespace af
