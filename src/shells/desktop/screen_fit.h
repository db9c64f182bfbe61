#pragma once

#include <QMargins>
#include <QSize>
#include <functional>

#include "core/model/window_fit.h"
#include "core/model/window_host.h"

class QWidget;

namespace af::desktop {

// The window on real desktops: its laid-out outer size once the window
// manager's decoration is known, always on screen, a zoom that fits the layout to
// whatever room the window is given, full screen and the zoom keys. The
// rules are the core's (window_fit.h); this measures and moves the window.
class ScreenFit : public WindowHost {
public:
    // `refit` is called whenever the layout may have to fit anew.
    ScreenFit(QWidget& window, std::function<void()> refit);

    // The client area start-up left is the layout at zoom 1.
    void take_start_size();
    // Once, when the window is first shown: waits for the manager's decoration, then
    // puts the laid-out outer size, centred, wholly on screen.
    void first_shown();
    // The zoom and offset for the client area the window has now.
    void fit();
    void add_shortcuts();

    double zoom() const { return zoom_; }
    Point offset() const { return offset_; }

    // WindowHost: start-up's outer size and place, in twips.
    void set_outer_width(float twips) override;
    void set_outer_height(float twips) override;
    float outer_width() const override;
    float outer_height() const override;
    void set_top(float twips) override;
    void set_left(float twips) override;
    float screen_width() const override;
    float screen_height() const override;

private:
    void settle_decoration();
    QMargins decoration_margins() const;
    // Resizes the window to that client area, where the window now stands,
    // moved and if need be shrunk to lie wholly on screen.
    void place_client(Size client);
    // Ctrl++ (1), Ctrl+- (-1), Ctrl+0 (0): the window resized to the next zoom step.
    void zoom_by(int direction);
    // Whether the window system lets the program place its windows.
    static bool places_windows();

    QWidget& window_;
    std::function<void()> refit_;
    QSize outer_px_;       // the outer size start-up asked for, decoration included
    Size base_client_;     // the client area at that outer size: zoom 1
    double zoom_ = 1.0;
    double asked_zoom_ = 1.0;  // the zoom step last asked for with the keys
    Point offset_;
    bool settled_ = false;
    bool showing_started_ = false;
};

}  // namespace af::desktop
