#pragma once

#include <deque>
#include <optional>

#include "core/model/act.h"

namespace af {

// Acts that arrive while a run is on show wait here and are applied in order
// after it. Every run starts from t = 0 with the traces cleared, so a waiting
// run that a later waiting run follows changes nothing the later one leaves:
// it is applied at once, without its frames, and only the later one is shown.
// However long the burst of input, the window is idle after the run under
// way and at most one more.
class ActQueue {
public:
    struct Next {
        Act act;
        bool shown = true;  // false: a run to apply at once, unseen
    };

    void push(const Act& act) { waiting_.push_back(act); }
    std::optional<Next> take();
    bool empty() const { return waiting_.empty(); }
    void clear() { waiting_.clear(); }

private:
    std::deque<Act> waiting_;
};

}  // namespace af
