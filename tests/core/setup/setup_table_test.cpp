#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/setup/apply_setup.h"
#include "core/setup/decimal_text.h"
#include "core/setup/language_tag.h"
#include "core/setup/parse_setup.h"
#include "core/setup/query_fields.h"
#include "support/fake_host.h"

namespace af {
namespace {

using testing::Started;

// What a setup must leave, as the labels show it, and what it must say.
struct Case {
    std::string query;
    std::vector<std::string> captions;  // t, r1, r2, ω1, ω2
    int time_step_ms;
    int frequency_step;
    std::vector<SetupRefusal> refused;
    std::string lang = "";
    std::optional<bool> sound{};
};

const std::vector<std::string> kStart = {"0", "10", "10", "2", "4"};
const std::string kR1 = "r1: must be a whole number from 1 to 15";
const std::string kOmega2 = "omega2: must be a whole number from 1 to 10";
const std::string kTime = "t: must be a number from 0 to 16777.21 in steps of 0.01";
const std::string kSettings =
    "is not a setting; the settings are r1, r2, omega1, omega2, time_step, omega_step, t, lang, sound and voice";

// A query of exactly `length` characters: r1=5, then an unknown field padded out.
std::string padded(std::size_t length) { return "r1=5&x=" + std::string(length - 7, 'a'); }

// clang-format off
const Case kCases[] = {
    {"", kStart, 10, 10, {}},
    {"r2=5&omega2=6", {"0", "10", "5", "2", "6"}, 10, 10, {}},
    {"time_step=0.005&t=0.015", {"0.015", "10", "10", "2", "4"}, 5, 10, {}},
    {"t=0.25&omega_step=0.1&omega1=0.1&omega2=10&r1=1&r2=15", {"0.25", "1", "15", "0.1", "10"}, 10, 1, {}},
    {"r1=05.0&omega_step=0.50&omega2=2.5", {"0", "5", "10", "2", "2.5"}, 10, 5, {}},
    {"time_step=0.002&t=16777.216", {"16777.22", "10", "10", "2", "4"}, 2, 10, {}},  // the label's seven digits
    {"?r1=3&&r2=4&", {"0", "3", "4", "2", "4"}, 10, 10, {}},
    {"file:///home/t/angular-frequency.html?r2=5&omega2=6#t=0.5", {"0", "10", "5", "2", "6"}, 10, 10, {}},
    {"https://example.org/af.html#r1=5", kStart, 10, 10, {}},
    {"/home/t/angular-frequency.html", kStart, 10, 10, {}},
    {"r1=%31%32&lang=pt%2DBR", {"0", "12", "10", "2", "4"}, 10, 10, {}, "pt-BR"},
    {"lang=de", kStart, 10, 10, {}, "de"},
    {"r1=0", kStart, 10, 10, {{"r1", kR1}}},
    {"r1=16", kStart, 10, 10, {{"r1", kR1}}},
    {"r1=abc", kStart, 10, 10, {{"r1", kR1}}},
    {"r1=5.5", kStart, 10, 10, {{"r1", kR1}}},
    {"r1=", kStart, 10, 10, {{"r1", kR1}}},
    {"r1", kStart, 10, 10, {{"r1", kR1}}},
    {"r1=-5&r2=+5&omega1=1e1&omega2=5,0", kStart, 10, 10,
     {{"r1", kR1}, {"r2", "r2: must be a whole number from 1 to 15"},
      {"omega1", "omega1: must be a whole number from 1 to 10"}, {"omega2", kOmega2}}},
    {"r1=%3Cscript%3E&<script>=1", kStart, 10, 10, {{"r1", kR1}, {"?script?", "?script?: " + kSettings}}},
    {"r1=<script>alert(1)</script>", kStart, 10, 10, {{"r1", kR1}}},
    {"r1=1%4&%zz=1", kStart, 10, 10, {{"r1", kR1}, {"?zz", "?zz: " + kSettings}}},
    {"omega_step=0.5&omega2=0.25", kStart, 10, 5,
     {{"omega2", "omega2: must be a number from 0.5 to 10 in steps of 0.5"}}},
    {"omega2=2.5", kStart, 10, 10, {{"omega2", kOmega2}}},
    {"omega2=10.1&omega_step=2", kStart, 10, 10,
     {{"omega2", kOmega2}, {"omega_step", "omega_step: must be 1, 0.5 or 0.1"}}},
    {"t=-1&r1=0", kStart, 10, 10, {{"t", kTime}, {"r1", kR1}}},
    {"t=0.015", kStart, 10, 10, {{"t", kTime}}},
    {"t=16777.22", kStart, 10, 10, {{"t", kTime}}},
    {"time_step=0.003", kStart, 10, 10, {{"time_step", "time_step: must be 0.01, 0.005 or 0.002"}}},
    // A step refused keeps the start step, on whose grid t is then checked.
    {"time_step=0.005&time_step=0.005&t=0.015", kStart, 10, 10,
     {{"time_step", "time_step: is given more than once"}, {"t", kTime}}},
    {"r2=3&colour=red&=5&colour=blue", {"0", "10", "3", "2", "4"}, 10, 10,
     {{"colour", "colour: " + kSettings}, {"?", "?: " + kSettings}}},
    {"lang=deutsch&lang=pt_BR", kStart, 10, 10, {{"lang", "lang: is given more than once"}}},
    {"lang=pt_BR", kStart, 10, 10, {{"lang", "lang: must be a language tag such as de, ja or pt-BR"}}},
    {"sound=on&voice=loud", kStart, 10, 10, {{"voice", "voice: must be on or off"}}, "", true},
    {"sound=off&sound=on", kStart, 10, 10, {{"sound", "sound: is given more than once"}}},
    {"sound=ON", kStart, 10, 10, {{"sound", "sound: must be on or off"}}},
    {padded(2000), {"0", "5", "10", "2", "4"}, 10, 10, {{"x", "x: " + kSettings}}},
    {padded(2001), kStart, 10, 10, {{"", "the setup is longer than 2,000 characters, so none of it was taken"}}},
    {padded(10000), kStart, 10, 10, {{"", "the setup is longer than 2,000 characters, so none of it was taken"}}},
};
// clang-format on

TEST(SetupTable, EachQueryGivesItsStateAndItsRefusals) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.query.substr(0, 80));
        const ParsedSetup parsed = parse_setup(c.query);
        Started w;
        apply_setup(w.model, parsed.setup);
        const Model& m = w.model;
        const std::vector<std::string> captions = {m.time_value.caption, m.length_values[0].caption,
                                                   m.length_values[1].caption, m.frequency_values[0].caption,
                                                   m.frequency_values[1].caption};
        EXPECT_EQ(captions, c.captions);
        EXPECT_EQ(m.state.time_step_ms, c.time_step_ms);
        EXPECT_EQ(m.state.frequency_step, c.frequency_step);
        EXPECT_EQ(parsed.setup.lang.value_or(""), c.lang);
        EXPECT_EQ(parsed.setup.switched("sound"), c.sound);
        EXPECT_EQ(parsed.refused, c.refused);
    }
}

TEST(SetupPieces, NumbersTagsAndEscapes) {
    const std::pair<std::pair<const char*, int>, std::optional<std::int64_t>> numbers[] = {
        {{"0.015", 1000}, 15}, {{"0.0155", 1000}, std::nullopt}, {{"007", 1}, 7}, {{"1.50", 10}, 15},
        {{"2.5", 10}, 25}, {{"999999999", 1}, 999999999}, {{"1000000000", 1}, std::nullopt},
        {{"1.", 1}, std::nullopt}, {{".5", 10}, std::nullopt}, {{"", 1}, std::nullopt}, {{"1 ", 1}, std::nullopt},
    };
    for (const auto& [text, units] : numbers) EXPECT_EQ(whole_units(text.first, text.second), units) << text.first;
    EXPECT_EQ(units_text(16777216, 1000), "16777.216");
    EXPECT_EQ(units_text(20, 10), "2");
    EXPECT_EQ(units_text(5, 10), "0.5");
    EXPECT_EQ(units_text(0, 1000), "0");

    // 35 characters at most.
    for (const char* tag :
         {"de", "ja", "pt-BR", "zh-Hant-TW", "gsw", "de-1996", "en-aaaaaaaa-bbbbbbbb-cccccccc-ddddd"}) {
        EXPECT_TRUE(is_language_tag(tag)) << tag;
    }
    for (const char* tag : {"d", "deut", "de-", "-de", "de--x", "12", "de-abcdefghi", "pt_BR", "de BR",
                            "en-aaaaaaaa-bbbbbbbb-cccccccc-dddddd"}) {
        EXPECT_FALSE(is_language_tag(tag)) << tag;
    }

    EXPECT_EQ(percent_decoded("a+b%41%2d"), "a bA-");
    for (const char* broken : {"%4", "%zz", "%", "1%g0"}) EXPECT_EQ(percent_decoded(broken), std::nullopt) << broken;
}

}  // namespace
}  // namespace af
