#pragma once

#include <functional>

class QWidget;

namespace af::desktop {

class ScreenFit;

// The window's own keys: F11 for full screen (Escape leaves it), Ctrl++ and
// Ctrl+- for the next zoom step up or down, Ctrl+0 for the laid-out size.
// `zoom` reads the zoom the layout is shown at now.
void add_window_keys(QWidget& window, ScreenFit& fit, std::function<double()> zoom);

}  // namespace af::desktop
