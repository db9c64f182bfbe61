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

}  // namespace af
