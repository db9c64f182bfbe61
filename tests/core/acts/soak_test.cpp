#include <gtest/gtest.h>

#include "support/images.h"
#include "support/soak.h"

namespace af {
namespace {

using namespace testing;

// AF_SOAK_SEED and AF_SOAK_EVENTS let a long run by hand try other sequences.
TEST(Soak, RandomEventsKeepStateLabelsAndPictureExact) {
    const std::uint32_t seed = env_number("AF_SOAK_SEED", 20261208);
    const auto count = static_cast<int>(env_number("AF_SOAK_EVENTS", 100000));
    const std::vector<int> events = random_events(seed, count);
    const Failure failure = play(events);
    if (failure.failed()) {
        const std::vector<int> prefix(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(failure.at + 1));
        const std::vector<int> shortest = shrink(prefix);
        FAIL() << failure.what << " after event " << failure.at << " of seed " << seed
               << "\nshortest failing sequence (" << shortest.size() << " events): " << describe(shortest);
    }
    std::printf("soak: %d events, seed %u, no invariant broken\n", count, seed);
}

TEST(Soak, ShrinkingFindsTheEventsAFailureNeeds) {
    // A stand-in failure: r1 reaching 15. From the start value 10 that needs
    // exactly five presses of r1 up, and nothing else.
    const Check r1_at_top = [](Model& model, Reference&) {
        return model.state.length[0] == 15.0f ? std::string("r1 at 15") : std::string();
    };
    const std::vector<int> events = random_events(7, 4000);
    const Failure failure = play(events, r1_at_top);
    ASSERT_TRUE(failure.failed()) << "the sequence never reaches r1 = 15";
    const std::vector<int> prefix(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(failure.at + 1));
    EXPECT_EQ(describe(shrink(prefix, r1_at_top)), "r1 up, r1 up, r1 up, r1 up, r1 up");
}

TEST(Soak, SameEventsGiveTheSameImages) {
    const std::vector<int> events = random_events(99, 3000);
    std::uint64_t hashes[2][3];
    for (auto& run : hashes) {
        Started w;
        for (const int e : events) all_events()[static_cast<std::size_t>(e)].handle(w.model);
        run[0] = screen_hash(w.model.circle_view);
        run[1] = screen_hash(w.model.wave_views[0]);
        run[2] = screen_hash(w.model.wave_views[1]);
    }
    for (int v = 0; v < 3; ++v) EXPECT_EQ(hashes[0][v], hashes[1][v]) << "view " << v;
}

}  // namespace
}  // namespace af
