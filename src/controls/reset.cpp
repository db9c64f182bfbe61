#include "controls/handlers.h"
#include "controls/views.h"
#include "draw/get_circ.h"

namespace af {

void Command2_Click(Form1& f) {
    clear_views(f);
    f.state.t_ms = 0;
    show_time(f);
    f.state.need_base = true;
    get_circ(f);
}

}  // namespace af
