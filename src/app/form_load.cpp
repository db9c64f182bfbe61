#include "app/form1.h"
#include "app/number_text.h"
#include "draw/get_circ.h"

namespace af {

void Form_Load(Form1& f) {
    State& s = f.state;
    WindowHost& window = f.host;

    window.set_outer_width(9225);
    window.set_outer_height(5184);
    // Centre the size the window system actually gave; half twips may occur.
    window.set_top((window.screen_height() - window.outer_height()) / 2.0f);
    window.set_left((window.screen_width() - window.outer_width()) / 2.0f);

    s.pi_val = 3.14159f;
    s.t_ms = 0;
    s.t_span = 1;
    s.t_unit = 1000;
    s.axis_periods = 1.0f;
    s.last_vec = 1;

    f.axis_s.Caption = signed_text(s.t_span) + "sec";
    f.axis_c.Caption = signed_text(s.t_span) + "sec";

    s.y_range = 15;
    f.max_range.Caption = plain_text(s.y_range);

    s.radius[0] = 10;
    s.radius[1] = 10;
    s.r_step = 1;
    s.sp_max = 100;
    s.sp_step = 10;
    s.sp_unit = 10;
    s.speed[0] = 20;
    s.speed[1] = 40;
    s.t_step = 10;

    show_time(f);
    s.need_base = true;

    const float y = s.y_range;
    f.b_circ.Scale(-y, y, y, -y);
    f.set_view_width(f.b_circ, kCircleViewTwips);
    f.set_view_height(f.b_circ, kCircleViewTwips);

    const std::int16_t last = s.last_vec;
    for (std::int16_t i = 0; i <= last; ++i) {
        f.value_r.at(i).Caption = plain_text(s.radius.at(i));
        f.value_sp.at(i).Caption = plain_text(s.speed.at(i) / static_cast<float>(s.sp_unit));
        Surface& wave = f.wave_s.at(i);
        f.set_view_height(wave, kWaveViewHeightTwips);
        wave.Scale(0, y, s.t_span, -y);
    }

    get_circ(f);
}

}  // namespace af
