// The opening rule: the setup, the language and what was refused, from an
// address or a command line and the languages preferred; its sentences come
// from the catalogues (read here through translate(), not typed in), and
// --help's bounds and choices from the controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/language/choose_language.h"
#include "core/setup/command_line.h"
#include "core/setup/opening.h"
#include "core/setup/usage_text.h"

namespace af {
namespace {

Language language(const std::string& tag) { return choose_language(std::vector{tag}); }

// A sentence about a field as the catalogue of `tag` says it.
std::string field_sentence(const std::string& tag, std::string_view field, std::string_view rule,
                           std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    const Language l = language(tag);
    return fill(translate(l, "{field}: {rule}"), {{"field", field}, {"rule", fill(translate(l, rule), values)}});
}

constexpr std::string_view kWhole = "must be a whole number from {lowest} to {highest}";

TEST(Opening, TheCommandLineSaysItsRefusalsInTheChosenLanguage) {
    struct Case {
        std::vector<std::string_view> arguments;
        std::vector<std::string> environment;  // preferred, as the environment gives them
        std::string tag;                       // the language chosen
        std::string error;                     // as the catalogue of that language says it
    } cases[] = {
        {{"--lang=de", "--r1=99"}, {}, "de", field_sentence("de", "--r1", kWhole, {{"lowest", "1"}, {"highest", "15"}})},
        {{"--r1=99"}, {"de"}, "de", field_sentence("de", "--r1", kWhole, {{"lowest", "1"}, {"highest", "15"}})},
        // The setup's own language before the environment's, wherever it stands.
        {{"--r1=99", "--lang=fr"}, {"de"}, "fr", field_sentence("fr", "--r1", kWhole, {{"lowest", "1"}, {"highest", "15"}})},
        {{"r2=0&lang=ja"}, {}, "ja", field_sentence("ja", "r2", kWhole, {{"lowest", "1"}, {"highest", "15"}})},
        // A language the program does not speak leaves the environment's.
        {{"--lang=sv", "--r1=0"}, {"fr_FR.UTF-8"}, "fr", field_sentence("fr", "--r1", kWhole, {{"lowest", "1"}, {"highest", "15"}})},
        {{"--bogus", "--lang=de"}, {}, "de", fill(translate(language("de"), "unknown option '{option}'"), {{"option", "--bogus"}})},
        {{"--r1"}, {"ja"}, "ja", fill(translate(language("ja"), "{option}: needs a value"), {{"option", "--r1"}})},
        {{"--picture=a.png", "--scale=9", "--lang=fr"}, {}, "fr",
         field_sentence("fr", "--scale", kWhole, {{"lowest", "1"}, {"highest", "8"}})},
        // A switch is on or off, as typed in every language.
        {{"--voice=an"}, {"de"}, "de",
         field_sentence("de", "--voice", "must be {choices}",
                        {{"choices", fill(translate(language("de"), "{list} or {last}"), {{"list", "on"}, {"last", "off"}})}})},
    };
    for (const Case& c : cases) {
        const CommandLine line = parse_command_line(c.arguments, c.environment);
        SCOPED_TRACE(std::string(c.arguments[0]));
        EXPECT_EQ(line.opening.language.tag(), c.tag);
        ASSERT_TRUE(line.error);
        EXPECT_EQ(*line.error, c.error);
        EXPECT_NE(*line.error, field_sentence("en", "--r1", kWhole, {{"lowest", "1"}, {"highest", "15"}}));
    }
    // Where to read more, in the same language.
    EXPECT_EQ(usage_error_text("x", language("de")),
              "angular-frequency: x\n" +
                  fill(translate(language("de"), "Try '{program} --help' for more information."),
                       {{"program", "angular-frequency"}}) + "\n");
}

TEST(Opening, ThePageTakesTheAddresssLanguageThenTheBrowsers) {
    struct Case {
        std::string address, browser, tag;
        std::vector<std::string> refused;
    } cases[] = {
        {"file:///a/af.html?lang=es&r1=0", "de-DE,de", "es",
         {field_sentence("es", "r1", kWhole, {{"lowest", "1"}, {"highest", "15"}})}},
        {"?r1=0", "sv,fr-CA,de", "fr", {field_sentence("fr", "r1", kWhole, {{"lowest", "1"}, {"highest", "15"}})}},
        {"?r2=5", ",,ja,", "ja", {}},
        {"?lang=de&lang=fr", "", "en", {"lang: is given more than once"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        const Opening opening = open_page(c.address, c.browser);
        EXPECT_EQ(opening.language.tag(), c.tag);
        std::vector<std::string> refused;
        for (const SetupRefusal& r : opening.refused) refused.push_back(r.message);
        EXPECT_EQ(refused, c.refused);
    }
}

TEST(Opening, HelpTakesItsBoundsAndChoicesFromTheControls) {
    const std::string help = usage_text();
    for (const char* line : {
             "Usage: angular-frequency [OPTION]... [ADDRESS]\n",
             "      --r1=LENGTH          length of vector 1, a whole number from 1 to 15\n",
             "      --omega2=N           angular frequency of vector 2, N pi per second, from\n"
             "                             0.1 to 10 in steps of --omega-step\n",
             "      --time-step=SECONDS  the time step: 0.01, 0.005 or 0.002\n",
             "      --omega-step=STEP    the angular-frequency step: 1, 0.5 or 0.1\n",
             "      --time=SECONDS       the time on show, from 0 in steps of --time-step\n",
             "      --lang=TAG           the language, such as ar, de, es, es-MX, fr, it, ja,\n"
             "                             ko, pt-BR or zh-CN\n",
             "      --sound[=on|off]     hear each vector's height as a tone during a run: on\n"
             "                             or off, on where the value is left out\n",
             "      --scale=N              with --picture: N times the laid-out size (1 to\n"
             "                               8), drawn afresh\n",
         }) {
        EXPECT_NE(help.find(line), std::string::npos) << line << "in:\n" << help;
    }
    // In every language, the help is translated and no line is wider than 79 columns.
    for (const Language& l : available_languages()) {
        const std::string text = usage_text(l);
        if (!l.is_layouts_own()) {
            EXPECT_NE(text, help) << l.tag();
        }
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            const std::string_view row = std::string_view(text).substr(start, end - start);
            int columns = 0;
            for (std::size_t k = 0; k < row.size(); ++k) {
                const auto byte = static_cast<unsigned char>(row[k]);
                if ((byte & 0xC0) == 0x80) continue;
                columns += byte >= 0xE3 && byte <= 0xED ? 2 : 1;  // CJK and Hangul lie in U+3000 to U+D7FF
            }
            EXPECT_LE(columns, 79) << l.tag() << ": " << row;
            start = end + 1;
        }
    }
    EXPECT_EQ(version_text("1.2").substr(0, 22), "angular-frequency 1.2\n");
}

}  // namespace
}  // namespace af
