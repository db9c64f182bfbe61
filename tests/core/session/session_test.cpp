// The session every shell holds: driven as the desktop drives it (changes
// taken after every call) and as the page does (presses between animation
// frames, changes taken once a frame), the same presses give the same
// pixels and the same sentences; runs show one frame per tick, and a refit
// waits for a run's end.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/model/layout.h"
#include "core/session/session.h"
#include "core/setup/parse_setup.h"

namespace {

using af::ControlPart;
using af::Session;

const af::Size kLaidOut = af::laid_out_client();
const af::FitRequest kRoom{kLaidOut, kLaidOut, 1.0, 1.0};
// The circle view's width at zoom 1, 15 twips to a pixel.
const int kCircleWidth = static_cast<int>(std::lround(af::layout_control("circle_view")->twips.width / 15.0));

struct Press {
    const char* control;
    ControlPart part = ControlPart::Whole;
};

// What a shell has seen and heard at the end.
struct Seen {
    std::vector<std::string> said;
    long frames = 0;
    int runs_begun = 0;
};

// As the desktop: after every press and every frame, the changes are taken.
Seen drive_as_desktop(Session& s, const std::vector<Press>& presses) {
    Seen seen;
    const auto take = [&] {
        af::SessionChanges c = s.take_changes();
        seen.said.insert(seen.said.end(), c.said.begin(), c.said.end());
        seen.frames += c.frames_drawn;
        seen.runs_begun += c.run_began;
    };
    for (const Press& p : presses) {
        s.press(p.control, p.part);
        take();
        while (s.busy()) {
            s.frame_due();
            take();
        }
    }
    return seen;
}

// As the page: presses come in a burst between animation frames; at each
// frame the run steps (but not at the first after the press that began it,
// whose first frame must be seen), then the changes are taken.
Seen drive_as_page(Session& s, const std::vector<Press>& presses) {
    Seen seen;
    bool first_frame_unseen = false;
    for (const Press& p : presses) {
        if (s.press(p.control, p.part)) first_frame_unseen = true;
    }
    for (int tick = 0; tick < 10000; ++tick) {
        if (!first_frame_unseen) s.frame_due();
        first_frame_unseen = false;
        af::SessionChanges c = s.take_changes();
        seen.said.insert(seen.said.end(), c.said.begin(), c.said.end());
        seen.frames += c.frames_drawn;
        seen.runs_begun += c.run_began;
        if (!s.busy()) break;
    }
    return seen;
}

struct Case {
    const char* name;
    std::vector<Press> presses;
    long frames;               // frames of runs shown
    std::vector<std::string> said;  // by either shell
};

TEST(Session, TheDesktopAndThePageGetTheSamePixelsAndSentences) {
    const std::vector<Case> cases = {
        {"a run at 0.01 s", {{"run_button"}}, 101,
         {"running one second of time", "run ended: vector 1 turned once, vector 2 turned twice; time back to 0"}},
        {"a run at 0.002 s", {{"time_step_0.002"}, {"run_button"}}, 501,
         {"running one second of time", "run ended: vector 1 turned once, vector 2 turned twice; time back to 0"}},
        {"steps, then reset", {{"time_spin", ControlPart::Up}, {"time_spin", ControlPart::Up}, {"reset_button"}}, 0,
         {"time 0, traces cleared"}},
        {"a length at its bound, refused once", {{"r1_spin", ControlPart::Up}, {"r1_spin", ControlPart::Up},
          {"r1_spin", ControlPart::Up}, {"r1_spin", ControlPart::Up}, {"r1_spin", ControlPart::Up},
          {"r1_spin", ControlPart::Up}, {"r1_spin", ControlPart::Up}}, 0, {"15, maximum"}},
        {"a press during a run waits for its end", {{"run_button"}, {"omega2_spin", ControlPart::Down}}, 101,
         {"running one second of time", "run ended: vector 1 turned once, vector 2 turned twice; time back to 0",
          "traces cleared"}},
        {"unknown controls and parts press nothing", {{"no_such_control"}, {"omega1_pi"}, {"run_button", ControlPart::Up},
          {"r1_spin", ControlPart::Whole}}, 0, {}},
    };
    for (const Case& c : cases) {
        Session desktop(kRoom), page(kRoom);
        const Seen by_desktop = drive_as_desktop(desktop, c.presses);
        const Seen by_page = drive_as_page(page, c.presses);
        EXPECT_EQ(by_desktop.said, c.said) << c.name;
        EXPECT_EQ(by_page.said, c.said) << c.name;
        EXPECT_EQ(by_desktop.frames, c.frames) << c.name;
        EXPECT_EQ(by_page.frames, c.frames) << c.name;
        EXPECT_EQ(desktop.model().state, page.model().state) << c.name;
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(af::named_views(desktop.model())[k].second->screen(), af::named_views(page.model())[k].second->screen())
                << c.name << ": " << af::named_views(page.model())[k].first;
        }
    }
}

TEST(Session, APressSaysWhetherItBeganARun) {
    Session s(kRoom);
    EXPECT_FALSE(s.press("time_spin", ControlPart::Up));
    EXPECT_TRUE(s.press("run_button"));
    EXPECT_EQ(s.frames_drawn(), 1) << "its first frame drawn at the press";
    EXPECT_FALSE(s.press("run_button")) << "waits for the run under way";
    EXPECT_TRUE(s.take_changes().run_began);
}

TEST(Session, ARefitWaitsForTheRunAndRedrawsAtTheNewResolution) {
    Session s(kRoom);
    EXPECT_EQ(s.placement(), af::Placement{}) << "laid out at zoom 1 in its own room";
    EXPECT_EQ(s.model().circle_view.width(), kCircleWidth);
    s.take_changes();
    s.press("run_button");
    s.refit({{2 * kLaidOut.width, 2 * kLaidOut.height}, kLaidOut, 1.0, 1.0});
    EXPECT_FALSE(s.take_changes().placement) << "a run keeps its size to its end";
    while (s.busy()) s.frame_due();
    const af::SessionChanges c = s.take_changes();
    EXPECT_TRUE(c.placement && c.views_redrawn && c.idle);
    EXPECT_EQ(s.placement().zoom, 2.0);
    EXPECT_EQ(s.model().circle_view.width(), 2 * kCircleWidth) << "drawn afresh at twice the resolution";
    EXPECT_EQ(c.views[0].x1, 2 * kCircleWidth) << "the whole view changed";
}

TEST(Session, ALessonsSetupIsKeptWhenTheViewsAreDrawnAnew) {
    const af::Setup setup = af::parse_setup("r2=5&omega2=6&t=0.25").setup;
    const af::FitRequest twice{{2 * kLaidOut.width, 2 * kLaidOut.height}, kLaidOut, 1.0, 1.0};
    Session refitted(kRoom, setup);
    refitted.press("time_spin", ControlPart::Up);
    refitted.refit(twice);
    Session born_large(twice, setup);
    born_large.press("time_spin", ControlPart::Up);
    EXPECT_EQ(refitted.model().state.time_ms, 260.0f);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(af::named_views(refitted.model())[k].second->screen(), af::named_views(born_large.model())[k].second->screen())
            << af::named_views(born_large.model())[k].first;
    }
    EXPECT_EQ(refitted.setup_query(), "r2=5&omega2=6&t=0.26");
    EXPECT_EQ(refitted.chosen_options(), (std::vector<std::string_view>{"time_step_0.01", "omega_step_1"}));
}

TEST(Session, CaptionsAreReportedOnlyWhenTheyChange) {
    Session s(kRoom);
    EXPECT_TRUE(s.take_changes().captions.empty()) << "start-up's captions are no change";
    s.press("r1_spin", ControlPart::Down);
    const af::SessionChanges c = s.take_changes();
    ASSERT_EQ(c.captions.size(), 1u);
    EXPECT_EQ(c.captions[0].first, "r1_value");
    EXPECT_EQ(c.captions[0].second, "9");
    EXPECT_TRUE(c.readings);
}

}  // namespace
