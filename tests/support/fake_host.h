#pragma once

#include "core/model/model.h"

namespace af::testing {

// A window that only records its size and position.
class FakeHost : public WindowHost {
public:
    float width_twips = 0, height_twips = 0, top = 0, left = 0;
    float screen_w = 19200, screen_h = 10800;

    void set_outer_width(float twips) override { width_twips = twips; }
    void set_outer_height(float twips) override { height_twips = twips; }
    float outer_width() const override { return width_twips; }
    float outer_height() const override { return height_twips; }
    void set_top(float twips) override { top = twips; }
    void set_left(float twips) override { left = twips; }
    float screen_width() const override { return screen_w; }
    float screen_height() const override { return screen_h; }
};

// A started window model, as the toolkit would hand it to the first act.
struct Started {
    FakeHost host;
    Model model;
    explicit Started(double ratio = 1.0) : model(host, ratio) { start_up(model); }
};

}  // namespace af::testing
