#pragma once

#include "app/form1.h"

namespace af {

// Clears the circle view, then each wave view in use.
void clear_views(Form1& f);

// Turns retained drawing on or off, circle view first.
void set_auto_redraw(Form1& f, bool on);

}  // namespace af
