#include "controls/handlers.h"
#include "controls/spin.h"
#include "controls/views.h"
#include "draw/get_circ.h"

namespace af {

namespace {

void step_time(Form1& f, Spin direction) {
    State& s = f.state;
    const float step = s.t_step;
    if (direction == Spin::Down && s.t_ms - step < 0) return;  // never before zero

    // need_base also says that no moving layer is on screen to take off.
    if (!s.need_base) get_circ(f);
    s.t_ms = direction == Spin::Up ? s.t_ms + step : s.t_ms - step;
    show_time(f);
    get_circ(f);
}

}  // namespace

void SpinButton5_SpinUp(Form1& f) { step_time(f, Spin::Up); }
void SpinButton5_SpinDown(Form1& f) { step_time(f, Spin::Down); }

}  // namespace af
