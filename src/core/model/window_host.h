#pragma once

namespace af {

// What start-up needs of the platform's window: its outer size and position
// and the screen's size, all in twips.
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
};

// A window that is never placed on a screen: it only keeps the size
// start-up gives it, as a replay's unseen window or a page in a browser.
class SizeOnlyWindow : public WindowHost {
public:
    void set_outer_width(float twips) override { width_ = twips; }
    void set_outer_height(float twips) override { height_ = twips; }
    float outer_width() const override { return width_; }
    float outer_height() const override { return height_; }
    void set_top(float) override {}
    void set_left(float) override {}
    float screen_width() const override { return width_; }
    float screen_height() const override { return height_; }

private:
    float width_ = 0, height_ = 0;
};

}  // namespace af
