#pragma once

#include <functional>

class QWidget;

namespace af::desktop {

class ScreenFit;

// What the window's keys do beyond fitting it.
struct WindowKeyActions {
    std::function<double()> zoom;          // the zoom the layout is shown at now
    std::function<void()> copy_picture;    // Ctrl+C
    std::function<void()> save_picture;    // Ctrl+S
};

// The window's own keys: F11 for full screen (Escape leaves it), Ctrl++ and
// Ctrl+- for the next zoom step up or down, Ctrl+0 for the laid-out size,
// Ctrl+C and Ctrl+S to copy or save a picture of the views.
void add_window_keys(QWidget& window, ScreenFit& fit, WindowKeyActions actions);

}  // namespace af::desktop
