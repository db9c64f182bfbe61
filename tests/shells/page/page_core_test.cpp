// What the page's script reads from its C++: the views' pixels in a canvas's
// byte order, JSON written with its escapes, and the texts the page is built
// with and then told of.
#include <gtest/gtest.h>

#include "core/language/choose_language.h"
#include "core/session/session.h"
#include "shells/page/canvas_pixels.h"
#include "shells/page/json_text.h"
#include "shells/page/page_json.h"

namespace {

const af::FitRequest kRoom{af::laid_out_client(), af::laid_out_client(), 1.0, 1.0};

TEST(PageCore, CanvasPixelsAreRedGreenBlueAlpha) {
    af::Session session(kRoom);
    session.press("time_spin", af::ControlPart::Up);
    const af::SessionChanges changes = session.take_changes();
    af::page::CanvasCopies copies;
    const af::Surface& circle = session.model().circle_view;
    const af::page::CanvasPixels p = copies.copy(0, circle, changes.views[0]);
    EXPECT_EQ(p.changed.x1 - p.changed.x0, circle.width()) << "the first copy is whole";
    int red_not_blue = 0;  // pixels that would show a swapped byte order
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const std::uint8_t* at = p.rgba + 4 * (static_cast<std::size_t>(y) * p.width + x);
            const std::uint32_t bgr = circle.pixel(x, y);
            ASSERT_EQ(at[3], 0xFF) << "opaque";
            ASSERT_EQ(at[0] | at[1] << 8 | at[2] << 16, static_cast<int>(bgr)) << x << "," << y;
            red_not_blue += at[0] != at[2];
        }
    }
    EXPECT_GT(red_not_blue, 0);
    EXPECT_TRUE(copies.copy(0, circle, {}).changed.empty()) << "nothing changed since";
}

TEST(PageCore, TellsStartUpOnceAndThenOnlyWhatChanged) {
    af::Session session(kRoom);
    EXPECT_NE(af::page::readings_json(session).find(R"("r1_spin":{"name":"r1","text":"10","value":10,"min":1,"max":15})"),
              std::string::npos);
    EXPECT_EQ(af::page::changes_json(session, session.take_changes()),
              R"({"layout":false,"frames":0,"captions":{},"said":[]})");
    session.press("reset_button");
    const std::string reset = af::page::changes_json(session, session.take_changes());
    EXPECT_NE(reset.find(R"("said":["time 0, traces cleared"])"), std::string::npos) << reset;
    // The time has no upper bound: no maximum is given.
    session.press("time_spin", af::ControlPart::Up);
    const std::string stepped = af::page::changes_json(session, session.take_changes());
    EXPECT_NE(stepped.find(R"("captions":{"time_value":"0.01"})"), std::string::npos) << stepped;
    EXPECT_NE(stepped.find(R"("time_spin":{"name":"time","text":"0.01 seconds","value":0.01,"min":0,"max":null})"),
              std::string::npos);
}

TEST(PageCore, TheLayoutCarriesTheSharedRules) {
    const std::string layout = af::page::layout_json({});
    // A held spin arrow repeats after 400 ms, then every 80 ms; a held button is one press.
    EXPECT_NE(layout.find(R"("held":{"repeats":true,"first_repeat_ms":400,"repeat_ms":80,"key_repeats":true})"),
              std::string::npos);
    EXPECT_NE(layout.find(R"("held":{"repeats":false,"first_repeat_ms":0,"repeat_ms":0,"key_repeats":false})"),
              std::string::npos);
    EXPECT_NE(layout.find(R"("font":{"families":["ＭＳ Ｐゴシック"],"generic":"sans-serif")"), std::string::npos);
    EXPECT_EQ(layout.find(R"("dir")"), std::string::npos) << "English reads left to right";
    // Arabic: its own face before the layout's font, its words (not its numbers) right to left.
    const std::string arabic = af::page::layout_json({}, af::choose_language(std::vector<std::string>{"ar"}));
    const auto row = [&arabic](const char* name) {
        const std::size_t at = arabic.find(std::string(R"({"name":")") + name + '"');
        return arabic.substr(at, arabic.find("}}", at) - at);
    };
    EXPECT_NE(row("run_button").find(R"("dir":"rtl")"), std::string::npos) << row("run_button");
    EXPECT_NE(row("run_button").find(R"("families":["AF Caption ar Sans","ＭＳ Ｐゴシック"])"), std::string::npos);
    EXPECT_EQ(row("time_step_0.01").find(R"("dir")"), std::string::npos) << row("time_step_0.01");
    EXPECT_EQ(row("r1_caption").find(R"("dir")"), std::string::npos) << row("r1_caption");
    // A symbol stands in the layout's font; a number in the language's digits takes its face.
    EXPECT_NE(row("omega1_caption").find(R"("families":["ＭＳ Ｐ明朝"])"), std::string::npos) << row("omega1_caption");
    EXPECT_NE(row("time_value").find(R"("families":["AF Caption ar Serif","Times New Roman"])"), std::string::npos)
        << row("time_value");
}

TEST(JsonText, EscapesAndSeparates) {
    af::page::JsonText json;
    json.begin_object().key("a\"b").value("q\"\\\n\x01ω").key("n").begin_array().value(1).value(0.5).value(1.0 / 0.0);
    json.value(true).begin_object().end_object().end_array().end_object();
    EXPECT_EQ(json.text(), R"({"a\"b":"q\"\\\n\u0001ω","n":[1,0.5,null,true,{}]})");
}

}  // namespace
