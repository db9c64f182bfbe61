#include "core/acts/act_runner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_host.h"

namespace af {
namespace {

// A runner whose clock is the test: every frame drawn is followed by one
// frame_due, as a shell's clock would follow it one refresh later.
struct Driven {
    testing::Started w;
    std::vector<std::string> heard;
    int frames = 0;
    ActRunner runner{w.model,
                     {[this](const Act& a) { heard.push_back(a.kind == Act::Kind::Run ? "begin run" : "begin"); },
                      [this](const State&, const Act& a, const ActResult&, bool seen) {
                          heard.push_back(std::string(seen ? "" : "unseen ") +
                                          (a.kind == Act::Kind::Run ? "run" : "act"));
                      },
                      [this] { ++frames; },
                      [this] { heard.push_back("idle"); }}};
    // Ticks of the clock until the runner is idle; never more than a few runs need.
    void tick_until_idle() {
        for (int k = 0; k < 2000 && runner.busy(); ++k) runner.frame_due();
        ASSERT_FALSE(runner.busy()) << "still busy after 2000 frames";
    }
};

TEST(ActRunner, ARunIsShownFrameByFrameAndWhatWaitsFollowsInOrder) {
    Driven d;
    d.runner.act(run_act());
    EXPECT_TRUE(d.runner.busy());
    EXPECT_EQ(d.frames, 1);  // the first frame at once
    d.runner.act(length_step_act(0, Direction::Up));
    d.runner.act(run_act());
    d.runner.act(run_act());
    EXPECT_EQ(d.frames, 1);  // nothing of what waits runs inside the run
    d.tick_until_idle();
    EXPECT_EQ(d.frames, 202);
    const std::vector<std::string> expected{"begin run", "run", "begin", "act", "unseen run", "begin run", "run", "idle"};
    EXPECT_EQ(d.heard, expected);
    EXPECT_EQ(d.w.model.state.length[0], 11.0f);
    EXPECT_EQ(d.w.model.time_value.caption, "0");
}

TEST(ActRunner, StopEndsTheRunAtOnceAndDropsWhatWaits) {
    Driven d;
    d.runner.act(run_act());
    for (int k = 0; k < 20; ++k) d.runner.frame_due();
    d.runner.act(length_step_act(0, Direction::Up));
    d.runner.stop();
    EXPECT_FALSE(d.runner.busy());
    EXPECT_EQ(d.frames, 21);
    EXPECT_EQ(d.w.model.state.length[0], 10.0f);
    EXPECT_EQ(d.w.model.state.time_ms, 0.0f);
    EXPECT_EQ(d.w.model.state.on_show, OnShow::RunsEnd);
    d.runner.frame_due();  // a late tick of the clock does nothing
    EXPECT_EQ(d.frames, 21);
}

}  // namespace
}  // namespace af
