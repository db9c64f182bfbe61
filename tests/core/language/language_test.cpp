// Every language the program speaks, checked against its catalogue as the
// PO file on disk says it (never words typed here, so that a translator's
// fix fails nothing): a sentence, a caption, the way numbers are written,
// the direction of the words; and the rules that choose a language, fall
// back from a regional catalogue and write numbers, on tables made here.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <string>
#include <vector>

#include "core/acts/spoken_text.h"
#include "core/language/choose_language.h"
#include "core/model/number_text.h"
#include "core/model/shown_caption.h"
#include "core/session/session.h"
#include "core/setup/setup_text.h"
#include "support/fake_host.h"
#include "support/po_file.h"

namespace af {
namespace {

using testing::Started;
using testing_po::PoFile;

Language language(const std::string& tag) { return choose_language(std::vector{tag}); }

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The UTF-8 characters of a text.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t k = 0; k < text.size();) {
        const auto lead = static_cast<unsigned char>(text[k]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        out.push_back(text.substr(k, length));
        k += length;
    }
    return out;
}

// What a language's catalogues say of a message: its own, its language's
// (es for es-MX), else the English.
struct Said {
    PoFile own, language;
    std::string operator()(const std::string& context, const std::string& id) const {
        return own.text(context, id).value_or(language.text(context, id).value_or(id));
    }
};

Said said_by(std::string_view tag) {
    std::string file(tag);
    std::replace(file.begin(), file.end(), '-', '_');
    const std::string primary = file.substr(0, file.find('_'));
    return {PoFile(std::string(AF_PO_DIR) + "/" + file + ".po"), PoFile(std::string(AF_PO_DIR) + "/" + primary + ".po")};
}

// The time label after one step up at the 0.005 step, as a session shows it.
std::string time_caption_after_a_step(const Language& l) {
    const FitRequest room{laid_out_client(), laid_out_client(), 1.0, 1.0};
    Session session(room, {}, l);
    session.press("time_step_0.005");
    session.press("time_spin", ControlPart::Up);
    for (const auto& [name, caption] : session.captions()) {
        if (name == "time_value") return caption;
    }
    return "";
}

TEST(Languages, EachSaysWhatItsCatalogueSays) {
    int checked = 0;
    for (const Language& l : available_languages()) {
        if (l.is_layouts_own()) continue;
        SCOPED_TRACE(std::string(l.tag()));
        const Said said = said_by(l.tag());
        ASSERT_TRUE(said.own.found()) << "no catalogue for " << l.tag() << " in " << AF_PO_DIR;
        ++checked;
        // A sentence: the run's end at the start values, once and twice.
        const std::string run_end = said("", "run ended: vector 1 turned {turns_1}, vector 2 turned {turns_2}; time back to 0");
        EXPECT_EQ(run_end_text(Started().model.state, l),
                  replaced(replaced(run_end, "{turns_1}", said("", "once")), "{turns_2}", said("", "twice")));
        // A caption, and symbols as laid out.
        EXPECT_EQ(shown_caption(*layout_control("run_button"), l), said("caption", "ANIM"));
        EXPECT_EQ(shown_caption(*layout_control("omega1_caption"), l), "ω1=");
        // Numbers in the language's digits and separators.
        const std::vector<std::string> digits = characters(said("number", "0123456789"));
        ASSERT_EQ(digits.size(), 10u);
        const std::string five_thousandths = digits[0] + said("number", ".") + digits[0] + digits[0] + digits[5];
        EXPECT_EQ(shown_caption(*layout_control("time_step_0.005"), l), five_thousandths);
        EXPECT_EQ(time_caption_after_a_step(l), five_thousandths);
        // Said with the separator synthesizers read.
        const std::string said_thousandths = digits[0] + said("spoken number", ".") + digits[0] + digits[0] + digits[5];
        State at_five{Started().model.state};
        at_five.time_ms = 5;
        EXPECT_NE(spin_reading(at_five, {Quantity::Time, 0}, l).text.find(said_thousandths), std::string::npos)
            << spin_reading(at_five, {Quantity::Time, 0}, l).text;
        const std::vector<std::string> thousand = characters(said("number", "1,000"));
        std::string separator;
        for (std::size_t k = 1; k + 3 < thousand.size(); ++k) separator += thousand[k];
        EXPECT_NE(too_long_text(2000, l).find(digits[2] + separator + digits[0] + digits[0] + digits[0]), std::string::npos)
            << too_long_text(2000, l);
        // Words read right to left where the language is written so; numbers never.
        const bool rtl = said("text direction", "ltr") == "rtl";
        EXPECT_EQ(l.right_to_left(), rtl);
        EXPECT_EQ(caption_right_to_left(*layout_control("run_button"), l), rtl);
        EXPECT_EQ(caption_right_to_left(*layout_control("time_step_group"), l), rtl);
        EXPECT_FALSE(caption_right_to_left(*layout_control("time_step_0.005"), l));
        EXPECT_FALSE(caption_right_to_left(*layout_control("r1_caption"), l));
    }
    EXPECT_GE(checked, 9) << "the build carries fewer languages than it should";
}

// Two catalogues made here: a region's with one message and its own digits,
// its language's with two, each with its own plural rule.
unsigned long one_form(unsigned long) { return 0; }
unsigned long two_forms(unsigned long n) { return n != 1; }
constexpr std::string_view kRegionForms[] = {"regional time", "٠١٢٣٤٥٦٧٨٩"};
constexpr CompiledMessage kRegionMessages[] = {{"", "time", 0, 1}, {"number", "0123456789", 1, 1}};
constexpr std::string_view kLanguageForms[] = {"plain time", "plain once", ",", "{count} one", "{count} many", "1·000"};
constexpr CompiledMessage kLanguageMessages[] = {
    {"", "once", 1, 1}, {"", "time", 0, 1}, {"", "{count} second", 3, 2}, {"number", ".", 2, 1}, {"number", "1,000", 5, 1}};
constexpr CompiledCatalogue kLanguage{"xx", 2, two_forms, kLanguageMessages, kLanguageForms};
constexpr CompiledCatalogue kRegion{"xx-YY", 1, one_form, kRegionMessages, kRegionForms, "xx"};

TEST(Languages, ARegionFallsBackToItsLanguageThenToEnglish) {
    const Language region(&kRegion, &kLanguage);
    EXPECT_EQ(region.tag(), "xx-YY");
    EXPECT_EQ(region.text("", "time"), "regional time");
    EXPECT_EQ(region.text("", "once"), "plain once");
    EXPECT_EQ(region.text("", "twice"), "twice");
    // The form follows the rule of the catalogue that has the message.
    EXPECT_EQ(region.plural("", "{count} second", "{count} seconds", 1), "{count} one");
    EXPECT_EQ(region.plural("", "{count} second", "{count} seconds", 3), "{count} many");
    // Digits from the region, the separator and the thousands from the language ("1·000" gives "·").
    EXPECT_EQ(plain_text(-0.25, region), "-٠,٢٥");
    EXPECT_EQ(grouped_text(1234567, region), "١·٢٣٤·٥٦٧");
    EXPECT_EQ(grouped_text(999, region), "٩٩٩");
    EXPECT_EQ(grouped_text(1000, Language()), "1,000");
    // A compiled regional catalogue finds its language by its tag.
    const Language mexico = language("es-MX");
    ASSERT_EQ(mexico.tag(), "es-MX");
    EXPECT_EQ(mexico.text("", "time"), language("es").text("", "time"));
    EXPECT_NE(mexico.text("", "time"), "time");
}

TEST(Languages, TheFirstPreferredTagThatNamesALanguageWins) {
    struct Case {
        std::vector<std::string> preferred;
        const char* chosen;
    } cases[] = {
        {{"de-DE"}, "de"},          {{"fr_CA.UTF-8"}, "fr"},     {{"pt-BR", "es-MX", "de"}, "pt-BR"},
        {{"en-US", "de"}, "en"},    {{}, "en"},                  {{"C", "ja"}, "ja"},
        {{"JA"}, "ja"},             {{"de_AT@euro"}, "de"},      {{"xx", "it-CH"}, "it"},
        // Spanish with a decimal point: Mexico's and where schools write as Mexico's do.
        {{"es-MX"}, "es-MX"},       {{"es_MX.UTF-8"}, "es-MX"},  {{"es-GT"}, "es-MX"},  {{"es-US"}, "es-MX"},
        // With a comma: Spain's, and South America's, the larger part of "Latin America".
        {{"es"}, "es"},             {{"es-AR"}, "es"},           {{"es-419"}, "es"},    {{"es_ES@euro"}, "es"},
        // Simplified Chinese by language, script or region; traditional characters find none.
        {{"zh"}, "zh-CN"},          {{"zh-CN"}, "zh-CN"},        {{"zh-Hans"}, "zh-CN"}, {{"zh_SG.UTF-8"}, "zh-CN"},
        {{"zh-Hans-HK"}, "zh-CN"},  {{"zh-Hant"}, "en"},         {{"zh-TW", "ko"}, "ko"}, {{"zh_HK"}, "en"},
        {{"pt"}, "pt-BR"},          {{"pt-PT"}, "pt-BR"},        {{"ar-EG"}, "ar"},      {{"ko_KR.UTF-8"}, "ko"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(choose_language(c.preferred).tag(), c.chosen) << (c.preferred.empty() ? "" : c.preferred[0]);
    }
}

TEST(Languages, TheDesktopsEnvironmentAsGettextReadsIt) {
    struct Case {
        const char *language, *lc_all, *lc_messages, *lang;
        std::vector<std::string> preferred;
    } cases[] = {
        {"de:fr", "", "", "ja_JP.UTF-8", {"de", "fr", "ja_JP.UTF-8"}},
        {"de::fr", "", "", "C.UTF-8", {"de", "fr", "C.UTF-8"}},  // C.UTF-8 is not C
        {"de", "", "", "C", {}},                                   // C and POSIX turn translation off
        {"de", "POSIX", "fr_FR", "fr_FR", {}},
        {"de", "", "", "", {}},                                    // no locale at all is C
        {"", "fr_FR.UTF-8", "de_DE", "ja", {"fr_FR.UTF-8"}},
        {"", "", "es_ES.UTF-8", "de_DE", {"es_ES.UTF-8"}},
        {"", "", "", "de_DE.UTF-8", {"de_DE.UTF-8"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(preferred_from_environment(c.language, c.lc_all, c.lc_messages, c.lang), c.preferred)
            << c.language << " / " << c.lc_all << " / " << c.lc_messages << " / " << c.lang;
    }
    EXPECT_EQ(choose_language(preferred_from_environment("", "", "", "de_DE.UTF-8")).tag(), "de");
}

// A toolkit may set the C library's locale from the desktop's (Qt does), whose
// decimal point is then a comma: the program's numbers do not follow it.
TEST(Languages, NumbersIgnoreTheCLibrarysLocale) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale here";
    const std::string english = plain_text(0.005), german = plain_text(1.5, language("de"));
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_EQ(english, "0.005");
    EXPECT_EQ(german, "1,5");
}

TEST(Languages, PlaceholdersAreFilledWhereverTheyStand) {
    EXPECT_EQ(fill("{b} then {a}", {{"a", "1"}, {"b", "2"}}), "2 then 1");
    EXPECT_EQ(fill("{a}{a}", {{"a", "x"}}), "xx");
    EXPECT_EQ(fill("{unknown} {", {{"a", "x"}}), "{unknown} {");
}

}  // namespace
}  // namespace af
