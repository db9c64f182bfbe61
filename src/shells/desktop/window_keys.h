#pragma once

#include <functional>

#include "core/extras/extras.h"

class QWidget;

namespace af::desktop {

class ScreenFit;

// What the window's extras do beyond fitting it.
struct WindowKeyActions {
    std::function<double()> zoom;            // the zoom the layout is shown at now
    std::function<void()> copy_picture;
    std::function<void()> save_picture;
    std::function<void(Extra)> switch_over;  // the sound or the voice, on or off
};

// What each extra does in this window: full screen on and off, the next zoom
// step up or down, the laid-out size, and the actions given.
std::function<void(Extra)> window_extras(QWidget& window, ScreenFit& fit, WindowKeyActions actions);

// The window's own keys: each extra's, from the core's table of extras
// (F11, Ctrl++, Ctrl+-, Ctrl+0, Ctrl+C, Ctrl+S, F2, F4), and beside them
// Ctrl+= for larger and Escape to leave full screen; Shift+F10 opens the
// menu of extras, as the menu key does.
void add_window_keys(QWidget& window, const std::function<void(Extra)>& extra, std::function<void()> open_menu);

}  // namespace af::desktop
