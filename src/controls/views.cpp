#include "controls/views.h"

namespace af {

void clear_views(Form1& f) {
    f.b_circ.Cls();
    const std::int16_t last = f.state.last_vec;
    for (std::int16_t k = 0; k <= last; ++k) f.wave_s.at(k).Cls();
}

void set_auto_redraw(Form1& f, bool on) {
    f.b_circ.AutoRedraw = on;
    const std::int16_t last = f.state.last_vec;
    for (std::int16_t i = 0; i <= last; ++i) f.wave_s.at(i).AutoRedraw = on;
}

}  // namespace af
