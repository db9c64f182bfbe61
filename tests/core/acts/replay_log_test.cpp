#include "core/acts/replay_log.h"

#include <gtest/gtest.h>

#include <random>

#include "support/soak.h"

namespace af {
namespace {

using testing::all_events;
using testing::apply_shown;
using testing::random_events;
using testing::Started;

// Both images of every view, as a window created at that ratio would hold them.
void expect_same_views(const Model& a, const Model& b) {
    const auto va = named_views(a), vb = named_views(b);
    for (std::size_t k = 0; k < va.size(); ++k) {
        SCOPED_TRACE(va[k].first);
        ASSERT_EQ(va[k].second->width(), vb[k].second->width());
        ASSERT_EQ(va[k].second->height(), vb[k].second->height());
        EXPECT_TRUE(va[k].second->screen() == vb[k].second->screen());
        EXPECT_TRUE(va[k].second->persistent() == vb[k].second->persistent());
    }
}

// A window whose resolution changes several times along the way, up and
// down, shows after each change the pictures of a window created at that
// resolution and given the same events.
TEST(ReplayLog, RedrawnViewsEqualAWindowCreatedAtThatResolution) {
    const double ratios[] = {1.0, 2.0, 0.75, 1.25, 3.0, 1.5};
    for (const std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(seed);
        const std::vector<int> events = random_events(seed, 400);
        std::mt19937 random(seed);
        Started w;
        ReplayLog log;
        for (std::size_t k = 0; k < events.size(); ++k) {
            const Act& act = all_events()[static_cast<std::size_t>(events[k])].act;
            const State before = w.model.state;
            log.record(before, act, apply(w.model, act));
            if (random() % 50 != 0) continue;
            const double ratio = ratios[random() % std::size(ratios)];
            const State state = w.model.state;
            log.redraw(w.model, ratio);
            ASSERT_EQ(w.model.device_pixel_ratio(), ratio);
            ASSERT_EQ(w.model.state, state);
            Started fresh(ratio);
            // The fresh window is shown its runs frame by frame, as the window shows them.
            for (std::size_t j = 0; j <= k; ++j) apply_shown(fresh.model, all_events()[static_cast<std::size_t>(events[j])].act);
            SCOPED_TRACE(k);
            expect_same_views(w.model, fresh.model);
        }
    }
}

}  // namespace
}  // namespace af
