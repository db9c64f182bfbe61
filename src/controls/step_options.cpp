#include "controls/handlers.h"

namespace af {

// Each option only stores its step; the next reader picks it up.
void Option4_Click(Form1& f) { f.state.t_step = 10; }
void Option1_Click(Form1& f) { f.state.t_step = 5; }
void Option2_Click(Form1& f) { f.state.t_step = 2; }
void Option3_Click(Form1& f, std::int16_t /*Index: always 0*/) { f.state.sp_step = 10; }
void Option5_Click(Form1& f) { f.state.sp_step = 5; }
void Option6_Click(Form1& f) { f.state.sp_step = 1; }

}  // namespace af
