#include "core/acts/act_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace af {
namespace {

// What the queue hands on, written "act" for one to show and "(act)" for a
// run applied at once, unseen.
std::string drained(const std::vector<Act>& acts) {
    ActQueue queue;
    for (const Act& act : acts) queue.push(act);
    std::string out;
    while (const auto next = queue.take()) {
        const std::string name = next->act.kind == Act::Kind::Run     ? "run"
                                 : next->act.kind == Act::Kind::Reset ? "reset"
                                                                      : "step";
        out += (out.empty() ? "" : " ") + (next->shown ? name : "(" + name + ")");
    }
    return out;
}

TEST(ActQueue, OnlyTheLastWaitingRunIsShownAndEveryActKeepsItsPlace) {
    const Act run = run_act(), reset = reset_act(), step = length_step_act(1, Direction::Down);
    struct Case {
        std::vector<Act> acts;
        const char* expected;
    } cases[] = {
        {{}, ""},
        {{run}, "run"},
        {{step, reset}, "step reset"},
        {{run, run, run}, "(run) (run) run"},
        {{run, step, run, reset}, "(run) step run reset"},
        {{run, step, reset}, "run step reset"},
        {{step, run, step, run, step}, "step (run) step run step"},
    };
    for (const Case& c : cases) EXPECT_EQ(drained(c.acts), c.expected);
}

}  // namespace
}  // namespace af
