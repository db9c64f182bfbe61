#include "core/acts/act_queue.h"

#include <algorithm>

namespace af {

std::optional<ActQueue::Next> ActQueue::take() {
    if (waiting_.empty()) return std::nullopt;
    const Act act = waiting_.front();
    waiting_.pop_front();
    const bool later_run = std::any_of(waiting_.begin(), waiting_.end(),
                                       [](const Act& a) { return a.kind == Act::Kind::Run; });
    return Next{act, !(act.kind == Act::Kind::Run && later_run)};
}

}  // namespace af
