#pragma once

namespace af {

// What the program needs of the platform's window: its outer size and
// position and the screen's size, all in twips, and a way to put a frame
// on screen while an animation run holds the thread.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    virtual void set_outer_width(float twips) = 0;
    virtual void set_outer_height(float twips) = 0;
    virtual float outer_width() const = 0;
    virtual float outer_height() const = 0;
    virtual void set_top(float twips) = 0;
    virtual void set_left(float twips) = 0;
    virtual float screen_width() const = 0;
    virtual float screen_height() const = 0;

    // Called once an animation step, when its frame and time label are drawn
    // and before the frame is erased again. False ends the run at this frame:
    // the window is going.
    virtual bool present_frame() = 0;

    // False for a window that is never shown, such as one that only redraws
    // the views at another resolution: its runs need no frame of their own.
    virtual bool shows_frames() const { return true; }
};

}  // namespace af
