#include "app/number_text.h"
#include "controls/handlers.h"
#include "controls/spin.h"
#include "controls/views.h"
#include "draw/get_circ.h"

namespace af {

namespace {

// One step of the angular-frequency count of vector i, kept within 0 < count <= sp_max.
void step_speed(Form1& f, int i, Spin direction) {
    State& s = f.state;
    const auto step = static_cast<float>(s.sp_step);
    const float candidate = direction == Spin::Up ? s.speed.at(i) + step : s.speed.at(i) - step;
    if (direction == Spin::Up && candidate > static_cast<float>(s.sp_max)) return;
    if (direction == Spin::Down && candidate <= 0) return;

    clear_views(f);
    s.need_base = true;
    s.t_ms = 0;
    s.speed.at(i) = candidate;
    f.value_sp.at(i).Caption = plain_text(s.speed.at(i) / static_cast<float>(s.sp_unit));
    show_time(f);
    get_circ(f);
}

}  // namespace

void SpinButton8_SpinUp(Form1& f) { step_speed(f, 0, Spin::Up); }
void SpinButton8_SpinDown(Form1& f) { step_speed(f, 0, Spin::Down); }
void SpinButton9_SpinUp(Form1& f) { step_speed(f, 1, Spin::Up); }
void SpinButton9_SpinDown(Form1& f) { step_speed(f, 1, Spin::Down); }

}  // namespace af
