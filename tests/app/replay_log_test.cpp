#include "app/replay_log.h"

#include <gtest/gtest.h>

#include <random>

#include "support/soak.h"

namespace af {
namespace {

using testing::all_events;
using testing::random_events;
using testing::Started;

// Both images of every view, as a window created at that ratio would hold them.
void expect_same_views(const Form1& a, const Form1& b) {
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
            const auto& handle = all_events()[static_cast<std::size_t>(events[k])].handle;
            log.before(w.form);
            handle(w.form);
            log.after(w.form, handle);
            if (random() % 50 != 0) continue;
            const double ratio = ratios[random() % std::size(ratios)];
            const State state = w.form.state;
            log.redraw(w.form, ratio);
            ASSERT_EQ(w.form.device_pixel_ratio(), ratio);
            ASSERT_EQ(w.form.state, state);
            Started fresh(ratio);
            for (std::size_t j = 0; j <= k; ++j) all_events()[static_cast<std::size_t>(events[j])].handle(fresh.form);
            SCOPED_TRACE(k);
            expect_same_views(w.form, fresh.form);
        }
    }
}

}  // namespace
}  // namespace af
