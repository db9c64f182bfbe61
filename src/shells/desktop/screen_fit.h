#pragma once

#include <QMargins>
#include <QSize>
#include <functional>

#include "core/model/window_fit.h"
#include "core/model/window_host.h"
#include "core/session/session.h"

class QWidget;

namespace af::desktop {

// The window on real desktops, as start-up and the fitting see it: its
// laid-out outer size once the window manager's decoration is known, always
// on screen, and the room the layout is given. The rules are the core's
// (window_fit.h); this measures and moves the window.
class ScreenFit : public WindowHost {
public:
    // `refit` is called whenever the layout may have to fit anew.
    ScreenFit(QWidget& window, std::function<void()> refit);

    // The client area start-up left is the layout at zoom 1.
    void take_start_size();
    // Once, when the window is first shown: waits for the manager's decoration, then
    // puts the laid-out outer size, centred, wholly on screen.
    void first_shown();
    // The room the layout has now, for the session to fit it to.
    FitRequest room() const;
    // The window resized to show the layout at a zoom step the keys asked
    // for (1: the laid-out size), where the frame now stands, on screen.
    void resize_to_zoom(double zoom);

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
    // Whether the window system lets the program place its windows.
    static bool places_windows();

    QWidget& window_;
    std::function<void()> refit_;
    QSize outer_px_;       // the outer size start-up asked for, decoration included
    Size base_client_;     // the client area at that outer size: zoom 1
    double asked_zoom_ = 1.0;  // the zoom step last asked for with the keys
    bool settled_ = false;
    bool showing_started_ = false;
};

}  // namespace af::desktop
