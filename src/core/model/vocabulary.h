#pragma once

namespace af {

// What a spin control steps: the time on show, or the length or the angular
// frequency of one vector.
enum class Quantity { Time, Length, AngularFrequency };

// Which arrow of a spin control: a step up or a step down.
enum class Direction { Up, Down };

// A quantity of one vector (index 0 or 1; the time belongs to none).
struct StepTarget {
    Quantity quantity = Quantity::Time;
    int vector = 0;
    bool operator==(const StepTarget&) const = default;
};

}  // namespace af
