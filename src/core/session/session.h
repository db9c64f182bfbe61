#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/acts/act_runner.h"
#include "core/acts/narrator.h"
#include "core/acts/replay_log.h"
#include "core/model/model.h"
#include "core/model/window_fit.h"
#include "shells/page/json_text.h"

namespace af::page {

// A view's pixels as a canvas takes them (red, green, blue, alpha bytes, row
// by row) and the rectangle that changed since they were last taken.
struct ViewPixels {
    const std::uint8_t* rgba = nullptr;
    int width = 0, height = 0;
    PixelRect changed{};
};

// The program as a page shows it: the model, the acts applied in order with
// runs shown frame by frame, what is said, and the layout fitted to the
// browser's viewport. The page's script only forwards input and the clock's
// ticks, and copies out pixels and texts; every rule is here or below.
class PageSession {
public:
    // `viewport` in CSS pixels; `device_pixel_ratio` as the browser gives it.
    PageSession(Size viewport, double device_pixel_ratio);

    // The act of a control's layout row: its click, or its spin arrow.
    void press(std::string_view control, Direction direction);
    // The frame on show has had its animation frame.
    void frame_due() { runner_.frame_due(); }
    void focus_moved() { narrator_.focus_moved(); }
    // Fits the layout to a new viewport or device pixel ratio; a run under
    // way finishes first.
    void fit(Size viewport, double device_pixel_ratio);

    bool busy() const { return runner_.busy(); }
    int frames_drawn() const { return frames_drawn_; }
    // Whether the boxes or the views' sizes changed since the last call; at
    // the first, whether the boxes differ from the laid-out ones, with which
    // the page is built.
    bool take_layout_changed();

    // Every control with its box at the zoom in force, its caption, font,
    // colours, focus order and what a screen reader says of it.
    std::string layout_json() const;
    // The captions, and, where an act changed them since start-up, the spin
    // readings, the views' descriptions and the sentences to say, each said
    // once. Start-up's own readings are in the page as it was built.
    std::string texts_json();
    // The captions, the spin readings and the views' descriptions as they
    // stand: what the page is built with.
    std::string readings_json() const;
    // The pixels of the view the named control shows; none for another name.
    ViewPixels view_pixels(std::string_view view);

private:
    void began(const Act& act);
    void applied(const State& before, const Act& act, const ActResult& result, bool seen);
    void say(std::string text);
    void place(Size viewport, double device_pixel_ratio);
    void write_captions(JsonText& json) const;
    void write_readings(JsonText& json) const;

    // The zoom and the corner at which the layout fits the viewport; by
    // default the laid-out ones, with which the page is built.
    struct Placement {
        double zoom = 1;
        Point offset{};
        bool operator==(const Placement&) const = default;
    };
    static Placement fitted(Size viewport, double device_pixel_ratio);

    Size viewport_;
    double device_pixel_ratio_;
    Placement placement_;
    SizeOnlyWindow window_;  // start-up asks for a size and a place; a page has neither
    Model model_;
    ActRunner runner_;
    Narrator narrator_;
    ReplayLog log_;
    int frames_drawn_ = 0;
    bool fit_due_ = false;
    bool layout_changed_ = false;
    bool speech_changed_ = false;
    std::vector<std::string> said_;
    std::array<std::vector<std::uint32_t>, 3> rgba_;  // each pixel's bytes in a canvas's order
    std::array<bool, 3> whole_view_due_{true, true, true};
};

}  // namespace af::page
