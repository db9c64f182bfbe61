// The session a page drives: presses by control name, runs stepped by the
// page's clock, the layout refitted after a run, pixels in a canvas's byte
// order, sentences said once, and the JSON the page reads and is built with.
#include <gtest/gtest.h>

#include "core/acts/apply.h"
#include "support/fake_host.h"
#include "shells/page/json_text.h"
#include "core/session/session.h"

namespace {

using af::Direction;
using af::page::PageSession;

constexpr af::Size kLaidOut{622, 319};  // 9330 x 4785 twips at 15 twips a pixel

int finish_run(PageSession& page) {
    int ticks = 0;
    while (page.busy() && ticks < 10000) {
        page.frame_due();
        ++ticks;
    }
    return ticks;
}

TEST(PageSession, RunsOneFramePerTickAndRefitsTheLayoutAfterIt) {
    // One second at 0.01, 0.005 and 0.002 s a step, counting both ends.
    for (const auto& [option, frames] : {std::pair{"time_step_0.01", 101}, {"time_step_0.005", 201}, {"time_step_0.002", 501}}) {
        PageSession page(kLaidOut, 1.0);
        ASSERT_FALSE(page.take_layout_changed()) << "the page is built with the laid-out boxes";
        ASSERT_TRUE(PageSession({kLaidOut.width + 1, kLaidOut.height}, 1.0).take_layout_changed()) << "centred anew";
        EXPECT_EQ(page.view_pixels("circle_view").width, 137);
        page.press(option, Direction::Up);
        page.press("run_button", Direction::Up);
        EXPECT_EQ(page.frames_drawn(), 1) << "the first frame is drawn at the press";
        page.fit({2 * kLaidOut.width, 2 * kLaidOut.height}, 1.0);
        page.press("r1_spin", Direction::Down);  // waits for the run's end
        EXPECT_FALSE(page.take_layout_changed()) << "a run keeps its size to its end";
        finish_run(page);
        EXPECT_EQ(page.frames_drawn(), frames) << option;
        EXPECT_TRUE(page.take_layout_changed());
        EXPECT_EQ(page.view_pixels("circle_view").width, 274) << "redrawn at twice the resolution";
        EXPECT_NE(page.texts_json().find(R"("r1_value":"9")"), std::string::npos) << "the waiting step came after";
    }
}

TEST(PageSession, ViewPixelsAreRedGreenBlueAlphaAsTheModelDrawsThem) {
    PageSession page(kLaidOut, 1.0);
    page.press("time_spin", Direction::Up);
    page.press("time_spin", Direction::Up);
    af::testing::Started same;  // the same two steps, applied to a model directly
    for (int k = 0; k < 2; ++k) af::apply(same.model, af::time_step_act(Direction::Up));
    const af::page::ViewPixels p = page.view_pixels("circle_view");
    ASSERT_EQ(p.width, same.model.circle_view.width());
    int coloured = 0;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const std::uint32_t bgr = same.model.circle_view.pixel(x, y);
            const std::uint8_t* at = p.rgba + 4 * (static_cast<std::size_t>(y) * p.width + x);
            ASSERT_EQ(at[0], bgr & 0xFF) << x << "," << y;
            ASSERT_EQ(at[1], (bgr >> 8) & 0xFF);
            ASSERT_EQ(at[2], (bgr >> 16) & 0xFF);
            ASSERT_EQ(at[3], 0xFF);
            coloured += (bgr & 0xFF) != ((bgr >> 16) & 0xFF);
        }
    }
    EXPECT_GT(coloured, 0) << "some pixel tells red from blue";
    EXPECT_TRUE(page.view_pixels("circle_view").changed.empty()) << "nothing changed since";
}

TEST(PageSession, SaysEachSentenceOnceAndIgnoresUnknownControls) {
    PageSession page(kLaidOut, 1.0);
    // Start-up's readings are written into the page when it is built, not sent again.
    EXPECT_NE(page.readings_json().find(R"("r1_spin":{"name":"r1","text":"10","value":10,"min":1,"max":15})"),
              std::string::npos);
    EXPECT_EQ(page.texts_json().find("spins"), std::string::npos);
    page.press("no_such_control", Direction::Up);
    page.press("omega1_pi", Direction::Up);  // a label: nothing to press
    EXPECT_FALSE(page.busy());
    EXPECT_EQ(page.view_pixels("range_label").rgba, nullptr) << "a label shows no view";
    EXPECT_EQ(page.texts_json().find("said"), std::string::npos);
    page.press("reset_button", Direction::Up);
    EXPECT_NE(page.texts_json().find(R"("said":["time 0, traces cleared"])"), std::string::npos);
    EXPECT_EQ(page.texts_json().find("traces cleared"), std::string::npos);
    // The time has no upper bound: no maximum is given.
    page.press("time_spin", Direction::Up);
    EXPECT_NE(page.texts_json().find(R"("time_spin":{"name":"time","text":"0.01 seconds","value":0.01,"min":0,"max":null})"),
              std::string::npos);
}

TEST(JsonText, EscapesAndSeparates) {
    af::page::JsonText json;
    json.begin_object().key("a\"b").value("q\"\\\n\x01ω").key("n").begin_array().value(1).value(0.5).value(1.0 / 0.0);
    json.value(true).begin_object().end_object().end_array().end_object();
    EXPECT_EQ(json.text(), R"({"a\"b":"q\"\\\n\u0001ω","n":[1,0.5,null,true,{}]})");
}

}  // namespace
