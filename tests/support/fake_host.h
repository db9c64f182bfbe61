#pragma once

#include <functional>
#include <vector>

#include "app/form1.h"

namespace af::testing {

// A window that only records: its size, its position and each presented frame.
class FakeHost : public WindowHost {
public:
    float width_twips = 0, height_twips = 0, top = 0, left = 0;
    float screen_w = 19200, screen_h = 10800;
    int presented = 0;
    std::function<void()> on_present;  // called at each presented frame
    int stop_after = -1;                // present_frame() says stop after this many frames

    void set_outer_width(float twips) override { width_twips = twips; }
    void set_outer_height(float twips) override { height_twips = twips; }
    float outer_width() const override { return width_twips; }
    float outer_height() const override { return height_twips; }
    void set_top(float twips) override { top = twips; }
    void set_left(float twips) override { left = twips; }
    float screen_width() const override { return screen_w; }
    float screen_height() const override { return screen_h; }
    bool present_frame() override {
        ++presented;
        if (on_present) on_present();
        return presented != stop_after;
    }
};

// A started window model, as the toolkit would hand it to the first event.
struct Started {
    FakeHost host;
    Form1 form;
    explicit Started(double ratio = 1.0) : form(host, ratio) { Form_Load(form); }
};

}  // namespace af::testing
