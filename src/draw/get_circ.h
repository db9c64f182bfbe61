#pragma once

#include "app/form1.h"

namespace af {

struct Tip {
    double x = 0;
    double y = 0;
};

// Angle of vector i at the time on show, in the single precision the
// drawing uses: ((t / t_unit) * (speed / sp_unit)) * pi_val, left to right:
// the angular frequency is shown in units of pi per second.
float vector_angle(const State& s, int i);

// Tip of vector i in the circle view's user coordinates (double precision).
Tip vector_tip(const State& s, int i);

// Draws one frame: the static layer when need_base asks for it, then the
// exclusive-or moving layer and one trace dot per wave view.
void get_circ(Form1& f);

// What two calls of get_circ in a row at the same state leave on the views,
// without drawing the moving layer only to take it off again: the static
// layer when need_base asks for it, and the trace dots.
void get_circ_settled(Form1& f);

}  // namespace af
