#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/acts/apply.h"
#include "core/setup/apply_setup.h"
#include "core/setup/parse_setup.h"
#include "core/setup/setup_query.h"
#include "support/fake_host.h"
#include "support/snapshot.h"
#include "support/soak.h"

namespace af {
namespace {

using testing::Snapshot;
using testing::Started;

constexpr auto Up = Direction::Up;
constexpr auto Down = Direction::Down;

// A setup and the presses a user makes to get there by hand.
struct ByHand {
    std::string query;
    std::vector<std::pair<Act, int>> presses;
};

TEST(SetupArrows, PicturesEqualThoseThePressesLeave) {
    const ByHand cases[] = {
        {"r2=5&omega2=6", {{length_step_act(1, Down), 5}, {frequency_step_act(1, Up), 2}}},
        {"time_step=0.005&t=0.015", {{choose_time_step_act(5), 1}, {time_step_act(Up), 3}}},
        {"omega_step=0.5&omega1=0.5&r1=12&t=0.3",
         {{choose_frequency_step_act(5), 1},
          {frequency_step_act(0, Down), 3},
          {length_step_act(0, Up), 2},
          {time_step_act(Up), 30}}},
        // Past the wave views' right edge, and past where the dots are left out.
        {"time_step=0.002&t=1.5", {{choose_time_step_act(2), 1}, {time_step_act(Up), 750}}},
        {"r1=3&t=4.01", {{length_step_act(0, Down), 7}, {time_step_act(Up), 401}}},
    };
    for (const double ratio : {1.0, 2.0}) {
        for (const ByHand& c : cases) {
            SCOPED_TRACE(c.query + " at ratio " + std::to_string(ratio));
            Started set_up(ratio), pressed(ratio);
            const ParsedSetup parsed = parse_setup(c.query);
            ASSERT_TRUE(parsed.refused.empty());
            apply_setup(set_up.model, parsed.setup);
            for (const auto& [act, times] : c.presses) {
                for (int k = 0; k < times; ++k) apply(pressed.model, act);
            }
            EXPECT_EQ(Snapshot(set_up.model), Snapshot(pressed.model));
        }
    }
}

// The state a setup covers: what a query written from it must bring back.
std::vector<float> setup_part(const State& s) {
    return {s.length[0], s.length[1],           s.frequency[0],         s.frequency[1],
            s.time_ms,   float(s.time_step_ms), float(s.frequency_step)};
}

TEST(SetupQuery, WritesOnlyWhatDiffersAndReadsBackToTheState) {
    const std::pair<std::vector<std::pair<Act, int>>, std::string> written[] = {
        {{}, ""},
        {{{length_step_act(1, Down), 5}, {frequency_step_act(1, Up), 2}}, "r2=5&omega2=6"},
        // 2.5 needs the step 0.5 although 1 is chosen now; 0.007 s no single time step reaches.
        {{{choose_frequency_step_act(5), 1},
          {frequency_step_act(0, Up), 1},
          {choose_frequency_step_act(10), 1},
          {choose_time_step_act(5), 1},
          {time_step_act(Up), 1},
          {choose_time_step_act(2), 1},
          {time_step_act(Up), 1}},
         "omega1=2.5&time_step=0.002&omega_step=0.5"},
    };
    for (const auto& [presses, query] : written) {
        Started w;
        for (const auto& [act, times] : presses) {
            for (int k = 0; k < times; ++k) apply(w.model, act);
        }
        EXPECT_EQ(setup_query(w.model.state), query);
    }
    Started w;
    EXPECT_EQ(setup_query(w.model.state, "pt-BR"), "lang=pt-BR");
    EXPECT_EQ(setup_query(w.model.state, "<b>"), "");
    EXPECT_EQ(picture_file_name(w.model.state), "angular-frequency-r1-10-r2-10-omega1-2-omega2-4.png");
    apply_setup(w.model, parse_setup("omega_step=0.5&omega1=2.5&t=0.25").setup);
    EXPECT_EQ(picture_file_name(w.model.state), "angular-frequency-r1-10-r2-10-omega1-2.5-omega2-4-t-0.25.png");

    // Any state the arrows reach reads back: its values always (but for a
    // time no single step reaches), its steps where the values lie on their grids.
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        Started pressed(0.05);
        for (const int e : testing::random_events(seed, 60)) testing::all_events()[e].handle(pressed.model);
        const State& s = pressed.model.state;
        const auto ms = static_cast<int>(s.time_ms);
        const auto counts = [&s](int i) { return static_cast<int>(s.frequency[i]); };
        const bool on_own_grids =
            ms % s.time_step_ms == 0 && counts(0) % s.frequency_step == 0 && counts(1) % s.frequency_step == 0;
        const std::string query = setup_query(s);
        const ParsedSetup parsed = parse_setup(query);
        EXPECT_TRUE(parsed.refused.empty()) << query;
        Started opened(0.05);
        apply_setup(opened.model, parsed.setup);
        std::vector<float> expected = setup_part(s);
        std::vector<float> got = setup_part(opened.model.state);
        if (ms % 5 != 0 && ms % 2 != 0) expected[4] = 0;  // no single time step reaches it
        if (!on_own_grids) {                              // the steps written then differ from the state's
            expected.resize(5);
            got.resize(5);
        }
        if (got != expected) ADD_FAILURE() << "seed " << seed << ": " << query;
    }
}

}  // namespace
}  // namespace af
