#include "app/number_text.h"
#include "controls/handlers.h"
#include "controls/views.h"
#include "draw/get_circ.h"

namespace af {

void Command1_Click(Form1& f) {
    State& s = f.state;
    clear_views(f);
    s.need_base = true;

    // Both bounds are fixed before the first step: 1000 ms in steps of 10, 5 or 2.
    const auto end_bound = static_cast<std::int16_t>(s.t_span * s.t_unit);
    const std::int16_t step = s.t_step;
    if (step <= 0) return;  // no step could ever reach the end

    for (int counter = 0; counter <= end_bound; counter += step) {
        s.t_ms = static_cast<float>(counter);
        // Drawing goes to the screen only, so the persistent images keep the cleared views.
        set_auto_redraw(f, false);
        bool go_on = true;
        if (f.host.shows_frames()) {
            get_circ(f);
            show_time(f);
            go_on = f.host.present_frame();
            get_circ(f);  // erases the moving layer; the trace dots stay
        } else {
            get_circ_settled(f);  // nobody sees the frame: only what it leaves
            show_time(f);
        }
        set_auto_redraw(f, true);
        if (!go_on) break;
    }

    s.t_ms = 0;
    f.value_time.Caption = plain_text(s.t_ms);
    s.need_base = true;
}

}  // namespace af
