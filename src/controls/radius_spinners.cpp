#include "app/number_text.h"
#include "controls/handlers.h"
#include "controls/spin.h"
#include "controls/views.h"
#include "draw/get_circ.h"

namespace af {

namespace {

// One step of the length of vector i, kept within 0 < length <= y_range.
void step_radius(Form1& f, int i, Spin direction) {
    State& s = f.state;
    const float step = s.r_step;
    const float candidate = direction == Spin::Up ? s.radius.at(i) + step : s.radius.at(i) - step;
    if (direction == Spin::Up && candidate > s.y_range) return;
    if (direction == Spin::Down && candidate <= 0) return;

    clear_views(f);
    s.need_base = true;
    s.radius.at(i) = candidate;
    f.value_r.at(i).Caption = plain_text(s.radius.at(i));
    s.t_ms = 0;
    show_time(f);
    get_circ(f);
}

}  // namespace

void SpinButton6_SpinUp(Form1& f) { step_radius(f, 0, Spin::Up); }
void SpinButton6_SpinDown(Form1& f) { step_radius(f, 0, Spin::Down); }
void SpinButton7_SpinUp(Form1& f) { step_radius(f, 1, Spin::Up); }
void SpinButton7_SpinDown(Form1& f) { step_radius(f, 1, Spin::Down); }

}  // namespace af
