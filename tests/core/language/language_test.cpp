// Every language the program speaks, from its catalogue: the sentences
// below are written by hand from each language's grammar (its plural forms,
// its decimal separator), not read back from the catalogues.
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "core/acts/spoken_text.h"
#include "core/language/choose_language.h"
#include "core/model/number_text.h"
#include "core/model/shown_caption.h"
#include "core/session/session.h"
#include "support/fake_host.h"

namespace af {
namespace {

using testing::Started;

Language language(const std::string& tag) { return choose_language(std::vector{tag}); }

State started(void (*change)(State&) = nullptr) {
    Started w;
    if (change) change(w.model.state);
    return w.model.state;
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

TEST(Languages, SayEverythingInTheStudentsLanguage) {
    // French puts a no-break space before ":" and ";".
#define NB "\u00a0"
    struct Case {
        const char* tag;
        const char* time_0;      // the time spin at 0 (French takes the singular for 0)
        const char* time_0_005;  // at 0.005: a fraction
        const char* time_1;      // at 1
        const char* bound;       // r2 refused at 15
        const char* run_end;     // after a run at the start values: once and twice
        const char* reset;
        const char* quarter_period;  // a wave of 0.25 periods after a run
        const char* option;          // the 0.005 option's name
        const char* time_caption;    // the label after one step of 0.005
    } cases[] = {
        {"en", "0 seconds", "0.005 seconds", "1 second", "15, maximum",
         "run ended: vector 1 turned once, vector 2 twice; time back to 0", "time 0, traces cleared",
         "sine curve, amplitude 3, 0.25 periods in one second, starting at 0 and rising", "step t, 0.005 seconds",
         "0.005"},
        {"ja", "0秒", "0.005秒", "1秒", "15、最大", "再生終了：ベクトル1は1回転、ベクトル2は2回転、時刻は0に戻りました",
         "時刻0、軌跡を消去", "正弦曲線、振幅 3、1秒間に0.25周期、0から上昇して始まる", "刻み t、0.005秒", "0.005"},
        {"de", "0 Sekunden", "0,005 Sekunden", "1 Sekunde", "15, Maximum",
         "Lauf beendet: Vektor 1 hat sich einmal gedreht, Vektor 2 zweimal; Zeit zurück auf 0",
         "Zeit 0, Spuren gelöscht", "Sinuskurve, Amplitude 3, 0,25 Perioden, Zeitspanne eine Sekunde, beginnt bei 0 und steigt",
         "Schritt t, 0,005 Sekunden", "0,005"},
        {"es", "0 segundos", "0,005 segundos", "1 segundo", "15, máximo",
         "fin de la animación: el vector 1 giró una vez, el vector 2 dos veces; el tiempo vuelve a 0",
         "tiempo 0, trazos borrados", "curva senoidal, amplitud 3, 0,25 periodos en un segundo, empieza en 0 y sube",
         "paso t, 0,005 segundos", "0,005"},
        {"fr", "0 seconde", "0,005 seconde", "1 seconde", "15, maximum",
         "animation terminée" NB ": le vecteur 1 a tourné une fois, le vecteur 2 deux fois" NB "; temps remis à 0",
         "temps 0, tracés effacés", "sinusoïde, amplitude 3, 0,25 période en une seconde, partant de 0 en montant",
         "pas t, 0,005 seconde", "0,005"},
    };
#undef NB
    const StepTarget time{Quantity::Time, 0};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        const Language l = language(c.tag);
        ASSERT_EQ(l.tag(), c.tag);
        EXPECT_EQ(spin_reading(started(), time, l).text, c.time_0);
        EXPECT_EQ(spin_reading(started([](State& s) { s.time_ms = 5; }), time, l).text, c.time_0_005);
        EXPECT_EQ(spin_reading(started([](State& s) { s.time_ms = 1000; }), time, l).text, c.time_1);
        EXPECT_EQ(bound_text(started([](State& s) { s.length[1] = 15; }), {Quantity::Length, 1}, Direction::Up, l),
                  c.bound);
        EXPECT_EQ(run_end_text(started(), l), c.run_end);
        EXPECT_EQ(reset_text(l), c.reset);
        // After a run the marker is off (the static layer is due): the curve alone.
        const State quarter = started([](State& s) { s.frequency[0] = 5, s.length[0] = 3, s.on_show = OnShow::RunsEnd; });
        EXPECT_EQ(wave_description(quarter, 0, {true, 1000}, l), c.quarter_period);
        EXPECT_EQ(control_speech("time_step_0.005", l).name, c.option);
        EXPECT_EQ(time_caption_after_a_step(l), c.time_caption);
    }
}

TEST(Languages, CaptionsAreTranslatedNumbersLocalisedSymbolsKept) {
    const Language de = language("de");
    EXPECT_EQ(shown_caption(*layout_control("run_button"), de), "START");
    EXPECT_EQ(shown_caption(*layout_control("omega_step_0.5"), de), "0,5");
    EXPECT_EQ(shown_caption(*layout_control("omega1_caption"), de), "ω1=");
    EXPECT_EQ(shown_caption(*layout_control("run_button"), Language()), "ANIM");
    EXPECT_EQ(control_speech("run_button", language("ja")).name, "アニメ") << "named by its caption";
    EXPECT_EQ(control_speech("r2_spin", language("fr")).description, "les flèches haut et bas changent la longueur du vecteur 2");
}

TEST(Languages, TheFirstPreferredTagThatNamesALanguageWins) {
    struct Case {
        std::vector<std::string> preferred;
        const char* chosen;
    } cases[] = {
        {{"de-DE"}, "de"},          {{"fr_CA.UTF-8"}, "fr"},      {{"pt-BR", "es-MX", "de"}, "es"},
        {{"en-US", "de"}, "en"},    {{}, "en"},                   {{"C", "ja"}, "ja"},
        {{"zh-Hant"}, "en"},        {{"JA"}, "ja"},               {{"de_AT@euro"}, "de"},
    };
    for (const Case& c : cases) EXPECT_EQ(choose_language(c.preferred).tag(), c.chosen) << c.preferred.size();
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
